// Shared ground of the window tests: a registry of Qt Test classes run by one
// main, a catcher for the modal boxes the editor raises, and shortcuts to the
// main window's controls by their object names.
#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "frmmain.h"

namespace tilewright::testing {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<TestFactory>& WindowTestRegistry();

template <class T>
struct RegisterWindowTest {
    RegisterWindowTest() {
        WindowTestRegistry().push_back([] { return std::make_unique<T>(); });
    }
};

// What a modal box showed before the catcher closed it.
struct CaughtBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Runs `action`, answering every QMessageBox it raises with OK and
// recording what each showed.
std::vector<CaughtBox> CatchMessageBoxes(const std::function<void()>& action);

// Runs `action`; when it opens a modal dialog, calls `onDialog` with it.
void WithModalDialog(const std::function<void()>& action, const std::function<void(QWidget*)>& onDialog);

// The main window's controls by name.
template <class W>
W* Control(QWidget& window, const QString& name) {
    W* w = window.findChild<W*>(name);
    if (!w) qFatal("no control named %s", qPrintable(name));
    return w;
}
inline QLineEdit* Value(QWidget& w, int i) { return Control<QLineEdit>(w, QStringLiteral("txtValue(%1)").arg(i)); }
inline QLineEdit* OtherInfo(QWidget& w, int i) {
    return Control<QLineEdit>(w, QStringLiteral("txtOtherInfo(%1)").arg(i));
}
inline QCheckBox* Flag(QWidget& w, int i) { return Control<QCheckBox>(w, QStringLiteral("FlagState(%1)").arg(i)); }
inline QListWidget* List(QWidget& w) { return Control<QListWidget>(w, "lstId"); }
inline QLineEdit* Name(QWidget& w) { return Control<QLineEdit>(w, "txtTileName"); }
inline QPushButton* Button(QWidget& w, const char* name) { return Control<QPushButton>(w, name); }

// Sets both folders through the real paths dialog.
void SetFolders(FrmMain& window, const QString& artFolder, const QString& tileDataFolder);
// A main window on show with both folders set to `folder` through "Path's".
std::unique_ptr<FrmMain> OpenWindowOn(const std::string& folder);
// Selects list entry `row` as a click would.
void SelectRow(FrmMain& window, int row);
// Empty when the centre of `dialogFrame` lies within one pixel of the centre
// of `ownerFrame`, else a description of both.
QString OffCentre(const QRect& dialogFrame, const QRect& ownerFrame);
// The flag word the 32 boxes show.
std::uint32_t TickedFlags(QWidget& window);

}  // namespace tilewright::testing

#define TILEWRIGHT_WINDOW_TEST(Class) \
    static const ::tilewright::testing::RegisterWindowTest<Class> register_##Class
