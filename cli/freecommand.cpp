// free TILEDATA KIND [--art FOLDER] [--count N]: numbers where a new tile can go.
#include <memory>
#include <optional>
#include <string>

#include "artpresence.h"
#include "commands.h"
#include "commandsupport.h"
#include "freeslots.h"

namespace tilewright::cli {
namespace {

struct FreeArguments {
    std::string path;
    std::string kind;
    std::string art;
    std::size_t count = SIZE_MAX;
    std::string layout;
};

int RunFree(const FreeArguments& args, CommandContext& context) {
    const auto file = ReadTileData(args.path, UnknownSize::Refuse, args.layout);
    if (!file) return context.Fail(kExitFailure, file.error());
    const TileKind kind = ParseKind(args.kind).value_or(TileKind::Item);
    std::optional<Decode_Mul::ArtPresence> art;
    if (!args.art.empty()) {
        std::string folder = args.art;
        if (folder.back() != '/') folder += '/';
        auto read = Decode_Mul::ArtPresence::Read(folder);
        if (!read) return context.Fail(kExitFailure, read.error());
        art = std::move(read).value();
    }
    const auto pictured = [&](std::int32_t n) {
        return art && art->Has(kind == TileKind::Land ? Decode_Mul::LandArtEntry(n) : Decode_Mul::ItemArtEntry(n));
    };
    std::string lines;
    for (std::int32_t n : FreeSlots(*file, kind, pictured, args.count)) lines += std::to_string(n) + '\n';
    context.out << lines;
    return kExitDone;
}

}  // namespace

void AddFreeCommand(CLI::App& app, CommandContext& context) {
    auto args = std::make_shared<FreeArguments>();
    CLI::App* command = app.add_subcommand("free", "Lists free numbers: tiles whose record is all zero.");
    command->footer(
        "With --art, only those that also have no picture of their own (art entry n for land n, 16384 + n for "
        "item n), where a new tile can go; ascending, one a line.");
    command->add_option("TILEDATA", args->path, "The TileData.mul to read")->required();
    command->add_option("KIND", args->kind, "land or item")->required()->check(CLI::IsMember({"land", "item"}));
    command->add_option("--art", args->art, "The art folder whose pictures count as taken");
    command->add_option("--count", args->count, "At most this many numbers")->check(CLI::PositiveNumber);
    AddLayoutOption(*command, args->layout);
    command->callback([args, &context] { context.exitStatus = RunFree(*args, context); });
}

}  // namespace tilewright::cli
