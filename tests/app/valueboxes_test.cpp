// The boxes' texts turned into the record Compile writes: every field through
// the one field table, the first box that does not convert named.
#include "valueboxes.h"
#include "windowtest.h"

namespace tilewright::testing {
namespace {

BoxTexts ItemBoxes() {
    BoxTexts boxes;
    const char* const texts[] = {"50", "1", "-3", "4", "5", "16383", "7", "8", "9", "10", "11", "1234"};
    for (int i = 0; i < 12; ++i) boxes.values[i] = texts[i];
    boxes.name = "Wooden Door";
    boxes.offset = "473847";
    boxes.flags = 0x20000000;
    return boxes;
}

class ValueBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void everyBoxGoesToItsField() {
        auto item = RowFromBoxes(TileKind::Item, 1234, ItemBoxes());
        QVERIFY(item.ok());
        QCOMPARE(item->position, 473847);
        const std::array<std::int32_t, 12> values = {0, 50, 1, -3, 4, 5, 16383, 7, 8, 9, 10, 11};
        QVERIFY(item->row.values == values);
        QCOMPARE(item->row.flags, std::uint64_t{0x20000000});
        QCOMPARE(item->row.name[0], std::uint8_t{'W'});

        BoxTexts landBoxes = ItemBoxes();
        landBoxes.values[11] = " 12.5 ";  // blanks trimmed, a half rounded to even
        auto land = RowFromBoxes(TileKind::Land, 3, landBoxes);
        QVERIFY(land.ok());
        QCOMPARE(land->row.value("texture"), 12);
        QCOMPARE(land->row.value("weight"), 0);  // an item's boxes are not read for a land tile
    }

    void theFirstBadBoxIsNamed_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("box");  // -1 the name box, -2 the offset box
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const int item = static_cast<int>(TileKind::Item), land = static_cast<int>(TileKind::Land);
        QTest::newRow("weight 256") << item << 0 << "256"
                                    << "The value \"256\" in \"Weight :\" is not a whole number from 0 to 255.";
        QTest::newRow("height a word") << item << 10 << "ten"
                                       << "The value \"ten\" in \"Height :\" is not a whole number from 0 to 255.";
        QTest::newRow("animation 32768")
            << item << 5 << "32768"
            << "The value \"32768\" in \"Gump/Animation :\" is not a whole number from -32768 to 32767.";
        QTest::newRow("land id empty") << land << 11 << ""
                                       << "The box \"Id :\" is empty: it needs a whole number from -32768 to 32767.";
        QTest::newRow("name euro") << item << -1 << "a\u20AC"
                                   << "The name in \"Tile Name\" cannot be stored: character 2, \"\u20AC\" (U+20AC), "
                                      "is not an ISO 8859-1 character; only characters up to U+00FF can be stored.";
        QTest::newRow("offset 2^31")
            << land << -2 << "2147483648"
            << "The value \"2147483648\" in \"Offset :\" is not a whole number from -2147483648 to 2147483647.";
        QTest::newRow("not loaded") << item << -2 << ""
                                    << "No tile is loaded: select a tile in the list before compiling.";
    }

    void theFirstBadBoxIsNamed() {
        QFETCH(int, kind);
        QFETCH(int, box);
        QFETCH(QString, text);
        QFETCH(QString, message);
        BoxTexts boxes = ItemBoxes();
        boxes.values[3] = "junk";  // an item box after every one above but the offset's
        if (kind == static_cast<int>(TileKind::Item) && box != 0 && box != -1 && box != -2) boxes.values[3] = "4";
        if (box >= 0) boxes.values[box] = text;
        if (box == -1) boxes.name = text;
        if (box == -2) {
            boxes.values[3] = "4";
            boxes.offset = text;
        }
        auto row = RowFromBoxes(static_cast<TileKind>(kind), 7, boxes);
        QVERIFY(!row.ok());
        QCOMPARE(QString::fromStdString(row.error().message), message);
    }
};

RegisterWindowTest<ValueBoxesTest> registered;

}  // namespace
}  // namespace tilewright::testing

#include "valueboxes_test.moc"
