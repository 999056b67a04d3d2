// The browser beside the main window: Ctrl+B opens it on the list's kind, a
// tile chosen in it loads in the main window, an apply shows there too; and
// a picture put in it is painted in the main window at once; and the main
// window's Compile refuses a record another program changed.
#include <QListView>
#include <QTabBar>
#include <fstream>
#include <iterator>

#include "pngencoder.h"
#include "picturearea.h"
#include "samplegame.h"
#include "support/files.h"
#include "tiledatabuilder.h"
#include "support/tempfolder.h"
#include "tilebrowser.h"
#include "tilebrowserlink.h"
#include "tiledatafile.h"
#include "windowtest.h"

namespace tilewright::testing {
namespace {

class BrowserLinkTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempFolder> folder_;
    std::unique_ptr<FrmMain> window_;

    std::string tileData() const { return folder_->file("TileData.mul"); }
    TileBrowser* PressCtrlB() {
        window_->activateWindow();
        if (!QTest::qWaitForWindowActive(window_.get())) return nullptr;
        QTest::keyClick(window_.get(), Qt::Key_B, Qt::ControlModifier);
        return window_->findChild<TileBrowser*>();
    }
    // Flips one bit of tile n's record on disk, as another program would.
    void ChangeOnDisk(TileKind kind, std::int32_t n) {
        auto bytes = ReadAll(tileData());
        bytes[TileDataFile::FromBytes("", bytes).RecordOffset(kind, n) + 5] ^= 1;
        QVERIFY(sample::WriteWholeFile(tileData(), bytes).ok());
    }

private slots:
    void init() {
        folder_ = std::make_unique<TempFolder>();
        QVERIFY(sample::WriteSampleGame(folder_->path()).ok());
        window_ = OpenWindowOn(folder_->path());
    }
    void cleanup() {
        window_.reset();
        folder_.reset();
    }

    void opensOnTheListsKind() {
        TileBrowser* browser = PressCtrlB();
        QVERIFY(browser && browser->isVisible());
        QCOMPARE(browser->kind(), TileKind::Item);  // the list is empty
        browser->close();
        Button(*window_, "cmdLand")->click();
        QCOMPARE(PressCtrlB(), browser);
        QVERIFY(browser->isVisible());
        QCOMPARE(browser->kind(), TileKind::Land);
    }

    // A listed tile selects its entry; classic item 16383, which the list
    // does not offer, loads with no entry selected.
    void chosenTilesLoadInTheMainWindow() {
        Button(*window_, "cmdLand")->click();
        TileBrowser* browser = PressCtrlB();
        QVERIFY(browser);
        browser->findChild<QTabBar*>("kindTabs")->setCurrentIndex(1);
        for (const std::int32_t id : {1234, 16383}) {
            browser->SelectIds({});
            auto* grid = browser->findChild<QListView*>("tileGrid");
            grid->setCurrentIndex(grid->model()->index(id, 0));
            QCOMPARE(window_->listState().kind, std::optional(TileKind::Item));
            QCOMPARE(window_->listState().selected, id < 16383 ? std::optional(id) : std::nullopt);
            QCOMPARE(Value(*window_, 11)->text(), QString::number(id));
            const auto position = *kClassicLayout.RecordPosition(TileKind::Item, id);
            QCOMPARE(OtherInfo(*window_, 0)->text(), QString::number(position));
        }
    }

    // The browser's new picture for the item on show replaces the main
    // window's; what was typed into its boxes stays.
    void replacedPictureShowsInTheMainWindow() {
        Button(*window_, "cmdItem")->click();
        SelectRow(*window_, 3);
        TileBrowser* browser = PressCtrlB();
        QVERIFY(browser);
        browser->SelectIds({3});
        Value(*window_, 0)->setText("77");
        const QImage before = window_->findChild<PictureArea*>()->backBuffer();
        Decode_Mul::RgbaImage square{12, 12, std::vector<std::uint8_t>(12 * 12 * 4)};
        for (std::size_t i = 0; i < square.rgba.size(); i += 4) square.rgba[i] = square.rgba[i + 3] = 255;
        QVERIFY(sample::WriteWholeFile(folder_->file("square.png"), EncodePng(square).value()).ok());
        browser->ReplacePictureFrom(QString::fromStdString(folder_->file("square.png")));
        const QImage after = window_->findChild<PictureArea*>()->backBuffer().convertToFormat(QImage::Format_RGB32);
        QVERIFY(after != before.convertToFormat(QImage::Format_RGB32));
        int red = 0;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x) red += after.pixel(x, y) == qRgb(255, 0, 0);
        QCOMPARE(red, 12 * 12);
        QCOMPARE(Value(*window_, 0)->text(), QString("77"));
    }

    // Compile refuses the loaded record once another program changed it,
    // and writes as before when only other records changed.
    void compileRefusesARecordChangedOnDisk() {
        Button(*window_, "cmdItem")->click();
        SelectRow(*window_, 1234);
        ChangeOnDisk(TileKind::Item, 1234);
        const auto before = ReadAll(tileData());
        auto boxes = CatchMessageBoxes([&] { Button(*window_, "cmdCompile")->click(); });
        QCOMPARE(boxes.size(), std::size_t{1});
        QVERIFY2(boxes[0].text.startsWith("Tile item 1234 has changed in"), qPrintable(boxes[0].text));
        QVERIFY(ReadAll(tileData()) == before);

        SelectRow(*window_, 1235);
        ChangeOnDisk(TileKind::Item, 1236);
        for (int compile = 0; compile < 2; ++compile) {  // the record it wrote is the one loaded now
            boxes = CatchMessageBoxes([&] { Button(*window_, "cmdCompile")->click(); });
            QCOMPARE(boxes.size(), std::size_t{1});
            QCOMPARE(boxes[0].text, QString("Compiling complite..."));
        }
    }
};

TILEWRIGHT_WINDOW_TEST(BrowserLinkTest);

}  // namespace
}  // namespace tilewright::testing

#include "browserlink_test.moc"
