// Compile as a person uses it: tick, type, press "Compile", dismiss the box,
// reselect the tile, and compare the whole file with what it was.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/files.h"
#include "tiledatalayout.h"
#include "support/tempfolder.h"
#include "tiledatabuilder.h"
#include "displaytext.h"
#include "windowtest.h"

namespace tilewright::testing {
namespace {

// The 0-based offsets at which two files of equal size differ.
std::vector<std::size_t> Differences(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i]) at.push_back(i);
    return at;
}

void Retype(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

class CompileWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TempFolder> folder_;
    std::unique_ptr<FrmMain> window_;
    std::vector<std::uint8_t> original_;

    std::string tileData() const { return folder_->file("TileData.mul"); }

    std::vector<CaughtBox> Compile() { return CatchMessageBoxes([&] { Button(*window_, "cmdCompile")->click(); }); }

    static bool IsConfirmation(const std::vector<CaughtBox>& boxes) {
        return boxes.size() == 1 && boxes[0].text == "Compiling complite..." && boxes[0].title == "Tilewright" &&
               boxes[0].icon == QMessageBox::NoIcon && boxes[0].buttons == QMessageBox::Ok;
    }

private slots:
    void init() {
        folder_ = std::make_unique<TempFolder>();
        original_ = sample::BuildSampleTileData();
        QVERIFY(sample::WriteWholeFile(tileData(), original_).ok());
        window_ = OpenWindowOn(folder_->path());
    }
    void cleanup() {
        window_.reset();
        folder_.reset();
    }

    // Item 1234: tick "Door", weight 50, Compile.
    void oneEditOfAnItem() {
        Button(*window_, "cmdItem")->click();
        SelectRow(*window_, 1234);
        const QString oldWord = OtherInfo(*window_, 2)->text();
        if (!Flag(*window_, 29)->isChecked()) Flag(*window_, 29)->click();  // tick "Door"
        Retype(Value(*window_, 0), "50");
        QVERIFY(IsConfirmation(Compile()));

        const auto now = ReadAll(tileData());
        TileRow expected = sample::SampleItemRecord(1234);
        expected.flags |= 0x20000000u;
        expected.value("weight") = 50;
        std::vector<std::uint8_t> bytes(37);
        EncodeTileRow(kClassicLayout, expected, bytes);
        const std::size_t at = 473847 - 1;
        QVERIFY(std::equal(bytes.begin(), bytes.end(), now.begin() + at));
        for (std::size_t d : Differences(original_, now)) QVERIFY(d >= at && d < at + 37);
        QCOMPARE(now.size(), original_.size());

        QCOMPARE(OtherInfo(*window_, 2)->text(), oldWord);  // not refreshed by a compile
        SelectRow(*window_, 1233);
        SelectRow(*window_, 1234);
        QCOMPARE(Value(*window_, 0)->text(), QString("50"));
        QVERIFY(Flag(*window_, 29)->isChecked());
        QCOMPARE(OtherInfo(*window_, 2)->text(), QString::fromStdString(FormatHex(expected.flags)));
    }

    void unchangedCompilesLeaveTheFileIdentical() {
        // Land and item records with extreme values, full names, bytes above
        // 127, unnamed tiles and names with other bytes after their zero;
        // every one compiled as loaded.
        for (const char* list : {"cmdLand", "cmdItem"}) {
            Button(*window_, list)->click();
            for (int n = 0; n < 40; ++n) {
                SelectRow(*window_, n);
                QVERIFY(IsConfirmation(Compile()));
            }
        }
        QVERIFY(ReadAll(tileData()) == original_);
    }

    // Touching the name box makes Compile store its text, zero-filled.
    void anEditedNameIsStoredAsTyped() {
        int leftovers = -1;  // a sample name with bytes after its zero
        for (int n = 0; n < 200 && leftovers < 0; ++n)
            if (sample::SampleItemRecord(n).name[4] != 0 && sample::SampleItemRecord(n).name[3] == 0) leftovers = n;
        QVERIFY(leftovers >= 0);
        Button(*window_, "cmdItem")->click();
        SelectRow(*window_, leftovers);
        QCOMPARE(Name(*window_)->text(), QString("ABC"));
        Retype(Name(*window_), "ABC");
        QVERIFY(IsConfirmation(Compile()));
        const std::size_t nameAt = *kClassicLayout.RecordPosition(TileKind::Item, leftovers) - 1 + 17;
        const auto now = ReadAll(tileData());
        const std::uint8_t expected[20] = {'A', 'B', 'C'};
        QVERIFY(std::equal(std::begin(expected), std::end(expected), now.begin() + nameAt));
    }

    void compileBeforeAnySelectionWritesNothing() {
        Button(*window_, "cmdLand")->click();
        QVERIFY(IsConfirmation(Compile()));
        QVERIFY(ReadAll(tileData()) == original_);
    }

    void aLandRecordStaysTheOneWrittenAfterTheListSwitches() {
        Button(*window_, "cmdLand")->click();
        SelectRow(*window_, 40);
        Retype(Value(*window_, 11), "-2");
        Button(*window_, "cmdItem")->click();
        QVERIFY(IsConfirmation(Compile()));
        const auto now = ReadAll(tileData());
        const std::size_t at = *kClassicLayout.RecordPosition(TileKind::Land, 40) - 1;
        QCOMPARE(now[at + 4], std::uint8_t{0xFE});
        QCOMPARE(now[at + 5], std::uint8_t{0xFF});
        for (std::size_t d : Differences(original_, now)) QVERIFY(d >= at && d < at + 26);
    }

    void aBadValueIsRefusedNamingTheBox() {
        struct Case {
            const char* list;
            int box;
            const char* text;
            const char* label;
        } const cases[] = {
            {"cmdItem", 0, "256", "Weight :"}, {"cmdItem", 5, "32768", "Gump/Animation :"},
            {"cmdItem", 3, "", "Unknown2 :"},  {"cmdLand", 11, "ten", "Id :"},
        };
        for (const Case& c : cases) {
            Button(*window_, c.list)->click();
            SelectRow(*window_, 5);
            const QString name = Name(*window_)->text();
            Retype(Value(*window_, c.box), c.text);
            Name(*window_)->clear();
            const auto boxes = Compile();
            QCOMPARE(boxes.size(), std::size_t{1});
            QVERIFY2(boxes[0].text.contains(c.label), qPrintable(boxes[0].text));
            QVERIFY(boxes[0].text != "Compiling complite...");
            QCOMPARE(Name(*window_)->text(), QString());  // not set to "Unlabeled"
            QVERIFY(ReadAll(tileData()) == original_);
            Name(*window_)->setText(name);
        }
    }

    void aNameOutsideLatin1IsRefused() {
        Button(*window_, "cmdItem")->click();
        SelectRow(*window_, 5);
        Name(*window_)->setText(QString::fromUtf8("5 \u20AC"));
        const auto boxes = Compile();
        QCOMPARE(boxes.size(), std::size_t{1});
        QVERIFY(boxes[0].text.contains("Tile Name"));
        QVERIFY(ReadAll(tileData()) == original_);
    }

    // The editor's own "Unlabeled" is no name; a typed one is.
    void unlabeledIsAPlaceholderUntilTyped() {
        Button(*window_, "cmdItem")->click();
        int unnamed = -1;
        for (int n = 0; n < 100 && unnamed < 0; ++n)
            if (sample::SampleItemRecord(n).name[0] == 0) unnamed = n;
        QVERIFY(unnamed >= 0);
        SelectRow(*window_, unnamed);
        QCOMPARE(Name(*window_)->text(), QString("Unlabeled"));
        QVERIFY(IsConfirmation(Compile()));
        QVERIFY(ReadAll(tileData()) == original_);

        const std::size_t nameAt = *kClassicLayout.RecordPosition(TileKind::Item, unnamed) - 1 + 17;
        Retype(Name(*window_), "");
        QVERIFY(IsConfirmation(Compile()));
        QCOMPARE(Name(*window_)->text(), QString("Unlabeled"));
        QVERIFY(IsConfirmation(Compile()));  // still the editor's placeholder
        QCOMPARE(ReadAll(tileData())[nameAt], std::uint8_t{0});

        Retype(Name(*window_), "Unlabeled");
        QVERIFY(IsConfirmation(Compile()));
        const auto now = ReadAll(tileData());
        QVERIFY(std::equal(now.begin() + nameAt, now.begin() + nameAt + 9, "Unlabeled"));
        QCOMPARE(now[nameAt + 9], std::uint8_t{0});
    }

    void compileAfterAFailedLoadWritesNothing() {
        TempFolder empty;
        Button(*window_, "cmdLand")->click();
        SelectRow(*window_, 2);
        SetFolders(*window_, QString::fromStdString(empty.path()), QString::fromStdString(empty.path()));
        CatchMessageBoxes([&] { SelectRow(*window_, 3); });
        SetFolders(*window_, QString::fromStdString(folder_->path()), QString::fromStdString(folder_->path()));
        const auto boxes = Compile();
        QCOMPARE(boxes.size(), std::size_t{1});
        QVERIFY2(boxes[0].text.contains("No tile is loaded"), qPrintable(boxes[0].text));
        QVERIFY(ReadAll(tileData()) == original_);
    }

    void aFolderChangedSinceTheLoadIsRefused() {
        TempFolder empty;
        Button(*window_, "cmdItem")->click();
        SelectRow(*window_, 2);
        SetFolders(*window_, QString::fromStdString(empty.path()), QString::fromStdString(empty.path()));
        const auto boxes = Compile();
        QCOMPARE(boxes.size(), std::size_t{1});
        QVERIFY(boxes[0].text.contains(QString::fromStdString(empty.file("TileData.mul"))));
        QVERIFY(!std::filesystem::exists(empty.file("TileData.mul")));
    }
};

TILEWRIGHT_WINDOW_TEST(CompileWindowTest);

}  // namespace
}  // namespace tilewright::testing

#include "compilewindow_test.moc"
