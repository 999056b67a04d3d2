// The paths dialog: its layout, its modality and what "Close" keeps.
#include <QLabel>

#include "frmpath.h"
#include "support/tempfolder.h"
#include "tiledatabuilder.h"
#include "windowtest.h"

namespace tilewright::testing {
namespace {

class PathDialogTest : public QObject {
    Q_OBJECT

private slots:
    void layoutAndTexts() {
        FrmPath dialog;
        QCOMPARE(dialog.size(), QSize(312, 92));
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        struct Placement {
            const char* name;
            const char* text;
            QRect geometry;
        } const layout[] = {
            {"Label1", "File's Path's", {126, 8, 56, 13}},
            {"Label2", "Art.Mul and ArtIdx.Mul :", {8, 24, 110, 13}},
            {"txtUO(0)", "c:\\program files\\ultima online\\", {128, 24, 177, 19}},
            {"Label3", "TileData.Mul :", {8, 48, 66, 13}},
            {"txtTile(1)", "c:\\program files\\ultima online\\", {128, 48, 177, 19}},
            {"cmdClose", "Close", {8, 72, 297, 17}},
        };
        for (const auto& p : layout) {
            QWidget* w = dialog.findChild<QWidget*>(p.name);
            QVERIFY2(w, p.name);
            QCOMPARE(w->geometry(), p.geometry);
            QString text;
            if (auto* l = qobject_cast<QLabel*>(w)) {
                text = l->text();
                QVERIFY2(l->fontMetrics().horizontalAdvance(text) <= l->width(), p.name);
            } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
                text = e->text();
                QCOMPARE(e->maxLength(), 32767);  // no limit of its own
            } else {
                text = qobject_cast<QPushButton*>(w)->text();
            }
            QCOMPARE(text, QString(p.text));
            QVERIFY(w->toolTip().isEmpty());
        }
    }

    void startUpNeverShowsTheDialog() {
        FrmMain window;
        window.show();
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY(!(top->objectName() == "frmPath" && top->isVisible()));
        QCOMPARE(window.artPath(), QString(kDefaultGameFolder));
    }

    // The dialog opens on the folders in use and "Close" keeps what the boxes
    // hold; the two folders are independent.
    void closeKeepsTheBoxesAndReopeningShowsThem() {
        FrmMain window;
        window.show();
        SetFolders(window, "/art/", "/tiles/");
        QCOMPARE(window.artPath(), QString("/art/"));
        QCOMPARE(window.tileDataPath(), QString("/tiles/"));

        QString shownArt, shownTiles;
        bool modal = false;
        WithModalDialog([&] { Button(window, "cmdLoad")->click(); },
                        [&](QWidget* dialog) {
                            modal = dialog->isModal() && dialog->parentWidget() == &window;
                            shownArt = dialog->findChild<QLineEdit*>("txtUO(0)")->text();
                            shownTiles = dialog->findChild<QLineEdit*>("txtTile(1)")->text();
                            dialog->findChild<QPushButton*>("cmdClose")->click();
                        });
        QVERIFY(modal);
        QCOMPARE(shownArt, QString("/art/"));
        QCOMPARE(shownTiles, QString("/tiles/"));
        QCOMPARE(window.artPath(), QString("/art/"));
        QCOMPARE(window.tileDataPath(), QString("/tiles/"));
    }

    // The dialog's centre lies on the main window's centre, wherever that
    // stands; both frames count, as the user sees them. Where no window
    // manager runs the main window has no frame either.
    void theDialogOpensCentredOnTheMainWindow() {
        for (const bool frame : {true, false}) {
            FrmMain window;
            if (!frame) window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
            window.show();
            for (const QPoint at : {QPoint(0, 0), QPoint(37, 91), QPoint(400, 250)}) {
                window.move(at);
                QRect dialogFrame;
                WithModalDialog([&] { Button(window, "cmdLoad")->click(); },
                                [&](QWidget* dialog) {
                                    dialogFrame = dialog->frameGeometry();
                                    dialog->findChild<QPushButton*>("cmdClose")->click();
                                });
                const QString offCentre = OffCentre(dialogFrame, window.frameGeometry());
                QVERIFY2(offCentre.isEmpty(), qPrintable(offCentre));
            }
        }
    }

    // Where no window manager hands the keyboard back, "Close" does.
    void closingHandsTheKeyboardBack() {
        FrmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        WithModalDialog([&] { Button(window, "cmdLoad")->click(); },
                        [&](QWidget* dialog) {
                            dialog->activateWindow();
                            QTRY_VERIFY(QApplication::activeWindow() == dialog);
                            dialog->findChild<QPushButton*>("cmdClose")->click();
                        });
        QTRY_VERIFY(QApplication::activeWindow() == &window);
    }

    void escapeDoesNotCloseTheDialog() {
        FrmMain window;
        window.show();
        bool stillOpen = false;
        WithModalDialog([&] { Button(window, "cmdLoad")->click(); },
                        [&](QWidget* dialog) {
                            dialog->findChild<QLineEdit*>("txtUO(0)")->setText("/typed/");
                            QTest::keyClick(dialog, Qt::Key_Escape);
                            dialog->close();
                            stillOpen = dialog->isVisible();
                            dialog->findChild<QPushButton*>("cmdClose")->click();
                        });
        QVERIFY(stillOpen);
        QCOMPARE(window.artPath(), QString("/typed/"));
    }

    // The folder string is a plain prefix: without a trailing separator the
    // file name follows its last character.
    void aFolderWithoutSeparatorIsJoinedDirectly() {
        TempFolder folder;
        QVERIFY(sample::WriteWholeFile(folder.file("gameTileData.mul"), sample::BuildSampleTileData()).ok());
        FrmMain window;
        SetFolders(window, "/nowhere/", QString::fromStdString(folder.path() + "game"));
        Button(window, "cmdLand")->click();
        const auto boxes = CatchMessageBoxes([&] { SelectRow(window, 0); });
        QVERIFY(boxes.empty());
        QCOMPARE(OtherInfo(window, 0)->text(), QString("5"));
    }
};

TILEWRIGHT_WINDOW_TEST(PathDialogTest);

}  // namespace
}  // namespace tilewright::testing

#include "pathdialog_test.moc"
