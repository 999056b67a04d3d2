// import FILE INPUT [--exact] [--encoding utf-8|windows-1252] [--layout L] [--dry-run]
#include <memory>

#include "commands.h"
#include "commandsupport.h"
#include "editreader.h"

namespace tilewright::cli {
namespace {

struct ImportOptions {
    std::string path;
    std::string input;
    std::string layout;
    std::string encoding = "utf-8";
    bool exact = false;
    bool dryRun = false;
};

int RunImport(CommandContext& context, const ImportOptions& options) {
    const auto file = ReadTileData(options.path, UnknownSize::RefuseWrite, options.layout);
    if (!file) return context.Fail(kExitFailure, file.error());
    const auto text = ReadInputFile(options.input);
    if (!text) return context.Fail(kExitFailure, text.error());
    auto edits = [&] {
        Progress progress(context, "Reading " + options.input);
        const EditReading reading{
            options.encoding == "windows-1252" ? TableEncoding::Windows1252 : TableEncoding::Utf8, options.exact};
        return ReadTileEdits(*text, options.input, *file, reading,
                             [&progress](std::size_t done, std::size_t total) { progress.Show(done, total); });
    }();
    if (!edits) return context.Fail(kExitFailure, edits.error());
    return FinishEdits(context, *file, *edits, options.dryRun);
}

}  // namespace

void AddImportCommand(CLI::App& app, CommandContext& context) {
    auto options = std::make_shared<ImportOptions>();
    CLI::App* command = app.add_subcommand(
        "import", "Apply a CSV or JSON table (as export writes it, or any part of one) to a TileData.mul.");
    command->add_option("FILE", options->path, "The TileData.mul to change")->required();
    command->add_option("INPUT", options->input, "The CSV or JSON file, told apart by its content")->required();
    command->add_flag("--exact", options->exact,
                      "Restore the records as the table has them: an empty name cell makes the name empty (other "
                      "empty cells still keep the file's values)");
    command->add_option("--encoding", options->encoding,
                        "What a file without a byte order mark is written in: utf-8 (default) or windows-1252")
        ->check(CLI::IsMember({"utf-8", "windows-1252"}));
    AddLayoutOption(*command, options->layout);
    command->add_flag("--dry-run", options->dryRun, "Only print what would change, in diff's format");
    command->callback([&context, options] { context.exitStatus = RunImport(context, *options); });
}

}  // namespace tilewright::cli
