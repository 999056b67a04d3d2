// The command line: a folder for both folder strings, --help, --version, and
// what is refused.
#include <QDir>
#include <QLabel>

#include "frmpath.h"
#include "samplegame.h"
#include "startupoptions.h"
#include "support/tempfolder.h"
#include "windowtest.h"

namespace tilewright::testing {
namespace {

using Action = StartupOptions::Action;

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void commandLines() {
        struct Case {
            QStringList arguments;
            Action action;
            std::optional<QString> folder;
            const char* textStart;
        } const cases[] = {
            {{"tilewright"}, Action::Start, std::nullopt, ""},
            {{"tilewright", "/games/uo/"}, Action::Start, "/games/uo/", ""},
            {{"tilewright", "/games/uo"}, Action::Start, "/games/uo" + QString(QDir::separator()), ""},
            {{"tilewright", "game"}, Action::Start, "game" + QString(QDir::separator()), ""},
            {{"tilewright", "--", "-odd"}, Action::Start, "-odd" + QString(QDir::separator()), ""},
            {{"tilewright", "--help"}, Action::Help, std::nullopt, "Usage: tilewright [FOLDER]\n"},
            {{"tilewright", "/games", "-h"}, Action::Help, std::nullopt, "Usage: tilewright [FOLDER]\n"},
            {{"tilewright", "--version"}, Action::Version, std::nullopt, "tilewright 0.1\n"},
            {{"tilewright", "-v", "--help"}, Action::Version, std::nullopt, "tilewright 0.1\n"},
            {{"tilewright", "--verbose"}, Action::Refuse, std::nullopt, "tilewright: unknown option \"--verbose\""},
            {{"tilewright", "/a/", "/b/"}, Action::Refuse, std::nullopt, "tilewright: one folder at most, 2 given"},
        };
        for (const Case& c : cases) {
            const StartupOptions options = ParseStartupOptions(c.arguments);
            const QByteArray what = c.arguments.join(' ').toLocal8Bit();
            QVERIFY2(options.action == c.action, what.constData());
            QVERIFY2(options.folder == c.folder, what.constData());
            QVERIFY2(*c.textStart ? options.text.startsWith(c.textStart) : options.text.isEmpty(), what.constData());
        }
        QVERIFY(ParseStartupOptions({"tilewright", "--help"}).text.contains("--version"));
        QVERIFY(ParseStartupOptions({"tilewright", "-x"}).text.endsWith("Usage: tilewright [FOLDER]\n"));
    }

    // With a folder both strings are set to it and the paths dialog shows it;
    // one click on a list button and one selection show a tile from it.
    void aFolderServesBothStrings() {
        TempFolder game;
        QVERIFY(sample::WriteSampleGame(game.path()).ok());
        const QString withSeparator = QString::fromStdString(game.path());
        // A folder given without a separator gets the system's own.
        const QString withoutSeparator = withSeparator.chopped(1);
        for (const auto& [given, folder] : {std::pair{withSeparator, withSeparator},
                                            std::pair{withoutSeparator, withoutSeparator + QDir::separator()}}) {
            FrmMain window;
            ApplyStartupOptions(ParseStartupOptions({"tilewright", given}), window);
            window.show();
            QCOMPARE(window.artPath(), folder);
            QCOMPARE(window.tileDataPath(), folder);

            QString shownArt, shownTiles;
            WithModalDialog([&] { Button(window, "cmdLoad")->click(); },
                            [&](QWidget* dialog) {
                                shownArt = dialog->findChild<QLineEdit*>("txtUO(0)")->text();
                                shownTiles = dialog->findChild<QLineEdit*>("txtTile(1)")->text();
                                dialog->findChild<QPushButton*>("cmdClose")->click();
                            });
            QCOMPARE(shownArt, folder);
            QCOMPARE(shownTiles, folder);

            Button(window, "cmdItem")->click();
            const auto boxes = CatchMessageBoxes([&] { SelectRow(window, 1234); });
            QVERIFY(boxes.empty());
            QCOMPARE(OtherInfo(window, 0)->text(), QString("473847"));
        }
    }

    void withoutAFolderTheDefaultsStay() {
        FrmMain window;
        ApplyStartupOptions(ParseStartupOptions({"tilewright"}), window);
        QCOMPARE(window.artPath(), QString(kDefaultGameFolder));
        QCOMPARE(window.tileDataPath(), QString(kDefaultGameFolder));
    }
};

TILEWRIGHT_WINDOW_TEST(StartupTest);

}  // namespace
}  // namespace tilewright::testing

#include "startup_test.moc"
