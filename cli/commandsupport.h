// What several commands share: reading the files named on the command line,
// finishing a batch of edits (dry run or write), showing progress.
#pragma once

#include <span>
#include <string>
#include <string_view>

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

// A COLUMN=VALUE argument (set's, find's --where), whose column is one other
// than kind and id; the value is a view into the argument.
struct ColumnValue {
    int column = 0;
    std::string_view value;
};
Result<ColumnValue> ParseColumnValue(std::string_view argument);

// Refuses a cell given as an argument (SetCell's `message`): a usage error,
// but for a flag the file's layout does not have.
int RefuseCell(CommandContext& context, int column, int flagBits, const std::string& message);

// Applies `edits` to `file`. A dry run prints what would change in the diff
// format; otherwise the file is replaced in one piece (refused first when it
// cannot be written) and the number of changed records is printed.
int FinishEdits(CommandContext& context, const TileDataFile& file, std::span<const TileEdit> edits, bool dryRun);

// Work going on, on one line of a terminal rewritten as it goes; silent when
// stderr is no terminal.
class Progress {
public:
    enum class Style {
        Percent,  // "Reading in.csv 42%", wiped at the end
        Count,    // "art: 5 of 10 entries", ended by a line break once all are done
    };
    Progress(CommandContext& context, std::string what, Style style = Style::Percent);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;
    void Show(std::size_t done, std::size_t total);

private:
    CommandContext& context_;
    std::string what_;
    Style style_;
    int shown_ = -1;  // the percent on show
};

}  // namespace tilewright::cli
