// diff FILE_A FILE_B: one line per column that differs. Exit 0 when none
// differ, 1 when some do, 2 on trouble.
#include <memory>

#include "commands.h"
#include "commandsupport.h"
#include "tilecompare.h"

namespace tilewright::cli {
namespace {

struct DiffOptions {
    std::string pathA;
    std::string pathB;
    std::string layout;
};

int RunDiff(CommandContext& context, const DiffOptions& options) {
    const auto a = ReadTileData(options.pathA, UnknownSize::Refuse, options.layout);
    if (!a) return context.Fail(kDiffTrouble, a.error());
    const auto b = ReadTileData(options.pathB, UnknownSize::Refuse, options.layout);
    if (!b) return context.Fail(kDiffTrouble, b.error());
    std::string lines;
    const std::size_t count = CompareTileData(*a, *b, lines);
    context.out << lines;
    return count == 0 ? kDiffSame : kDiffDifferent;
}

}  // namespace

void AddDiffCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<DiffOptions>();
    CLI::App* command = app.add_subcommand(
        "diff", "Compare two TileData.mul files column by column: \"KIND ID COLUMN: OLD -> NEW\". Exit status 0 "
                "when they do not differ, 1 when they do, 2 on trouble.");
    command->add_option("FILE_A", options->pathA, "The first TileData.mul")->required();
    command->add_option("FILE_B", options->pathB, "The second TileData.mul")->required();
    AddLayoutOption(*command, options->layout);
    command->callback([&context, options] { context.exitStatus = RunDiff(context, *options); });
}

}  // namespace tilewright::cli
