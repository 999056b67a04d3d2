// What a screen reader announces: each frame by its own caption, each box by
// the label on its row, and the list's hint as its description.
#include <QAccessible>

#include "windowtest.h"

namespace tilewright::testing {
namespace {

QString Announced(QWidget* w, QAccessible::Text text = QAccessible::Name) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(text) : QStringLiteral("<no interface>");
}

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void framesAndBoxesAreNamedByTheirOwnCaptions() {
        FrmMain window;
        window.show();
        const std::pair<const char*, const char*> named[] = {
            {"frmMain", "Tile Info"},    {"Frame1", "Flags"},          {"Frame2", "Values"},
            {"Frame5", "Tile Name"},     {"Frame3", "Picture Viewer"}, {"Frame4", "Other Info"},
            {"Frame6", "Flags 32 - 63"},
            {"txtTileName", "Tile Name"}, {"txtOtherInfo(0)", "Offset :"}, {"txtOtherInfo(1)", "Size (in hex) :"},
            {"txtOtherInfo(2)", "Flag (in hex) :"}, {"txtFind", "Name or number :"},
        };
        for (const auto& [name, caption] : named) QCOMPARE(Announced(Control<QWidget>(window, name)), QString(caption));

        const char* const valueCaptions[] = {"Weight :",  "Quality/Layer/LightID :", "Unknown1 :", "Unknown2 :",
                                             "Quantity/WC/AC :", "Gump/Animation :", "Unknown3 :", "Hue :",
                                             "Unknown4 :", "Unknown5 :", "Height :", "Id :"};
        for (int i = 0; i < 12; ++i) QCOMPARE(Announced(Value(window, i)), QString(valueCaptions[i]));
    }

    void theListIsDescribedByItsHint() {
        FrmMain window;
        window.show();
        QCOMPARE(Announced(List(window), QAccessible::Description), QString("List of ID's"));
    }
};

TILEWRIGHT_WINDOW_TEST(AccessibilityTest);

}  // namespace
}  // namespace tilewright::testing

#include "accessibility_test.moc"
