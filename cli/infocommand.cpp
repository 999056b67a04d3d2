// info FILE: the layout, the record sizes and counts, how many tiles are named.
#include <memory>

#include "commands.h"
#include "commandsupport.h"
#include "tilecolumns.h"

namespace tilewright::cli {
namespace {

int CountNamed(const TileDataFile& file, TileKind kind) {
    int named = 0;
    for (std::int32_t n = 0; n < file.HeldCount(kind); ++n) named += file.Name(kind, n)[0] != 0;
    return named;
}

int RunInfo(CommandContext& context, const std::string& path) {
    const auto file = ReadTileData(path, UnknownSize::Read);
    if (!file) return context.Fail(kExitFailure, file.error());
    const TileDataLayout& layout = file->layout();
    std::ostream& out = context.out;
    out << "file: " << file->path() << '\n';
    if (!file->layoutKnown()) {
        out << "layout: unknown (" << file->bytes().size() << " bytes)\n";
        return kExitDone;
    }
    out << "layout: " << layout.id << '\n';
    out << "flag bits: " << layout.FlagBits() << '\n';
    for (TileKind kind : {TileKind::Land, TileKind::Item}) {
        const std::string_view name = KindName(kind);
        out << name << " record size: " << layout.RecordSize(kind) << '\n';
        out << name << " records: " << file->HeldCount(kind);
        if (file->HeldCount(kind) < layout.RecordCount(kind)) out << " of " << layout.RecordCount(kind);
        out << '\n';
        out << "named " << name << " tiles: " << CountNamed(*file, kind) << '\n';
    }
    return kExitDone;
}

}  // namespace

void AddInfoCommand(CLI::App& app, CommandContext& context) {
    auto path = std::make_shared<std::string>();
    CLI::App* info = app.add_subcommand("info", "Show a TileData.mul's layout, record sizes and counts, and how many "
                                                "tiles are named.");
    info->add_option("FILE", *path, "The TileData.mul")->required();
    info->callback([&context, path] { context.exitStatus = RunInfo(context, *path); });
}

}  // namespace tilewright::cli
