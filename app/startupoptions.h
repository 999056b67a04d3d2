// The editor's command line: `tilewright [FOLDER]`, `--help` and `--version`.
// A folder given there is used for both the art files and TileData.mul.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tilewright {

class FrmMain;

struct StartupOptions {
    enum class Action { Start, Help, Version, Refuse };
    Action action = Action::Start;
    // The folder as given, with a path separator appended when it lacks one.
    std::optional<QString> folder;
    // What Help, Version and Refuse print.
    QString text;
};

// `arguments` as the program received them, its own name first. Help and
// version win over everything else, wherever they stand.
StartupOptions ParseStartupOptions(const QStringList& arguments);

// The folder string for `folder`: unchanged when it ends with a separator
// (or is empty), else with one appended.
QString FolderWithSeparator(const QString& folder);

// Prints what a non-Start action says and returns the program's exit code;
// nothing for Start.
std::optional<int> AnswerWithoutWindow(const StartupOptions& options);

// Answers --help and --version from the raw command line, before the
// application connects to a display; nothing for any other command line.
std::optional<int> AnswerBeforeDisplay(int argc, char** argv);

// Gives the main window the folder of the command line, if there is one.
void ApplyStartupOptions(const StartupOptions& options, FrmMain& window);

}  // namespace tilewright
