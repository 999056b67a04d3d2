// The main window as a person meets it: its layout, texts and hints, the two
// list fills, and the loading of land and item records from a fixture folder.
#include <QGroupBox>
#include <QLabel>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <filesystem>

#include "flagcaptions.h"
#include "mainwindowlayout.h"
#include "picturearea.h"
#include "tiledatalayout.h"
#include "support/tempfolder.h"
#include "tiledatabuilder.h"
#include "displaytext.h"
#include "windowtest.h"

namespace tilewright::testing {
namespace {

QString CaptionOf(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    return {};
}

// The room a caption has inside its widget, as the style lays it out.
int CaptionRoom(QWidget* w) {
    if (auto* box = qobject_cast<QCheckBox*>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(box);
        opt.text = box->text();
        return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, box).width();
    }
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        QStyleOptionButton opt;
        opt.initFrom(button);
        opt.text = button->text();
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, button).width();
    }
    if (auto* frame = qobject_cast<QGroupBox*>(w)) return frame->width() - 16;  // title indent and end
    return w->contentsRect().width();
}

class MainWindowTest : public QObject {
    Q_OBJECT

    TempFolder folder_;

    std::unique_ptr<FrmMain> OpenWindow() { return OpenWindowOn(folder_.path()); }

private slots:
    void initTestCase() {
        QVERIFY(sample::WriteWholeFile(folder_.file("TileData.mul"), sample::BuildSampleTileData()).ok());
    }

    void windowIsFixedAndTitled() {
        FrmMain window;
        window.ShowCentred();
        QCOMPARE(window.size(), QSize(465, 403));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(window.windowTitle(), QString("Tilewright"));
        QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!window.windowIcon().isNull());
        QCOMPARE(window.windowIcon().pixmap(32, 32).size(), QSize(32, 32));
    }

    void layoutMatchesTheTable() {
        FrmMain window;
        for (const Placement& p : kLayout) {
            QWidget* w = Control<QWidget>(window, p.name);
            QCOMPARE(w->parentWidget()->objectName(), QString(p.container));
            QCOMPARE(w->geometry(), p.geometry);
            QCOMPARE(CaptionOf(w), QString(p.caption));
            QCOMPARE(w->toolTip(), QString(p.tooltip));
        }
        auto* tileInfo = qobject_cast<QGroupBox*>(Control<QWidget>(window, "Frame1")->parentWidget());
        QCOMPARE(tileInfo->title(), QString("Tile Info"));
        QCOMPARE(tileInfo->geometry(), QRect(96, 0, 369, 297));
        QCOMPARE(Name(window)->maxLength(), 20);

        for (int i = 0; i < 12; ++i) {
            auto* label = Control<QLabel>(window, QStringLiteral("Label2(%1)").arg(i));
            QCOMPARE(label->text(), QString(kValueCaptions[i]));
            QCOMPARE(label->toolTip(), QString(kValueLabelTips[i]));
            QCOMPARE(label->geometry().topLeft(), QPoint(8, 16 + 16 * i));
            QCOMPARE(label->height(), 13);
            QCOMPARE(Value(window, i)->geometry(), QRect(120, 16 + 16 * i, 41, 13));
            QCOMPARE(Value(window, i)->toolTip(), QString(kValueBoxTips[i]));
            QCOMPARE(Value(window, i)->parentWidget()->objectName(), QString("Frame2"));
        }
        for (int i = 0; i < 32; ++i) {
            QCheckBox* box = Flag(window, i);
            QCOMPARE(box->text(), FlagCaption(i));
            QCOMPARE(box->toolTip(), FlagTooltip(i));
            QCOMPARE(box->parentWidget()->objectName(), QString("Frame1"));
            const QRect expected = i < 16 ? QRect(8, 16 + 16 * i, 89, 13)
                                          : QRect(88, 16 + 16 * (i - 16), kRightFlagWidths[i - 16], 13);
            QCOMPARE(box->geometry(), expected);
        }
    }

    // Every caption fits the room its geometry leaves it in its own font. The
    // left flag column is 89 wide but the right one starts 80 pixels in.
    void noCaptionIsClipped() {
        FrmMain window;
        window.show();
        const QList<QWidget*> widgets = window.findChildren<QWidget*>();
        int checked = 0;
        for (QWidget* w : widgets) {
            const QString caption = CaptionOf(w);
            if (caption.isEmpty()) continue;
            int room = CaptionRoom(w);
            // A left-column box ends where the right column begins: 88 in
            // "Flags", 112 in the frame of the upper bits.
            if (auto* box = qobject_cast<QCheckBox*>(w); box && box->x() == 8) {
                const int rightColumn = box->parentWidget()->objectName() == "Frame1" ? 88 : 112;
                room -= box->width() - (rightColumn - 8);
            }
            const int needed = w->fontMetrics().horizontalAdvance(caption);
            if (needed > room) QFAIL(qPrintable(QStringLiteral("\"%1\" needs %2 px, has %3").arg(caption).arg(needed).arg(room)));
            QVERIFY(w->fontMetrics().height() <= std::max(w->height(), 13));
            ++checked;
        }
        QVERIFY(checked >= 64 + 12 + 3 + 4 + 6);
        // The check-box indicator fits the 13-pixel boxes.
        QVERIFY(Flag(window, 0)->style()->pixelMetric(QStyle::PM_IndicatorHeight) <= 13);
    }

    // The widest text each box can be given fits inside its border: shown
    // from its start or scrolled to its end, the box looks the same.
    void boxTextsFitTheirBoxes() {
        FrmMain window;
        window.show();
        std::vector<std::pair<QLineEdit*, QString>> cases = {
            {OtherInfo(window, 0), "1036215"}, {OtherInfo(window, 1), "1A"}};
        for (const char* word : {"DDDDDDDD", "CCCCCCCC", "DCDCDCDC", "80000000"})
            cases.push_back({OtherInfo(window, 2), word});
        for (int i = 0; i < 12; ++i)
            for (const char* value : {"255", "-32768", "16383", "-1"})
                if (i == 2 || i == 5 || i == 11 || std::string(value) == "255") cases.push_back({Value(window, i), value});
        QStringList clipped;
        for (const auto& [box, text] : cases) {
            box->setText(text);
            box->setCursorPosition(0);
            const QImage fromStart = box->grab().toImage();
            box->setCursorPosition(text.size());
            const QImage fromEnd = box->grab().toImage();
            if (fromStart != fromEnd) clipped << box->objectName() + " \"" + text + "\"";
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(", ")));
    }

    void tabOrderRunsAsDesigned() {
        FrmMain window;
        QStringList expected{"lstId"};
        for (int i = 0; i < 64; ++i) expected << QStringLiteral("FlagState(%1)").arg(i);
        for (int i = 0; i < 12; ++i) expected << QStringLiteral("txtValue(%1)").arg(i);
        expected << "txtTileName" << "txtOtherInfo(0)" << "txtOtherInfo(1)" << "txtOtherInfo(2)" << "cmdLoad"
                 << "cmdCompile" << "PicTile" << "cmdLand" << "cmdItem";
        QWidget* w = List(window);
        for (const QString& name : expected) {
            QCOMPARE(w->objectName(), name);
            w = w->nextInFocusChain();
            while (w->focusPolicy() == Qt::NoFocus || !w->isEnabled() || w->objectName().isEmpty()) w = w->nextInFocusChain();
        }
    }

    void startsEmpty() {
        FrmMain window;
        QCOMPARE(List(window)->count(), 0);
        QVERIFY(!window.listState().kind);
        QVERIFY(!window.compileKind());
        for (int i = 0; i < 12; ++i) QVERIFY(Value(window, i)->text().isEmpty());
        QCOMPARE(TickedFlags(window), 0u);
        QCOMPARE(window.artPath(), QString("c:\\program files\\ultima online\\"));
        QCOMPARE(window.tileDataPath(), QString("c:\\program files\\ultima online\\"));
    }

    void listsFillWithEveryOfferedNumber() {
        auto window = OpenWindow();
        struct Fill {
            const char* button;
            const char* tag;
            int count;
        } const fills[] = {{"cmdLand", "land", 16384}, {"cmdItem", "item", 16383}, {"cmdItem", "item", 16383}};
        for (const Fill& f : fills) {
            Button(*window, f.button)->click();
            QListWidget* list = List(*window);
            QCOMPARE(list->count(), f.count);
            QCOMPARE(list->item(0)->text(), QString("0"));
            QCOMPARE(list->item(f.count - 1)->text(), QString::number(f.count - 1));
            QCOMPARE(window->listState().kind, ParseKind(f.tag));
            QVERIFY(list->selectedItems().isEmpty());
            QCOMPARE(OtherInfo(*window, 0)->text(), QString());  // nothing loaded by a fill
        }
    }

    void selectingAnItemShowsEveryField() {
        auto window = OpenWindow();
        Button(*window, "cmdItem")->click();
        for (int n : {0, 1, 7, 14, 1234, 16382}) {
            SelectRow(*window, n);
            const TileRow r = sample::SampleItemRecord(n);
            QCOMPARE(window->compileKind(), std::optional(TileKind::Item));
            QCOMPARE(OtherInfo(*window, 0)->text(), QString::number(*kClassicLayout.RecordPosition(TileKind::Item, n)));
            QCOMPARE(OtherInfo(*window, 1)->text(), QString("25"));
            QCOMPARE(OtherInfo(*window, 2)->text(), QString::fromStdString(FormatHex(r.flags)));
            const int fields[] = {r.value("weight"),   r.value("quality"), r.value("unknown1"), r.value("unknown2"), r.value("quantity"), r.value("animation"),
                                  r.value("unknown3"), r.value("hue"),     r.value("unknown4"), r.value("unknown5"), r.value("height"),   n};
            for (int i = 0; i < 12; ++i) QCOMPARE(Value(*window, i)->text(), QString::number(fields[i]));
            QCOMPARE(TickedFlags(*window), r.flags);
            const std::u16string name = DecodeTileName(r.name);
            QCOMPARE(Name(*window)->text(), name.empty() ? QString("Unlabeled") : QString::fromStdU16String(name));
        }
    }

    void selectingALandTileChangesOnlyTheIdBox() {
        auto window = OpenWindow();
        Button(*window, "cmdItem")->click();
        SelectRow(*window, 14);  // an item with 255 and negative values
        QStringList itemValues;
        for (int i = 0; i < 11; ++i) itemValues << Value(*window, i)->text();

        Button(*window, "cmdLand")->click();
        for (int n : {0, 32, 5000, 16383}) {
            SelectRow(*window, n);
            const TileRow r = sample::SampleLandRecord(n);
            QCOMPARE(window->compileKind(), std::optional(TileKind::Land));
            QCOMPARE(OtherInfo(*window, 0)->text(), QString::number(*kClassicLayout.RecordPosition(TileKind::Land, n)));
            QCOMPARE(OtherInfo(*window, 1)->text(), QString("1A"));
            QCOMPARE(OtherInfo(*window, 2)->text(), QString::fromStdString(FormatHex(r.flags)));
            QCOMPARE(Value(*window, 11)->text(), QString::number(r.value("texture")));
            QCOMPARE(TickedFlags(*window), r.flags);
            for (int i = 0; i < 11; ++i) QCOMPARE(Value(*window, i)->text(), itemValues[i]);
        }
    }

    // A person selects with the mouse and the arrow keys; clicking the entry
    // already selected loads it again from the file.
    void mouseAndKeyboardSelectAndReload() {
        auto window = OpenWindow();
        Button(*window, "cmdItem")->click();
        QListWidget* list = List(*window);
        const QPoint third = list->visualItemRect(list->item(2)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
        QCOMPARE(Value(*window, 11)->text(), QString("2"));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(Value(*window, 11)->text(), QString("3"));
        QCOMPARE(OtherInfo(*window, 0)->text(), QString::number(*kClassicLayout.RecordPosition(TileKind::Item, 3)));
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(Value(*window, 11)->text(), QString("1"));

        Value(*window, 0)->setText("typed over");
        const QPoint second = list->visualItemRect(list->item(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
        QCOMPARE(Value(*window, 0)->text(), QString::number(sample::SampleItemRecord(1).value("weight")));
    }

    void refillingKeepsTheRecordAndTagOnShow() {
        auto window = OpenWindow();
        Button(*window, "cmdLand")->click();
        SelectRow(*window, 32);
        Button(*window, "cmdItem")->click();
        QCOMPARE(window->compileKind(), std::optional(TileKind::Land));
        QCOMPARE(OtherInfo(*window, 0)->text(), QString("841"));
        QCOMPARE(OtherInfo(*window, 1)->text(), QString("1A"));
    }

    void extremeValuesShowSignedAndUnsigned() {
        TempFolder folder;
        sample::TileDataBuilder builder;
        TileRow item{TileKind::Item, 3, 0x80000000u};
        item.value("weight") = 255;
        item.value("unknown1") = -1;
        item.value("animation") = -32768;
        item.name = sample::MakeName("ABCDEFGHIJKLMNOPQRST");
        builder.Set(item);
        const TileRow land = sample::LandRow(3, 2, -5, sample::MakeName("caf\xE9"));
        builder.Set(land);
        QVERIFY(sample::WriteWholeFile(folder.file("TileData.mul"), builder.bytes()).ok());

        FrmMain window;
        SetFolders(window, QString::fromStdString(folder.path()), QString::fromStdString(folder.path()));
        Button(window, "cmdItem")->click();
        SelectRow(window, 3);
        QCOMPARE(Value(window, 0)->text(), QString("255"));
        QCOMPARE(Value(window, 2)->text(), QString("-1"));
        QCOMPARE(Value(window, 5)->text(), QString("-32768"));
        QCOMPARE(OtherInfo(window, 2)->text(), QString("80000000"));
        QCOMPARE(TickedFlags(window), 0x80000000u);
        QCOMPARE(Name(window)->text(), QString("ABCDEFGHIJKLMNOPQRST"));

        Button(window, "cmdLand")->click();
        SelectRow(window, 3);
        QCOMPARE(Value(window, 11)->text(), QString("-5"));
        QCOMPARE(OtherInfo(window, 2)->text(), QString("2"));
        QCOMPARE(TickedFlags(window), 2u);
        QCOMPARE(Name(window)->text(), QString::fromUtf8("caf\u00E9"));
        SelectRow(window, 4);  // unnamed, flags 0
        QCOMPARE(Name(window)->text(), QString("Unlabeled"));
        QCOMPARE(OtherInfo(window, 2)->text(), QString("0"));
        QCOMPARE(TickedFlags(window), 0u);
    }

    // A failed load names the file and the position, leaves no record on
    // show and writes nothing.
    void failedLoadsAreReportedAndLeaveNothingOnShow() {
        TempFolder shortFolder;
        std::vector<std::uint8_t> shortFile(sample::BuildSampleTileData());
        shortFile.resize(1000);
        QVERIFY(sample::WriteWholeFile(shortFolder.file("TileData.mul"), shortFile).ok());
        TempFolder emptyFolder;

        struct Case {
            std::string folder;
            int row;
            const char* expectInMessage;
        } const cases[] = {
            {emptyFolder.path(), 0, "position 5"},
            {shortFolder.path(), 100, "position 2617"},
        };
        for (const Case& c : cases) {
            auto window = OpenWindow();
            Button(*window, "cmdLand")->click();
            SelectRow(*window, 1);  // a good record first
            QVERIFY(!OtherInfo(*window, 0)->text().isEmpty());
            SetFolders(*window, QString::fromStdString(c.folder), QString::fromStdString(c.folder));
            const auto boxes = CatchMessageBoxes([&] { SelectRow(*window, c.row); });
            QCOMPARE(boxes.size(), std::size_t{1});
            QVERIFY2(boxes[0].text.contains(c.expectInMessage), qPrintable(boxes[0].text));
            QVERIFY(boxes[0].text.contains(QString::fromStdString(c.folder + "TileData.mul")));
            QCOMPARE(OtherInfo(*window, 0)->text(), QString());
            QCOMPARE(TickedFlags(*window), 0u);
            QVERIFY(window->isEnabled());
        }
        QVERIFY(!std::filesystem::exists(emptyFolder.file("TileData.mul")));
        QCOMPARE(std::filesystem::file_size(shortFolder.file("TileData.mul")), std::uintmax_t{1000});
    }

    void otherCaseFileNamesAreFound() {
        TempFolder folder;
        QVERIFY(sample::WriteWholeFile(folder.file("tiledata.mul"), sample::BuildSampleTileData()).ok());
        FrmMain window;
        SetFolders(window, QString::fromStdString(folder.path()), QString::fromStdString(folder.path()));
        Button(window, "cmdItem")->click();
        const auto boxes = CatchMessageBoxes([&] { SelectRow(window, 1234); });
        QVERIFY(boxes.empty());
        QCOMPARE(OtherInfo(window, 0)->text(), QString("473847"));
    }

    void pictureAreaIsClearedAtEveryLoad() {
        auto window = OpenWindow();  // no art files in the folder: nothing to paint
        auto* picture = Control<PictureArea>(*window, "PicTile");
        QCOMPARE(picture->backBuffer().size(), QSize(189, 69));
        picture->SetPixel(3, 3, 0x0000FF);
        Button(*window, "cmdLand")->click();
        SelectRow(*window, 5);
        QCOMPARE(picture->backBuffer().pixel(3, 3), picture->background());
    }
};

TILEWRIGHT_WINDOW_TEST(MainWindowTest);

}  // namespace
}  // namespace tilewright::testing

#include "mainwindow_test.moc"
