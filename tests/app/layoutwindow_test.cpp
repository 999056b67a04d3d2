// The window on files of the newer layouts: the item list offers every
// record, 64-bit flags get a frame of their own, and Compile writes the
// record in the layout of the file it goes into.
#include <QGroupBox>
#include <fstream>
#include <iterator>

#include "support/files.h"
#include "support/tempfolder.h"
#include "tiledatabuilder.h"
#include "displaytext.h"
#include "windowtest.h"

namespace tilewright::testing {
namespace {

std::uint64_t AllTickedFlags(QWidget& window) {
    std::uint64_t flags = 0;
    for (int i = 0; i < 64; ++i)
        if (Flag(window, i)->isChecked()) flags |= FlagMask(i);
    return flags;
}

class LayoutWindowTest : public QObject {
    Q_OBJECT

    TempFolder wide_, large_, classic_;

    std::unique_ptr<FrmMain> OpenWindow(const TempFolder& folder) { return OpenWindowOn(folder.path()); }

    static QGroupBox* HighFrame(FrmMain& window) { return Control<QGroupBox>(window, "Frame6"); }

private slots:
    void initTestCase() {
        QVERIFY(sample::WriteWholeFile(wide_.file("TileData.mul"), sample::BuildSampleTileData(kWideFlagLayout)).ok());
        QVERIFY(sample::WriteWholeFile(large_.file("TileData.mul"), sample::BuildSampleTileData(kLargeItemLayout)).ok());
        QVERIFY(sample::WriteWholeFile(classic_.file("TileData.mul"), sample::BuildSampleTileData()).ok());
    }

    void listsOfferEveryRecordOfTheFile() {
        const struct {
            TempFolder* folder;
            int items;
        } cases[] = {{&wide_, 65536}, {&large_, 32768}, {&classic_, 16383}};
        for (const auto& c : cases) {
            auto window = OpenWindow(*c.folder);
            Button(*window, "cmdItem")->click();
            QCOMPARE(List(*window)->count(), c.items);
            QCOMPARE(List(*window)->item(c.items - 1)->text(), QString::number(c.items - 1));
            Button(*window, "cmdLand")->click();
            QCOMPARE(List(*window)->count(), 16384);
        }
    }

    void sixtyFourBitRecordsShowEveryBox() {
        auto window = OpenWindow(wide_);
        const QSize classicSize = window->size();
        Button(*window, "cmdItem")->click();
        SelectRow(*window, 65535);
        const TileRow item = sample::SampleItemRecord(65535, kWideFlagLayout);
        QVERIFY(item.flags >> 32 != 0);
        QCOMPARE(AllTickedFlags(*window), item.flags);
        QCOMPARE(OtherInfo(*window, 0)->text(), QString("3188696"));
        QCOMPARE(OtherInfo(*window, 1)->text(), QString("29"));
        QCOMPARE(OtherInfo(*window, 2)->text(), QString::fromStdString(FormatHex(item.flags)));
        const std::int64_t values[] = {item.value("weight"),   item.value("quality"), item.value("unknown1"), item.value("unknown2"),
                                       item.value("quantity"), item.value("animation"), item.value("unknown3"), item.value("hue"),
                                       item.value("unknown4"), item.value("unknown5"), item.value("height"),   65535};
        for (int i = 0; i < 12; ++i) QCOMPARE(Value(*window, i)->text(), QString::number(values[i]));
        QVERIFY(HighFrame(*window)->isVisible());
        QCOMPARE(window->width(), 656);
        QCOMPARE(window->height(), classicSize.height());
        QCOMPARE(Flag(*window, 32)->toolTip(), QString("Mask (in hex): 0000000100000000"));
        QCOMPARE(Flag(*window, 63)->toolTip(), QString("Mask (in hex): 8000000000000000"));
        QCOMPARE(Flag(*window, 36)->text(), QString("No Shadow"));
        QCOMPARE(Flag(*window, 35)->text(), QString("Bit 35"));
        QCOMPARE(Flag(*window, 48)->geometry(), QRect(112, 16, 57, 13));

        // The widest flag word fits its box: from its start or its end it looks the same.
        QLineEdit* word = OtherInfo(*window, 2);
        for (const char* text : {"FFFFFFFFFFFFFFFF", "DDDDDDDDDDDDDDDD", "8000000000000000"}) {
            word->setText(text);
            word->setCursorPosition(0);
            const QImage fromStart = word->grab().toImage();
            word->setCursorPosition(16);
            QVERIFY2(word->grab().toImage() == fromStart, text);
        }

        Button(*window, "cmdLand")->click();
        SelectRow(*window, 16383);
        const TileRow land = sample::SampleLandRecord(16383, kWideFlagLayout);
        QCOMPARE(AllTickedFlags(*window), land.flags);
        QCOMPARE(OtherInfo(*window, 0)->text(), QString("493539"));
        QCOMPARE(OtherInfo(*window, 1)->text(), QString("1E"));
        QCOMPARE(Value(*window, 11)->text(), QString::number(land.value("texture")));

        // A classic file next brings the classic window back.
        SetFolders(*window, QString::fromStdString(classic_.path()), QString::fromStdString(classic_.path()));
        SelectRow(*window, 5);
        QVERIFY(!HighFrame(*window)->isVisible());
        QCOMPARE(window->size(), QSize(465, 403));
        QCOMPARE(OtherInfo(*window, 2)->geometry(), QRect(80, 48, 65, 13));
        QCOMPARE(Control<QGroupBox>(*window, "Frame4")->geometry(), QRect(312, 304, 153, 65));
        QCOMPARE(OtherInfo(*window, 1)->text(), QString("1A"));
    }

    void compileWritesExactlyTheRecordInItsLayout() {
        TempFolder folder;
        const std::string path = folder.file("TileData.mul");
        const auto original = sample::BuildSampleTileData(kWideFlagLayout);
        QVERIFY(sample::WriteWholeFile(path, original).ok());
        auto window = OpenWindow(folder);
        Button(*window, "cmdItem")->click();
        SelectRow(*window, 40000);
        const bool wasTicked = Flag(*window, 36)->isChecked();
        Flag(*window, 36)->click();
        const auto boxes = CatchMessageBoxes([&] { Button(*window, "cmdCompile")->click(); });
        QCOMPARE(boxes.size(), std::size_t{1});
        QCOMPARE(boxes[0].text, QString("Compiling complite..."));

        const auto after = ReadAll(path);
        QCOMPARE(after.size(), original.size());
        const std::size_t start = *kWideFlagLayout.RecordPosition(TileKind::Item, 40000) - 1;
        std::vector<std::size_t> changed;
        for (std::size_t i = 0; i < after.size(); ++i)
            if (after[i] != original[i]) changed.push_back(i);
        QCOMPARE(changed, std::vector<std::size_t>{start + 4});  // bit 36 lives in the record's fifth byte
        QCOMPARE(bool(after[start + 4] & 0x10), !wasTicked);

        // Unchanged compiles of a land and an item record leave the file as it is.
        const auto edited = after;
        SelectRow(*window, 65535);
        CatchMessageBoxes([&] { Button(*window, "cmdCompile")->click(); });
        Button(*window, "cmdLand")->click();
        SelectRow(*window, 16383);
        CatchMessageBoxes([&] { Button(*window, "cmdCompile")->click(); });
        QVERIFY(ReadAll(path) == edited);
    }

    // A file longer than the classic one but of no layout's size is refused
    // whole; a shortened classic file is still written record by record.
    void compileRefusesALongerFileOfNoLayout() {
        const struct {
            std::vector<std::uint8_t> bytes;
            bool written;
        } cases[] = {
            {sample::BuildSampleTileData(kWideFlagLayout), false},
            {sample::BuildSampleTileData(kClassicLayout), false},
            {sample::BuildSampleTileData(kClassicLayout), true},
        };
        for (std::size_t c = 0; c < std::size(cases); ++c) {
            auto original = cases[c].bytes;
            original.resize(cases[c].written ? original.size() - 100 : original.size() + 1);
            TempFolder folder;
            const std::string path = folder.file("TileData.mul");
            QVERIFY(sample::WriteWholeFile(path, original).ok());
            auto window = OpenWindow(folder);
            Button(*window, "cmdItem")->click();
            SelectRow(*window, 5);
            Value(*window, 0)->setText(Value(*window, 0)->text() == "9" ? "8" : "9");
            const auto boxes = CatchMessageBoxes([&] { Button(*window, "cmdCompile")->click(); });
            QCOMPARE(boxes.size(), std::size_t{1});
            const auto after = ReadAll(path);
            if (cases[c].written) {
                QCOMPARE(boxes[0].text, QString("Compiling complite..."));
                const std::size_t start = *kClassicLayout.RecordPosition(TileKind::Item, 5) - 1;
                for (std::size_t i = 0; i < after.size(); ++i)
                    QCOMPARE(after[i] != original[i], i == start + 4);
            } else {
                QVERIFY2(boxes[0].text.contains(QString::number(original.size()) + " bytes"), qPrintable(boxes[0].text));
                QVERIFY(boxes[0].text.contains("Nothing was written"));
                QVERIFY(after == original);
            }
        }
    }
};

TILEWRIGHT_WINDOW_TEST(LayoutWindowTest);

}  // namespace
}  // namespace tilewright::testing

#include "layoutwindow_test.moc"
