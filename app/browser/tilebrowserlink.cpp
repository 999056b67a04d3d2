#include "tilebrowserlink.h"

#include <QListWidget>
#include <QMenu>
#include <QShortcut>

#include "corepath.h"
#include "frmmain.h"
#include "tilebrowser.h"

namespace tilewright {
void AttachTileBrowser(FrmMain& window) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_B), &window);
    QObject::connect(shortcut, &QShortcut::activated, &window, [&window] { OpenTileBrowser(window); });
    auto* list = window.findChild<QListWidget*>("lstId");
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(list, &QWidget::customContextMenuRequested, &window, [&window, list](const QPoint& at) {
        QMenu menu(&window);
        menu.addAction("Browse tiles\u2026", &window, [&window] { OpenTileBrowser(window); });
        menu.exec(list->viewport()->mapToGlobal(at));
    });
}

TileBrowser& OpenTileBrowser(FrmMain& window) {
    auto* browser = window.findChild<TileBrowser*>();
    if (!browser) {
        browser = new TileBrowser(&window);
        QObject::connect(browser, &TileBrowser::TileChosen, &window,
                         [&window](TileKind kind, std::int32_t id) { window.ChooseTile(kind, id); });
        QObject::connect(browser, &TileBrowser::FileWritten, &window, [&window] { window.ReloadTile(); });
        QObject::connect(browser, &TileBrowser::ArtWritten, &window, [&window] { window.RepaintPicture(); });
        // Over the main window, a little down and to the right of its corner.
        browser->move(window.frameGeometry().topLeft() + QPoint(40, 40));
    }
    browser->Open(CorePath(window.artPath()), CorePath(window.tileDataPath()),
                  window.listState().kind.value_or(TileKind::Item));
    browser->show();
    browser->raise();
    browser->activateWindow();
    return *browser;
}

}  // namespace tilewright
