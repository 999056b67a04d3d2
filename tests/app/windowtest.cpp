#include "windowtest.h"

#include <QApplication>
#include <QTimer>
#include <cstring>

#include "applicationlook.h"

namespace tilewright::testing {

std::vector<TestFactory>& WindowTestRegistry() {
    static std::vector<TestFactory> registry;
    return registry;
}

namespace {

// Polls for a modal widget while `action` runs its nested event loop.
void WhileRunning(const std::function<void()>& action, const std::function<void(QWidget*)>& onModal) {
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) onModal(modal);
    });
    poll.start();
    action();
    poll.stop();
}

}  // namespace

std::vector<CaughtBox> CatchMessageBoxes(const std::function<void()>& action) {
    std::vector<CaughtBox> caught;
    WhileRunning(action, [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) return;
        caught.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
        box->button(QMessageBox::Ok)->click();
    });
    return caught;
}

void WithModalDialog(const std::function<void()>& action, const std::function<void(QWidget*)>& onDialog) {
    bool handled = false;
    WhileRunning(action, [&](QWidget* modal) {
        if (handled) return;
        handled = true;
        onDialog(modal);
    });
    if (!handled) qWarning("no modal dialog was opened");
}

std::unique_ptr<FrmMain> OpenWindowOn(const std::string& folder) {
    auto window = std::make_unique<FrmMain>();
    window->show();
    const QString path = QString::fromStdString(folder);
    SetFolders(*window, path, path);
    return window;
}

void SetFolders(FrmMain& window, const QString& artFolder, const QString& tileDataFolder) {
    WithModalDialog([&] { Button(window, "cmdLoad")->click(); },
                    [&](QWidget* dialog) {
                        dialog->findChild<QLineEdit*>("txtUO(0)")->setText(artFolder);
                        dialog->findChild<QLineEdit*>("txtTile(1)")->setText(tileDataFolder);
                        dialog->findChild<QPushButton*>("cmdClose")->click();
                    });
}

void SelectRow(FrmMain& window, int row) {
    QListWidget* list = List(window);
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

QString OffCentre(const QRect& dialogFrame, const QRect& ownerFrame) {
    // Twice the centres, to stay in whole pixels.
    const QPoint twiceDialog(2 * dialogFrame.x() + dialogFrame.width(), 2 * dialogFrame.y() + dialogFrame.height());
    const QPoint twiceOwner(2 * ownerFrame.x() + ownerFrame.width(), 2 * ownerFrame.y() + ownerFrame.height());
    const QPoint off = twiceDialog - twiceOwner;
    if (std::abs(off.x()) <= 2 && std::abs(off.y()) <= 2) return {};
    const auto text = [](const QRect& r) {
        return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    };
    return QStringLiteral("dialog frame %1 over the window frame %2").arg(text(dialogFrame), text(ownerFrame));
}

std::uint32_t TickedFlags(QWidget& window) {
    std::uint32_t flags = 0;
    for (int i = 0; i < 32; ++i)
        if (Flag(window, i)->isChecked()) flags |= std::uint32_t{1} << i;
    return flags;
}

}  // namespace tilewright::testing

// `window_tests [-class NAME]... [Qt Test options]` runs the named test
// classes, or all of them.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tilewright::ApplyApplicationLook(app);
    QStringList classes;
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "-class") == 0 && i + 1 < argc) classes.append(argv[++i]);
        else rest.push_back(argv[i]);
    }
    int failures = 0;
    for (const auto& make : tilewright::testing::WindowTestRegistry()) {
        std::unique_ptr<QObject> test = make();
        const QString name = QString(test->metaObject()->className()).section("::", -1);
        if (!classes.isEmpty() && !classes.contains(name)) continue;
        failures += QTest::qExec(test.get(), static_cast<int>(rest.size()), rest.data());
    }
    return failures == 0 ? 0 : 1;
}
