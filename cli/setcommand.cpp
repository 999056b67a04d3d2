// set FILE KIND IDS COLUMN=VALUE... [--dry-run]
#include <memory>
#include <vector>

#include "commands.h"
#include "commandsupport.h"
#include "idlist.h"

namespace tilewright::cli {
namespace {

struct SetOptions {
    std::string path;
    std::string kind;
    std::string ids;
    std::vector<std::string> assignments;
    std::string layout;
    bool dryRun = false;
};

// The assignments as one edit of the kind; a refusal is a usage error unless
// it is about the file's layout.
int BuildEdit(CommandContext& context, const SetOptions& options, int flagBits, TileEdit& edit) {
    std::vector<int> given;
    for (const std::string& assignment : options.assignments) {
        const auto cell = ParseColumnValue(assignment);
        if (!cell) return context.Refuse(kExitUsage, cell.error().message);
        if (std::find(given.begin(), given.end(), cell->column) != given.end())
            return context.Refuse(kExitUsage, "column " + ColumnName(cell->column) + " appears twice");
        given.push_back(cell->column);
        if (Status set = SetCell(edit, cell->column, cell->value, flagBits, EmptyCell::ClearsName); !set)
            return RefuseCell(context, cell->column, flagBits, set.error().message);
    }
    return kExitDone;
}

int RunSet(CommandContext& context, const SetOptions& options) {
    const auto file = ReadTileData(options.path, UnknownSize::RefuseWrite, options.layout);
    if (!file) return context.Fail(kExitFailure, file.error());
    TileEdit prototype;
    prototype.kind = options.kind == "land" ? TileKind::Land : TileKind::Item;
    if (BuildEdit(context, options, file->layout().FlagBits(), prototype) != kExitDone) return context.exitStatus;

    const std::int32_t held = file->HeldCount(prototype.kind);
    auto ids = options.ids == "-" ? ReadIdLines(context.in, "standard input", held) : ParseIdList(options.ids, held);
    if (!ids)
        return context.Fail(options.ids != "-" && ids.error().kind == ErrorKind::InvalidValue ? kExitUsage : kExitFailure,
                            (options.ids == "-" ? "" : file->path() + ": ") + ids.error().message);
    std::vector<TileEdit> edits(ids->size(), prototype);
    for (std::size_t i = 0; i < edits.size(); ++i) edits[i].id = (*ids)[i];
    return FinishEdits(context, *file, edits, options.dryRun);
}

}  // namespace

void AddSetCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<SetOptions>();
    CLI::App* command = app.add_subcommand(
        "set", "Set columns on many tiles at once: set FILE item 100-200 weight=5 flag_door=1.");
    command->add_option("FILE", options->path, "The TileData.mul to change")->required();
    command->add_option("KIND", options->kind, "land or item")->required()->check(CLI::IsMember({"land", "item"}));
    command->add_option("IDS", options->ids,
                        "5, 100-200, 1,5,9-12, or - to read ids one per line from standard input")
        ->required();
    command->add_option("COLUMN=VALUE", options->assignments,
                        "Columns as in export's header; name= with nothing after it clears the name")
        ->required();
    AddLayoutOption(*command, options->layout);
    command->add_flag("--dry-run", options->dryRun, "Only print what would change, in diff's format");
    command->callback([&context, options] { context.exitStatus = RunSet(context, *options); });
}

}  // namespace tilewright::cli
