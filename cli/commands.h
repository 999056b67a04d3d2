// One registration function per command (or group of commands). Each adds its
// subcommand, options and help text to the program and, when the subcommand
// is chosen, runs it against `context`, leaving its exit status there.
#pragma once

#include <CLI/CLI.hpp>

#include "commandcontext.h"

namespace tilewright::cli {

void AddInfoCommand(CLI::App& app, CommandContext& context);
void AddExportCommand(CLI::App& app, CommandContext& context);
void AddImportCommand(CLI::App& app, CommandContext& context);
void AddSetCommand(CLI::App& app, CommandContext& context);
void AddFindCommand(CLI::App& app, CommandContext& context);
void AddDiffCommand(CLI::App& app, CommandContext& context);
void AddArtCommand(CLI::App& app, CommandContext& context);
void AddArtPutCommands(CLI::App& app, CommandContext& context);  // art-put, art-remove, art-compact
void AddFreeCommand(CLI::App& app, CommandContext& context);

}  // namespace tilewright::cli
