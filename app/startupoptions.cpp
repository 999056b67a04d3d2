#include "startupoptions.h"

#include <QDir>
#include <cstdio>

#include "frmmain.h"

namespace tilewright {
namespace {

const char kUsage[] = "Usage: tilewright [FOLDER]\n";

const char kHelp[] =
    "Edits the tile properties in TileData.mul and shows each tile's picture\n"
    "from artidx.mul and art.mul.\n"
    "\n"
    "  FOLDER         the game folder: both of \"Path's\" folders start at it\n"
    "  -h, --help     print this text and exit\n"
    "  -v, --version  print the version and exit\n";

bool IsHelp(const QString& a) { return a == "-h" || a == "--help"; }
bool IsVersion(const QString& a) { return a == "-v" || a == "--version"; }

StartupOptions Refuse(const QString& why) {
    return {StartupOptions::Action::Refuse, std::nullopt, QStringLiteral("tilewright: %1\n%2").arg(why, kUsage)};
}

}  // namespace

StartupOptions ParseStartupOptions(const QStringList& arguments) {
    const QStringList given = arguments.mid(1);
    for (const QString& a : given) {
        if (a == "--") break;
        if (IsHelp(a)) return {StartupOptions::Action::Help, std::nullopt, QString(kUsage) + "\n" + kHelp};
        if (IsVersion(a))
            return {StartupOptions::Action::Version, std::nullopt, QStringLiteral("tilewright %1\n").arg(TILEWRIGHT_VERSION)};
    }
    QStringList folders;
    bool optionsEnded = false;
    for (const QString& a : given) {
        if (!optionsEnded && a == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && a.startsWith('-') && a != "-") {
            return Refuse(QStringLiteral("unknown option \"%1\"").arg(a));
        } else {
            folders << a;
        }
    }
    if (folders.size() > 1) return Refuse(QStringLiteral("one folder at most, %1 given").arg(folders.size()));
    StartupOptions options;
    if (!folders.isEmpty()) options.folder = FolderWithSeparator(folders.first());
    return options;
}

QString FolderWithSeparator(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith('/') || folder.endsWith(QDir::separator())) return folder;
    return folder + QDir::separator();
}

std::optional<int> AnswerWithoutWindow(const StartupOptions& options) {
    switch (options.action) {
        case StartupOptions::Action::Start:
            return std::nullopt;
        case StartupOptions::Action::Refuse:
            std::fputs(options.text.toLocal8Bit().constData(), stderr);
            return 2;
        case StartupOptions::Action::Help:
        case StartupOptions::Action::Version:
            std::fputs(options.text.toLocal8Bit().constData(), stdout);
            return 0;
    }
    return 2;
}

std::optional<int> AnswerBeforeDisplay(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const StartupOptions options = ParseStartupOptions(arguments);
    if (options.action != StartupOptions::Action::Help && options.action != StartupOptions::Action::Version)
        return std::nullopt;
    return AnswerWithoutWindow(options);
}

void ApplyStartupOptions(const StartupOptions& options, FrmMain& window) {
    if (options.folder) window.SetFolders(*options.folder, *options.folder);
}

}  // namespace tilewright
