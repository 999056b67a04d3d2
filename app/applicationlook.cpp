#include "applicationlook.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QPixmap>
#include <QStyleFactory>

// The resources live in a static library, whose initialiser the linker would
// otherwise drop.
static void InitResources() { Q_INIT_RESOURCE(tilewright); }

namespace tilewright {

void ApplyApplicationLook(QApplication& app) {
    InitResources();
    app.setApplicationName(kApplicationTitle);
    app.setApplicationDisplayName(kApplicationTitle);
    if (QStyle* style = QStyleFactory::create("Windows")) app.setStyle(style);

    const int id = QFontDatabase::addApplicationFont(":/tilewright/interface-font.ttf");
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    QFont font(families.isEmpty() ? QStringLiteral("Sans Serif") : families.first());
    // Fixed in pixels so that the layout does not depend on the screen's
    // reported resolution: at 10 pixels every caption fits the room that the
    // layout gives it (the widest, "Art.Mul and ArtIdx.Mul :", needs 104 of 110).
    font.setPixelSize(10);
    font.setHintingPreference(QFont::PreferNoHinting);
    app.setFont(font);
    app.setWindowIcon(ApplicationIcon());
}

QIcon ApplicationIcon() { return QIcon(QPixmap(":/tilewright/tilewright.xpm")); }

}  // namespace tilewright
