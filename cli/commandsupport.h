// What several commands share: reading the files named on the command line,
// finishing a batch of edits (dry run or write), showing progress.
#pragma once

#include <span>
#include <string>

#include <CLI/CLI.hpp>

#include "commandcontext.h"
#include "tiledatafile.h"
#include "tileedit.h"

namespace tilewright::cli {

// What a command does with a file whose size fits no layout.
enum class UnknownSize {
    Refuse,       // a command that reads the records: refused unless a layout is given
    RefuseWrite,  // a command that writes: the same, saying that nothing was written
    Read,         // a command that only describes the file
};

// The whole TileData.mul in the layout named by `layoutId` ("classic",
// "large", "64bit"), or in the one its size gives when `layoutId` is empty.
Result<TileDataFile> ReadTileData(const std::string& path, UnknownSize unknown, const std::string& layoutId = {});

// --layout, for a user who knows the layout better than the file's size.
void AddLayoutOption(CLI::App& command, std::string& layoutId);

// A whole input file in one read.
Result<std::string> ReadInputFile(const std::string& path);

// Applies `edits` to `file`. A dry run prints what would change in the diff
// format; otherwise the file is replaced in one piece (refused first when it
// cannot be written) and the number of changed records is printed.
int FinishEdits(CommandContext& context, const TileDataFile& file, std::span<const TileEdit> edits, bool dryRun);

// "42%" on one line of a terminal, rewritten as work goes on and wiped at the
// end; silent when stderr is no terminal.
class Progress {
public:
    Progress(CommandContext& context, std::string what);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;
    void Show(std::size_t done, std::size_t total);

private:
    CommandContext& context_;
    std::string what_;
    int shown_ = -1;
};

}  // namespace tilewright::cli
