// art-put, art-remove and art-compact: pictures into and out of an art folder.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "artput.h"
#include "commands.h"
#include "idlist.h"

namespace tilewright::cli {
namespace {

using Decode_Mul::PictureFile;

// The core names files by a folder string followed directly by the file name.
std::string FolderString(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

struct PutArguments {
    std::string folder;
    std::string kind;
    std::optional<std::int32_t> id;
    std::string picture;
    std::string from;
    bool dryRun = false;
    bool compress = false;
};

int RunPut(const PutArguments& args, CommandContext& context) {
    const bool single = !args.kind.empty() || args.id || !args.picture.empty();
    if (args.from.empty() == !single || (single && (args.kind.empty() || !args.id || args.picture.empty())))
        return context.Refuse(kExitUsage, "give KIND ID PICTURE.png, or --from DIR (see tilewright-cli art-put --help)",
                              "art-put");
    std::vector<PictureFile> files;
    if (single) {
        files.push_back({ParseKind(args.kind).value_or(TileKind::Item), *args.id, args.picture});
    } else {
        auto found = Decode_Mul::PictureFilesIn(args.from);
        if (!found) return context.Fail(kExitFailure, found.error());
        if (found->empty())
            return context.Refuse(kExitFailure, args.from + " holds no land-NNNNN.png or item-NNNNN.png", "art-put");
        files = std::move(found).value();
    }
    const auto batch = Decode_Mul::ReadPictures(files);
    if (!batch) return context.Fail(kExitFailure, batch.error());
    if (batch->roundedAlpha > 0)
        context.err << ProgramPrefix("art-put") << "the alpha of " << batch->roundedAlpha
                    << (batch->roundedAlpha == 1 ? " point was" : " points was")
                    << " neither 0 nor 255 and was rounded (128 and up opaque)\n";
    std::size_t land = 0;
    for (const PictureFile& f : files) land += f.kind == TileKind::Land;
    const std::string what = single ? args.kind + " " + std::to_string(*args.id)
                                    : std::to_string(land) + " land and " + std::to_string(files.size() - land) +
                                          " item pictures";
    if (args.dryRun) {
        context.out << what << " would be put\n";
        return kExitDone;
    }
    Decode_Mul::ArtWriteOptions options;
    options.compress = args.compress;
    if (Status written = Decode_Mul::PutArtImages(FolderString(args.folder), batch->puts, options); !written)
        return context.Fail(kExitFailure, written.error());
    context.out << what << " put\n";
    return kExitDone;
}

struct RemoveArguments {
    std::string folder;
    std::string kind;
    std::vector<std::string> ids;
};

int RunRemove(const RemoveArguments& args, CommandContext& context) {
    const TileKind kind = ParseKind(args.kind).value_or(TileKind::Item);
    std::vector<std::int32_t> entries;
    for (const std::string& text : args.ids) {
        const auto ids = ParseIdList(text, kind == TileKind::Land ? 16384 : 65536);
        if (!ids)
            return context.Refuse(ids.error().kind == ErrorKind::InvalidValue ? kExitUsage : kExitFailure,
                                  ids.error().message, "art-remove");
        for (std::int32_t id : *ids) entries.push_back(*Decode_Mul::PictureEntry(kind, id));
    }
    const auto removed = Decode_Mul::RemoveArtImages(FolderString(args.folder), entries);
    if (!removed) return context.Fail(kExitFailure, removed.error());
    context.out << *removed << (*removed == 1 ? " picture removed\n" : " pictures removed\n");
    return kExitDone;
}

int RunCompact(const std::string& folder, CommandContext& context) {
    const auto saved = Decode_Mul::CompactArt(FolderString(folder));
    if (!saved) return context.Fail(kExitFailure, saved.error());
    context.out << *saved << (*saved == 1 ? " byte saved\n" : " bytes saved\n");
    return kExitDone;
}

}  // namespace

void AddArtPutCommands(CLI::App& app, CommandContext& context) {
    auto put = std::make_shared<PutArguments>();
    CLI::App* command = app.add_subcommand("art-put", "Puts pictures from PNG files into the art files.");
    command->footer(
        "A land picture is 44 x 44 with its diamond opaque and its corners transparent; an item picture is 1 to "
        "1024 points a side with at least one opaque point. Alpha under 128 is transparent. Everything is checked "
        "before anything is written; a folder with both forms of art is written where the editor reads, the "
        ".mul pair.\n"
        "  art-put FOLDER item 1234 item.png  the picture of item 1234 (art entry 16384 + 1234)\n"
        "  art-put FOLDER --from DIR          every DIR/land-NNNNN.png and DIR/item-NNNNN.png, as art --all writes them\n");
    command->add_option("FOLDER", put->folder, "The art folder (artidx.mul and art.mul, or artLegacyMUL.uop)")->required();
    command->add_option("KIND", put->kind, "land or item")->check(CLI::IsMember({"land", "item"}));
    command->add_option("ID", put->id, "The land entry (0 to 16383) or item number (0 to 65535)");
    command->add_option("PICTURE", put->picture, "The PNG file");
    command->add_option("--from", put->from, "A folder of land-NNNNN.png and item-NNNNN.png files");
    command->add_flag("--dry-run", put->dryRun, "Only check the pictures and say what would be put");
    command->add_flag("--compress", put->compress, "In artLegacyMUL.uop, store the new images zlib-compressed");
    command->callback([put, &context] { context.exitStatus = RunPut(*put, context); });

    auto remove = std::make_shared<RemoveArguments>();
    command = app.add_subcommand("art-remove", "Leaves land entries or items without a picture.");
    command->add_option("FOLDER", remove->folder, "The art folder")->required();
    command->add_option("KIND", remove->kind, "land or item")->required()->check(CLI::IsMember({"land", "item"}));
    command->add_option("ID", remove->ids, "Numbers: 5, 100-200, 1,5,9-12")->required();
    command->callback([remove, &context] { context.exitStatus = RunRemove(*remove, context); });

    auto folder = std::make_shared<std::string>();
    command = app.add_subcommand("art-compact", "Rewrites art.mul without the bytes no entry uses any more.");
    command->footer("artidx.mul is written after art.mul, each in one piece; an image two entries share is kept once.");
    command->add_option("FOLDER", *folder, "The art folder holding artidx.mul and art.mul")->required();
    command->callback([folder, &context] { context.exitStatus = RunCompact(*folder, context); });
}

}  // namespace tilewright::cli
