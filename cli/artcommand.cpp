// art: one art picture, or every one, saved as RGBA PNG files.
#include <optional>
#include <string>

#include "artexport.h"
#include "commands.h"
#include "commandsupport.h"

namespace tilewright::cli {
namespace {

struct ArtArguments {
    std::string folder;
    std::string kind;
    std::optional<std::int32_t> id;
    bool all = false;
    std::string onlyKind;
    std::string out;
};

int RunArt(const ArtArguments& args, CommandContext& context) {
    if (args.all && (!args.kind.empty() || args.id))
        return context.Refuse(kExitUsage,
                              "--all takes no KIND and ID; --kind picks one kind (see tilewright-cli art --help)", "art");
    if (!args.all && (args.kind.empty() || !args.id))
        return context.Refuse(kExitUsage, "give KIND and ID, or --all (see tilewright-cli art --help)", "art");
    if (!args.all && !args.onlyKind.empty())
        return context.Refuse(kExitUsage, "--kind goes with --all (see tilewright-cli art --help)", "art");
    // The core names files by a folder string followed directly by the file name.
    std::string folder = args.folder;
    if (!folder.empty() && folder.back() != '/') folder += '/';

    if (!args.all) {
        const Status written = ExportArtPicture(folder, ParseKind(args.kind).value_or(TileKind::Item), *args.id, args.out);
        return written ? kExitDone : context.Fail(kExitFailure, written.error());
    }
    ArtExportOptions options;
    options.land = args.onlyKind != "item";
    options.items = args.onlyKind != "land";
    Progress progress(context, "art", Progress::Style::Count);
    options.progress = [&progress](std::size_t done, std::size_t total) { progress.Show(done, total); };
    const auto summary = ExportAllArt(folder, args.out, options);
    if (!summary) return context.Fail(kExitFailure, summary.error());
    context.out << summary->landPictures << " land and " << summary->itemPictures << " item pictures written to "
                << args.out << '\n';
    return kExitDone;
}

}  // namespace

void AddArtCommand(CLI::App& app, CommandContext& context) {
    auto args = std::make_shared<ArtArguments>();
    CLI::App* art = app.add_subcommand("art", "Saves art pictures as RGBA PNG files, as the editor paints them.");
    art->footer(
        "A land picture is 44 x 44, an item picture the size its image states; points the editor leaves "
        "as background are transparent.\n"
        "  art FOLDER land 5 -o land.png     land image entry 5 (what a land tile's texture names)\n"
        "  art FOLDER item 1234 -o item.png  the image of item 1234 (art entry 16384 + 1234)\n"
        "  art FOLDER --all -o DIR           DIR/land-NNNNN.png and DIR/item-NNNNN.png for every entry\n"
        "                                    with a picture, on every core\n");
    art->add_option("FOLDER", args->folder, "The art folder (artidx.mul and art.mul, or artLegacyMUL.uop)")->required();
    art->add_option("KIND", args->kind, "land or item")->check(CLI::IsMember({"land", "item"}));
    art->add_option("ID", args->id, "The land entry or item number");
    art->add_flag("--all", args->all, "Every entry that has a picture");
    art->add_option("--kind", args->onlyKind, "With --all: only land or only item pictures")
        ->check(CLI::IsMember({"land", "item"}));
    art->add_option("-o,--output", args->out, "The PNG file, or with --all the folder")->required();
    art->callback([args, &context] { context.exitStatus = RunArt(*args, context); });
}

}  // namespace tilewright::cli
