// find FILE KIND [--name TEXT] [--flag F]... [--no-flag F]... [--where COLUMN=VALUE]...
#include <memory>
#include <vector>

#include "commands.h"
#include "commandsupport.h"
#include "messagetext.h"
#include "tilefilter.h"

namespace tilewright::cli {
namespace {

struct FindOptions {
    std::string path;
    std::string kind;
    std::optional<std::string> name;
    std::vector<std::string> flags;
    std::vector<std::string> noFlags;
    std::vector<std::string> wheres;
    std::string layout;
};

// A flag column named with or without its "flag_" prefix.
std::optional<int> FlagColumn(const std::string& name) {
    for (const std::string& candidate : {name, "flag_" + name})
        if (const auto column = FindColumn(candidate); column && IsFlagColumn(*column)) return column;
    return std::nullopt;
}

int BuildFilter(CommandContext& context, const FindOptions& options, int flagBits, TileFilter& filter) {
    filter.nameContains = options.name;
    for (const auto* list : {&options.flags, &options.noFlags}) {
        for (const std::string& flag : *list) {
            const auto column = FlagColumn(flag);
            if (!column) return context.Refuse(kExitUsage, QuotedValue(flag) + " is no flag column");
            if (Status set = SetCell(filter.wanted, *column, list == &options.flags ? "1" : "0", flagBits,
                                     EmptyCell::ClearsName);
                !set)
                return RefuseCell(context, *column, flagBits, set.error().message);
        }
    }
    for (const std::string& where : options.wheres) {
        const auto given = ParseColumnValue(where);
        if (!given) return context.Refuse(kExitUsage, "--where " + given.error().message);
        if (Status set = SetCell(filter.wanted, given->column, given->value, flagBits, EmptyCell::ClearsName); !set)
            return RefuseCell(context, given->column, flagBits, "--where: " + set.error().message);
    }
    return kExitDone;
}

int RunFind(CommandContext& context, const FindOptions& options) {
    const auto file = ReadTileData(options.path, UnknownSize::Refuse, options.layout);
    if (!file) return context.Fail(kExitFailure, file.error());
    TileFilter filter;
    filter.wanted.kind = options.kind == "land" ? TileKind::Land : TileKind::Item;
    if (BuildFilter(context, options, file->layout().FlagBits(), filter) != kExitDone) return context.exitStatus;
    std::string lines;
    for (std::int32_t id : FindTiles(*file, filter)) {
        lines += std::to_string(id);
        lines += '\n';
    }
    context.out << lines;
    return kExitDone;
}

}  // namespace

void AddFindCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<FindOptions>();
    CLI::App* command = app.add_subcommand(
        "find", "Print the ids of the matching tiles, one per line, ascending (nothing when none match).");
    command->add_option("FILE", options->path, "The TileData.mul")->required();
    command->add_option("KIND", options->kind, "land or item")->required()->check(CLI::IsMember({"land", "item"}));
    command->add_option("--name", options->name, "A part of the name, ignoring case");
    command->add_option("--flag", options->flags, "A flag that must be set (flag_door or door); may be repeated")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    command->add_option("--no-flag", options->noFlags, "A flag that must be clear; may be repeated")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    command->add_option("--where", options->wheres, "COLUMN=VALUE that must hold; may be repeated")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    AddLayoutOption(*command, options->layout);
    command->callback([&context, options] { context.exitStatus = RunFind(context, *options); });
}

}  // namespace tilewright::cli
