// The find dialog: Ctrl+F, by name and by number, next, previous, wrapping,
// F3 in both windows, and what it says when there is nothing to find.
#include <QApplication>
#include <QLabel>

#include "tiledatalayout.h"
#include "support/tempfolder.h"
#include "tiledatabuilder.h"
#include "windowtest.h"

namespace tilewright::testing {
namespace {

QWidget* FindDialog(FrmMain& window) { return Control<QWidget>(window, "frmFind"); }
QString FindMessage(FrmMain& window) { return Control<QLabel>(window, "lblMessage")->text(); }
std::optional<int> Selected(FrmMain& window) { return window.listState().selected; }

class FindTest : public QObject {
    Q_OBJECT

    TempFolder folder_;

    std::unique_ptr<FrmMain> OpenWindow() {
        auto window = std::make_unique<FrmMain>();
        window->SetFolders(QString::fromStdString(folder_.path()), QString::fromStdString(folder_.path()));
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) qWarning("the main window did not become active");
        return window;
    }

    // Ctrl+F in the main window, the text typed where the focus then is, and
    // `key` pressed there.
    void TypeSearch(FrmMain& window, const QString& text, Qt::Key key = Qt::Key_Return) {
        QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(QApplication::activeWindow() == FindDialog(window));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), key);
    }

    // Presses `key` in `target`, first making its window the active one.
    static void PressIn(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        target->activateWindow();
        QTRY_VERIFY(QApplication::activeWindow() == target->window());
        QTest::keyClick(target, key, modifiers);
    }

private slots:
    // Only a few tiles are named; "Torch" at item 5 and 16000 is in other cases.
    void initTestCase() {
        sample::TileDataBuilder builder;
        const std::pair<int, const char*> items[] = {{5, "Torch"}, {300, "wall torch"}, {1234, "barrel"},
                                                     {16000, "TORCH (lit)"}};
        for (const auto& [n, name] : items) {
            TileRow r{TileKind::Item, n};
            r.value("weight") = static_cast<std::uint8_t>(n % 251);
            r.name = sample::MakeName(name);
            builder.Set(r);
        }
        builder.Set(sample::LandRow(7, 0, 77, sample::MakeName("torchlit floor")));
        QVERIFY(sample::WriteWholeFile(folder_.file("TileData.mul"), builder.bytes()).ok());
    }

    // Typing goes into the text box at once; the dialog stands centred on the
    // main window and leaves it usable.
    void opensActiveWithTheFocusInItsTextBox() {
        auto window = OpenWindow();
        QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
        QWidget* dialog = FindDialog(*window);
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isModal());
        QTRY_VERIFY(QApplication::activeWindow() == dialog);
        QCOMPARE(QApplication::focusWidget(), Control<QWidget>(*window, "txtFind"));
        struct Caption {
            const char* name;
            const char* text;
        } const captions[] = {{"cmdFindNext", "Find next"}, {"cmdFindPrevious", "Find previous"}, {"cmdClose", "Close"}};
        for (const Caption& c : captions) QCOMPARE(Control<QPushButton>(*dialog, c.name)->text(), QString(c.text));
    }

    // Where no window manager runs, no window has a frame; the offscreen
    // platform draws one around every window that does not refuse it.
    void opensCentredWithAndWithoutFrames() {
        for (const bool frames : {true, false}) {
            auto window = std::make_unique<FrmMain>();
            QWidget* dialog = FindDialog(*window);
            if (!frames) {
                window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
                dialog->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
            }
            for (const QPoint at : {QPoint(0, 0), QPoint(123, 45)}) {
                window->move(at);
                window->show();
                window->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(window.get()));
                QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
                QTRY_VERIFY(QApplication::activeWindow() == dialog);
                const QString offCentre = OffCentre(dialog->frameGeometry(), window->frameGeometry());
                QVERIFY2(offCentre.isEmpty(), qPrintable(offCentre));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            }
        }
    }

    void findsNamesForwardAndBackwardAndWraps() {
        auto window = OpenWindow();
        Button(*window, "cmdItem")->click();
        QWidget* dialog = FindDialog(*window);
        TypeSearch(*window, "torch");
        QCOMPARE(Selected(*window), 5);
        QCOMPARE(Name(*window)->text(), QString("Torch"));
        QCOMPARE(OtherInfo(*window, 0)->text(), QString::number(*kClassicLayout.RecordPosition(TileKind::Item, 5)));
        QCOMPARE(window->compileKind(), std::optional(TileKind::Item));
        QVERIFY(dialog->isVisible());  // Return keeps it open

        struct Step {
            QWidget* where;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int expected;
            bool wrapped;
        } const steps[] = {
            {dialog, Qt::Key_F3, Qt::NoModifier, 300, false},
            {window.get(), Qt::Key_F3, Qt::NoModifier, 16000, false},
            {window.get(), Qt::Key_F3, Qt::NoModifier, 5, true},
            {dialog, Qt::Key_F3, Qt::ShiftModifier, 16000, true},
            {window.get(), Qt::Key_F3, Qt::ShiftModifier, 300, false},
        };
        for (const Step& s : steps) {
            PressIn(s.where, s.key, s.modifiers);
            QCOMPARE(Selected(*window), s.expected);
            QCOMPARE(Value(*window, 0)->text(), QString::number(s.expected % 251));
            QCOMPARE(FindMessage(*window).isEmpty(), !s.wrapped);
        }
        Control<QPushButton>(*dialog, "cmdFindPrevious")->click();
        QCOMPARE(Selected(*window), 5);
        Control<QPushButton>(*dialog, "cmdFindNext")->click();
        QCOMPARE(Selected(*window), 300);
    }

    // The land list searches land names; a single match found again is
    // loaded again, as a click on the selected entry would.
    void theOnlyMatchIsLoadedAgain() {
        auto window = OpenWindow();
        Button(*window, "cmdLand")->click();
        TypeSearch(*window, "TORCH");
        QCOMPARE(Selected(*window), 7);
        QCOMPARE(Value(*window, 11)->text(), QString("77"));
        Name(*window)->setText("edited");
        PressIn(window.get(), Qt::Key_F3);
        QCOMPARE(Selected(*window), 7);
        QCOMPARE(Name(*window)->text(), QString("torchlit floor"));
    }

    void findsANumberTheListHolds() {
        auto window = OpenWindow();
        Button(*window, "cmdItem")->click();
        TypeSearch(*window, "1234");
        QCOMPARE(Selected(*window), 1234);
        QCOMPARE(Name(*window)->text(), QString("barrel"));
        TypeSearch(*window, "16383");  // the item list stops at 16382
        QCOMPARE(FindMessage(*window), QString("The item list holds no tile 16383."));
        QCOMPARE(Selected(*window), 1234);
        TypeSearch(*window, "0");
        QCOMPARE(Selected(*window), 0);
        QCOMPARE(Name(*window)->text(), QString("Unlabeled"));
    }

    // Nothing found, nothing to search or no file: the dialog says so and
    // the selection and the panels stay as they were.
    void saysWhenThereIsNothingToFind() {
        auto window = OpenWindow();
        TypeSearch(*window, "torch");
        QCOMPARE(FindMessage(*window),
                 QString("The list is empty: press \"Look Land's Tile\" or \"Look Item's Tile\" first."));
        QCOMPARE(OtherInfo(*window, 0)->text(), QString());

        Button(*window, "cmdItem")->click();
        SelectRow(*window, 300);
        TypeSearch(*window, "lantern");
        QCOMPARE(FindMessage(*window), QString("No item tile's name contains \"lantern\"."));
        QCOMPARE(Selected(*window), 300);
        QCOMPARE(Name(*window)->text(), QString("wall torch"));

        TempFolder empty;
        window->SetFolders("/nowhere/", QString::fromStdString(empty.path()));
        std::vector<CaughtBox> boxes = CatchMessageBoxes([&] { TypeSearch(*window, "torch"); });
        QCOMPARE(boxes.size(), std::size_t{1});
        QVERIFY(boxes[0].text.contains("TileData.mul"));
        QCOMPARE(Selected(*window), 300);
        QCOMPARE(Name(*window)->text(), QString("wall torch"));
    }

    void escapeAndCloseCloseIt() {
        auto window = OpenWindow();
        Button(*window, "cmdItem")->click();
        TypeSearch(*window, "torch", Qt::Key_Escape);
        QVERIFY(!FindDialog(*window)->isVisible());
        QTRY_VERIFY(QApplication::activeWindow() == window.get());
        QVERIFY(!Selected(*window));
        TypeSearch(*window, "torch");
        Control<QPushButton>(*FindDialog(*window), "cmdClose")->click();
        QVERIFY(!FindDialog(*window)->isVisible());
        QTRY_VERIFY(QApplication::activeWindow() == window.get());
        QCOMPARE(Selected(*window), 5);
    }
};

TILEWRIGHT_WINDOW_TEST(FindTest);

}  // namespace
}  // namespace tilewright::testing

#include "find_test.moc"
