// The tile browser as a person uses it: kinds, grid and table, filters,
// selection, editing many tiles with its confirmation and undo, refusals
// that leave the file as it was, pictures out, and what a screen reader hears.
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QDialog>
#include <QListView>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "artexport.h"
#include "artrender.h"
#include "artpresence.h"
#include "browserfilterbar.h"
#include "browserpictures.h"
#include "editselecteddialog.h"
#include "pngencoder.h"
#include "samplegame.h"
#include "support/files.h"
#include "support/tempfolder.h"
#include "tilebrowser.h"
#include "tilebrowsermodel.h"
#include "tileedit.h"
#include "tilefilter.h"
#include "windowtest.h"

namespace tilewright::testing {
namespace {

// Runs `action`, handing every modal widget it opens to `onModal` once.
void DriveModals(const std::function<void()>& action, const std::function<void(QWidget*)>& onModal) {
    QWidget* last = nullptr;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == last) return;
        last = modal;
        onModal(modal);
    });
    poll.start();
    action();
    poll.stop();
}

// The texts of the message boxes `action` raises; each is answered with
// `answer` when it offers it, else OK. Every edit dialog gets `fill`, then
// Apply, the first time; Cancel after.
std::vector<QString> RunEdit(const std::function<void()>& action, const std::function<void(EditSelectedDialog&)>& fill,
                             QMessageBox::StandardButton answer = QMessageBox::Yes) {
    std::vector<QString> texts;
    int dialogs = 0;
    DriveModals(action, [&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            texts.push_back(box->text());
            box->button(box->button(answer) ? answer : QMessageBox::Ok)->click();
        } else if (auto* dialog = qobject_cast<EditSelectedDialog*>(modal)) {
            if (dialogs++ > 0) return dialog->reject();
            fill(*dialog);
            dialog->findChild<QPushButton*>("apply")->click();
        }
    });
    return texts;
}

class TileBrowserTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempFolder> folder_;
    std::unique_ptr<TileBrowser> browser_;

    std::string tileData() const { return folder_->file("TileData.mul"); }
    TileBrowserModel& model() { return *static_cast<TileBrowserModel*>(grid()->model()); }
    QListView* grid() { return browser_->findChild<QListView*>("tileGrid"); }
    QLineEdit* filterBox() { return browser_->findChild<QLineEdit*>("filter"); }
    void Tick(const char* name) { browser_->findChild<QCheckBox*>(name)->setChecked(true); }

    void Open(const TileDataLayout& layout, TileKind kind = TileKind::Item) {
        folder_ = std::make_unique<TempFolder>();
        QVERIFY(sample::WriteSampleGame(folder_->path(), layout).ok());
        browser_ = std::make_unique<TileBrowser>();
        browser_->Open(folder_->path(), folder_->path(), kind);
        browser_->show();
        browser_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(browser_.get()));
        QApplication::processEvents();  // the grid lays out its cells
    }
    // Sets flag `bit` of the flag filter to "any" (0), "set" (1) or "clear" (2).
    void ChooseFlag(int bit, int state) {
        auto* flags = browser_->findChild<QComboBox*>("flagList");
        auto* states = browser_->findChild<QComboBox*>("flagState");
        flags->setCurrentIndex(bit);
        states->setCurrentIndex(state);
        emit states->activated(state);
    }
    std::vector<std::int32_t> Expected(const std::function<bool(const TileRow&)>& keep) {
        std::vector<std::int32_t> ids;
        const TileDataFile& file = *browser_->file();
        for (std::int32_t n = 0; n < file.HeldCount(model().kind()); ++n)
            if (keep(file.Row(model().kind(), n))) ids.push_back(n);
        return ids;
    }

private slots:
    void cleanup() {
        browser_.reset();
        folder_.reset();
    }

    // Every record the file holds, of either kind, in every layout.
    void showsEveryTileOfEachKind_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<int>("items");
        QTest::newRow("classic") << "classic" << 16384;
        QTest::newRow("large") << "large" << 32768;
        QTest::newRow("64bit") << "64bit" << 65536;
    }
    void showsEveryTileOfEachKind() {
        QFETCH(QString, layout);
        QFETCH(int, items);
        Open(*LayoutById(layout.toStdString()));
        QCOMPARE(browser_->windowTitle(), QString("Tile Browser"));
        QCOMPARE(model().rowCount(), items);
        browser_->findChild<QTabBar*>("kindTabs")->setCurrentIndex(0);
        QCOMPARE(model().kind(), TileKind::Land);
        QCOMPARE(model().rowCount(), 16384);
        QCOMPARE(browser_->findChild<QLabel*>("status")->text(), QString("16384 tiles shown, 0 selected"));
    }

    void filtersShowWhatTheyName() {
        Open(kWideFlagLayout);
        const auto hasPicture = *Decode_Mul::ArtPresence::Read(folder_->path());
        const auto picture = [&](const TileRow& r) { return hasPicture.Has(Decode_Mul::ItemArtEntry(r.id)); };
        const auto torch = [](const TileRow& r) {
            return QString::fromStdString(NameText(r.name)).contains("torch", Qt::CaseInsensitive);
        };
        const int lightSource = 23, door = 29;
        const struct {
            const char* text;
            std::vector<int> flagStates;  // bit, state pairs
            std::vector<const char*> ticks;
            std::function<bool(const TileRow&)> keep;
        } cases[] = {
            {"TORCH", {}, {}, torch},
            {"1234", {}, {}, [](const TileRow& r) { return r.id == 1234; }},
            {"0x4d2", {}, {}, [](const TileRow& r) { return r.id == 1234; }},
            {"200-100", {}, {}, [](const TileRow& r) { return r.id >= 100 && r.id <= 200; }},
            {"70000", {}, {}, [](const TileRow&) { return false; }},
            {"", {}, {"withPicture"}, picture},
            {"", {}, {"withoutPicture"}, [&](const TileRow& r) { return !picture(r); }},
            {"", {lightSource, 1}, {}, [&](const TileRow& r) { return (r.flags >> lightSource) & 1; }},
            {"torch", {lightSource, 1, door, 2, 40, 1}, {"withPicture"}, [&](const TileRow& r) {
                 return torch(r) && picture(r) && (r.flags >> lightSource & 1) && !(r.flags >> door & 1) &&
                        (r.flags >> 40 & 1);
             }},
        };
        for (const auto& c : cases) {
            browser_->findChild<BrowserFilterBar*>()->Reset();
            for (std::size_t i = 0; i < c.flagStates.size(); i += 2) ChooseFlag(c.flagStates[i], c.flagStates[i + 1]);
            for (const char* tick : c.ticks) Tick(tick);
            filterBox()->setText(c.text);
            QCOMPARE(model().shown(), Expected(c.keep));
        }
        // Typed a key at a time, each result searched within the last, and
        // taken back again.
        browser_->findChild<BrowserFilterBar*>()->Reset();
        const auto holds = [](const char* part) {
            return [part](const TileRow& r) {
                return QString::fromStdString(NameText(r.name)).contains(part, Qt::CaseInsensitive);
            };
        };
        QTest::keyClicks(filterBox(), "Torch Item 2");
        QCOMPARE(model().shown(), Expected(holds("torch item 2")));
        QTest::keyClick(filterBox(), Qt::Key_Backspace);
        QTest::keyClick(filterBox(), Qt::Key_Backspace);
        QCOMPARE(model().shown(), Expected(holds("torch item")));
        ChooseFlag(lightSource, 2);
        QTest::keyClicks(filterBox(), " 3");
        QCOMPARE(model().shown(), Expected([&](const TileRow& r) {
                     return holds("torch item 3")(r) && !(r.flags >> lightSource & 1);
                 }));
        // The flag list is the layout's: 64 flags here, 32 in a classic file.
        QCOMPARE(browser_->findChild<QComboBox*>("flagList")->count(), 64);
    }

    // Free slots: records all zero with no picture of their own.
    void freeSlotsAndNextFreeSlot() {
        folder_ = std::make_unique<TempFolder>();
        QVERIFY(sample::WriteSampleGame(folder_->path(), kClassicLayout).ok());
        const auto art = *Decode_Mul::ArtPresence::Read(folder_->path());
        std::vector<std::uint8_t> bytes = ReadAll(tileData());
        const auto file = TileDataFile::FromBytes(tileData(), bytes);
        std::vector<std::int32_t> free;
        for (std::int32_t n = 100; free.size() < 3; ++n)
            if (!art.Has(Decode_Mul::ItemArtEntry(n))) free.push_back(n);
        const std::int32_t withPicture = 99;  // zeroed too, but its picture keeps it taken
        QVERIFY(art.Has(Decode_Mul::ItemArtEntry(withPicture)));
        for (std::int32_t n : {free[0], free[1], free[2], withPicture}) {
            const std::size_t at = file.RecordOffset(TileKind::Item, n);
            std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), kClassicLayout.RecordSize(TileKind::Item), 0);
        }
        WriteAll(tileData(), bytes);
        browser_ = std::make_unique<TileBrowser>();
        browser_->Open(folder_->path(), folder_->path(), TileKind::Item);

        // The sample's own free items close the list.
        std::vector<std::int32_t> allFree = free;
        for (std::int32_t n = sample::kSampleFreeItems; n < file.HeldCount(TileKind::Item); ++n) allFree.push_back(n);
        Tick("freeSlots");
        QCOMPARE(model().shown(), allFree);
        browser_->findChild<BrowserFilterBar*>()->Reset();
        grid()->setCurrentIndex(model().index(model().RowOf(free[0]), 0));
        for (std::int32_t expected : {free[1], free[2], allFree[3]}) {
            browser_->findChild<QPushButton*>("nextFreeSlot")->click();
            QCOMPARE(browser_->SelectedIds(), std::vector<std::int32_t>{expected});
        }
        grid()->setCurrentIndex(model().index(model().RowOf(allFree.back()), 0));
        browser_->findChild<QPushButton*>("nextFreeSlot")->click();  // round the end
        QCOMPARE(browser_->SelectedIds(), std::vector<std::int32_t>{free[0]});
    }

    // A click or an arrow key chooses a tile; Shift and Ctrl+A extend; the
    // table shares the grid's selection.
    void selectionAndViews() {
        Open(kClassicLayout);
        std::vector<std::pair<TileKind, std::int32_t>> chosen;
        connect(browser_.get(), &TileBrowser::TileChosen, this,
                [&](TileKind kind, std::int32_t id) { chosen.emplace_back(kind, id); });
        grid()->setFocus();
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(model().index(2, 0)).center());
        QTest::keyClick(grid(), Qt::Key_Right);
        QTest::keyClick(grid(), Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(chosen, (std::vector<std::pair<TileKind, std::int32_t>>{{TileKind::Item, 2}, {TileKind::Item, 3}, {TileKind::Item, 4}}));
        QCOMPARE(browser_->SelectedIds(), (std::vector<std::int32_t>{3, 4}));

        QTest::keyClick(browser_.get(), Qt::Key_T, Qt::ControlModifier);
        auto* views = browser_->findChild<QStackedWidget*>();
        QCOMPARE(views->currentWidget()->objectName(), QString("tileTable"));
        QCOMPARE(browser_->findChild<QTableView*>()->selectionModel(), grid()->selectionModel());

        filterBox()->setText("torch");
        QTest::keyClick(browser_.get(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(browser_->SelectedIds(), model().shown());
        QCOMPARE(browser_->findChild<QLabel*>("status")->text(),
                 QStringLiteral("%1 tiles shown, %1 selected").arg(model().shown().size()));

        QTest::keyClick(browser_.get(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(filterBox()->hasFocus());
        QTest::keyClick(browser_.get(), Qt::Key_Escape);
        QVERIFY(!browser_->isVisible());
    }

    // LightSource set, Door cleared, weight 7 on three items: the file then
    // holds what the same edit through the command line's core gives;
    // Ctrl+Z puts it back.
    void editSelectedAndUndo() {
        Open(kClassicLayout);
        const std::vector<std::uint8_t> original = ReadAll(tileData());
        const std::vector<std::int32_t> ids = {10, 44, 110};
        browser_->SelectIds(ids);
        const auto texts = RunEdit([&] { browser_->EditSelected(); }, [](EditSelectedDialog& d) {
            d.flagBox(23)->setCheckState(Qt::Checked);
            d.flagBox(29)->setCheckState(Qt::Unchecked);
            d.valueBox(kFirstValueColumn + 1)->setText("7");
        });

        TileEdit edit;
        edit.kind = TileKind::Item;
        QVERIFY(SetCell(edit, kFirstFlagColumn + 23, "1", 32, EmptyCell::Keeps).ok());
        QVERIFY(SetCell(edit, kFirstFlagColumn + 29, "0", 32, EmptyCell::Keeps).ok());
        QVERIFY(SetCell(edit, kFirstValueColumn + 1, "7", 32, EmptyCell::Keeps).ok());
        std::vector<TileEdit> edits(ids.size(), edit);
        for (std::size_t i = 0; i < ids.size(); ++i) edits[i].id = ids[i];
        const AppliedEdits expected = ApplyTileEdits(TileDataFile::FromBytes(tileData(), original), edits);
        QCOMPARE(texts, std::vector<QString>{QStringLiteral("%1 of the 3 selected records change. Apply?")
                                                 .arg(expected.before.size())});
        QVERIFY(ReadAll(tileData()) == expected.bytes);
        QCOMPARE(browser_->SelectedIds(), ids);  // the new values on show, the selection kept
        QCOMPARE(model().index(model().RowOf(44), TileBrowserModel::kWeight).data().toInt(), 7);
        QVERIFY(QTest::qWaitForWindowActive(browser_.get()));  // the keys back after the dialogs

        QTest::keyClick(browser_.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(ReadAll(tileData()) == original);
        QTest::keyClick(browser_.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(browser_->findChild<QLabel*>("status")->text(), QString("Nothing to undo."));
    }

    // A bad value, a selected record changed on disk since it was loaded,
    // and an undo after someone else wrote the file: each is refused with
    // its reason and the file stays as it was.
    void refusalsLeaveTheFile() {
        Open(kClassicLayout);
        const std::size_t at44 = TileDataFile::FromBytes("", ReadAll(tileData())).RecordOffset(TileKind::Item, 44);
        const auto changeOnDisk = [&](std::size_t at) {
            auto bytes = ReadAll(tileData());
            bytes[at + 4] ^= 1;  // the weight
            WriteAll(tileData(), bytes);
        };
        const auto weight = [](const char* text) {
            return [text](EditSelectedDialog& d) { d.valueBox(kFirstValueColumn + 1)->setText(text); };
        };
        browser_->SelectIds({10, 44});

        auto before = ReadAll(tileData());
        auto texts = RunEdit([&] { browser_->EditSelected(); }, weight("300"));
        QCOMPARE(texts, std::vector<QString>{"The value \"300\" in \"Weight :\" is not a whole number from 0 to 255."});
        QVERIFY(ReadAll(tileData()) == before);

        changeOnDisk(at44);
        before = ReadAll(tileData());
        texts = RunEdit([&] { browser_->EditSelected(); }, weight("9"));
        QCOMPARE(texts.size(), std::size_t{1});
        QVERIFY2(texts[0].startsWith("Tile item 44 has changed in"), qPrintable(texts[0]));
        QVERIFY(ReadAll(tileData()) == before);

        // Other records changed on disk do not stand in the way.
        browser_->Reload();
        changeOnDisk(TileDataFile::FromBytes("", before).RecordOffset(TileKind::Item, 500));
        texts = RunEdit([&] { browser_->EditSelected(); }, weight("9"));
        QCOMPARE(texts, std::vector<QString>{"2 of the 2 selected records change. Apply?"});

        changeOnDisk(at44);
        before = ReadAll(tileData());
        texts = RunEdit([&] { browser_->UndoApply(); }, {});
        QCOMPARE(texts.size(), std::size_t{1});
        QVERIFY2(texts[0].contains("cannot be undone"), qPrintable(texts[0]));
        QVERIFY(ReadAll(tileData()) == before);
    }

    // "Replace picture…" and "Remove picture" on one selected tile: the art
    // files change through the core, the cell is made again, and a refusal
    // leaves them as they were.
    void replaceAndRemovePicture() {
        Open(kClassicLayout);
        const std::string art = folder_->file("art.mul"), index = folder_->file("artidx.mul");
        const std::int32_t id = sample::kSampleFreeItems;
        const auto picture = Decode_Mul::RenderArt(TileKind::Item, 3, folder_->path());
        QVERIFY(picture);
        WriteAll(folder_->file("new.png"), EncodePng(*picture).value());
        WriteAll(folder_->file("bad.png"), {'n', 'o'});
        QSignalSpy written(browser_.get(), &TileBrowser::ArtWritten);

        browser_->SelectIds({id, id + 1});
        browser_->ReplacePictureFrom(QString::fromStdString(folder_->file("new.png")));
        QCOMPARE(browser_->findChild<QLabel*>("status")->text(), QString("Select one tile to replace its picture."));
        browser_->SelectIds({id});
        browser_->pictures().Request(TileKind::Item, id);
        browser_->pictures().WaitForIdle();
        QApplication::processEvents();
        QVERIFY(browser_->pictures().Lacks(TileKind::Item, id));
        browser_->ReplacePictureFrom(QString::fromStdString(folder_->file("new.png")));
        QCOMPARE(written.count(), 1);
        QVERIFY(browser_->findChild<QLabel*>("status")->text().endsWith(QStringLiteral("the picture of item %1 replaced").arg(id)));
        QVERIFY(Decode_Mul::RenderArt(TileKind::Item, id, folder_->path())->rgba == picture->rgba);
        QVERIFY(!browser_->pictures().Lacks(TileKind::Item, id));  // made again when next shown

        const auto artBefore = ReadAll(art), indexBefore = ReadAll(index);
        const auto texts = RunEdit([&] { browser_->ReplacePictureFrom(QString::fromStdString(folder_->file("bad.png"))); }, {});
        QCOMPARE(texts.size(), std::size_t{1});
        QVERIFY2(texts[0].contains("bad.png\" cannot be used as a picture: it is not a PNG file"), qPrintable(texts[0]));
        QVERIFY(ReadAll(art) == artBefore && ReadAll(index) == indexBefore);

        browser_->RemovePicture();
        QCOMPARE(written.count(), 2);
        QVERIFY(!Decode_Mul::RenderArt(TileKind::Item, id, folder_->path()));
        Tick("freeSlots");
        QVERIFY(std::binary_search(model().shown().begin(), model().shown().end(), id));
    }

    void accessibleNames() {
        Open(kClassicLayout);
        QCOMPARE(grid()->accessibleName(), QString("Tiles"));
        QAccessibleInterface* view = QAccessible::queryAccessibleInterface(grid());
        QVERIFY(view);
        for (std::int32_t id : {1234, 0, 3}) {
            const QString name = model().index(id, 0).data(TileBrowserModel::kNameRole).toString();
            QAccessibleInterface* cell = view->tableInterface()->cellAt(id, 0);
            QVERIFY(cell);
            QCOMPARE(cell->text(QAccessible::Name), name.isEmpty() ? QStringLiteral("item %1").arg(id)
                                                                   : QStringLiteral("item %1 %2").arg(id).arg(name));
        }
        QCOMPARE(model().index(5, 0).data(Qt::AccessibleTextRole).toString().left(7), QString("item 5 "));
    }
};

TILEWRIGHT_WINDOW_TEST(TileBrowserTest);

}  // namespace
}  // namespace tilewright::testing

#include "tilebrowser_test.moc"
