// export FILE [--kind land|item|all] [--format csv|json] [-o OUT]
#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>

#include "commands.h"
#include "commandsupport.h"
#include "gamefile.h"
#include "platformfile.h"
#include "tableexport.h"

namespace tilewright::cli {
namespace {

struct ExportOptions {
    std::string path;
    std::string kind = "all";
    std::string format = "csv";
    std::string output;
    std::string layout;
};

int RunExport(CommandContext& context, const ExportOptions& options) {
    const auto file = ReadTileData(options.path, UnknownSize::Refuse, options.layout);
    if (!file) return context.Fail(kExitFailure, file.error());
    const KindSelection kinds = options.kind == "land"   ? KindSelection::Land
                                : options.kind == "item" ? KindSelection::Item
                                                         : KindSelection::All;
    const std::string table = ExportTable(*file, kinds, options.format == "json" ? TableFormat::Json : TableFormat::Csv);
    if (options.output.empty()) {
        context.out << table;
        return kExitDone;
    }
    errno = 0;
    std::ofstream out(platform::PathFromUtf8(options.output), std::ios::binary | std::ios::trunc);
    out.write(table.data(), static_cast<std::streamsize>(table.size()));
    out.close();
    if (!out)
        return context.Fail(kExitFailure, "Cannot write " + Quoted(options.output) + ": " +
                                              (errno ? std::strerror(errno) : "the write failed") + ".");
    return kExitDone;
}

}  // namespace

void AddExportCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<ExportOptions>();
    CLI::App* command = app.add_subcommand(
        "export", "Write every record as CSV or JSON: land rows first, each kind by id.");
    command->add_option("FILE", options->path, "The TileData.mul")->required();
    command->add_option("--kind", options->kind, "The records to write (default all)")
        ->check(CLI::IsMember({"land", "item", "all"}));
    command->add_option("--format", options->format, "csv (default) or json")->check(CLI::IsMember({"csv", "json"}));
    command->add_option("-o,--output", options->output, "Write to this file instead of standard output");
    AddLayoutOption(*command, options->layout);
    command->callback([&context, options] { context.exitStatus = RunExport(context, *options); });
}

}  // namespace tilewright::cli
