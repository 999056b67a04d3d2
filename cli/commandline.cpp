#include "commandline.h"

#include <exception>

#include "commands.h"

namespace tilewright::cli {
namespace {

// Every command of the program, in the order --help lists them.
void AddCommands(CLI::App& app, CommandContext& context) {
    AddInfoCommand(app, context);
    AddFindCommand(app, context);
    AddFreeCommand(app, context);
    AddSetCommand(app, context);
    AddExportCommand(app, context);
    AddImportCommand(app, context);
    AddDiffCommand(app, context);
    AddArtCommand(app, context);
    AddArtPutCommands(app, context);
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                   bool errIsTerminal) {
    CommandContext context{in, out, err, errIsTerminal};
    try {
        CLI::App app("Reads, searches, exports and edits whole TileData.mul files.", "tilewright-cli");
        app.require_subcommand(1);
        app.fallthrough(false);
        // "/games/uo/TileData.mul" is a file on Windows too, never an option;
        // the subcommands made after this inherit it.
        app.allow_windows_style_options(false);
        AddCommands(app, context);

        // CLI11 wants the arguments without the program's name, last first.
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        if (!reversed.empty()) reversed.pop_back();
        try {
            app.parse(reversed);
        } catch (const CLI::CallForHelp& help) {
            return app.exit(help, out, err);
        } catch (const CLI::CallForAllHelp& help) {
            return app.exit(help, out, err);
        } catch (const CLI::ParseError& usage) {
            return context.Refuse(kExitUsage, std::string(usage.what()) + " (see tilewright-cli --help)");
        }
        return context.exitStatus;
    } catch (const std::exception& unexpected) {
        return context.Refuse(kExitFailure, unexpected.what());
    }
}

}  // namespace tilewright::cli
