// What several commands share: reading the files named on the command line,
// finishing a batch of edits (dry run or write), showing progress.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "commandcontext.h"
#include "tiledatafile.h"
#include "tileedit.h"

namespace tilewright::cli {

// The whole TileData.mul, or nothing after reporting why (with `status`).
std::optional<TileDataFile> ReadTileData(CommandContext& context, const std::string& path,
                                         int status = kExitFailure);

// A whole input file in one read, or nothing after reporting why.
std::optional<std::string> ReadInputFile(CommandContext& context, const std::string& path);

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
