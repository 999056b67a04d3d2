// frmFind: the small find dialog over the main window. It finds a tile of
// the list's kind by a text its name contains, ignoring case, or by its
// decimal number, and selects and loads it as a click in the list would.
// It stays open beside the main window until "Close" or Escape.
#pragma once

#include <QDialog>

#include "tilesearch.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tilewright {

class FrmMain;

class FrmFind : public QDialog {
    Q_OBJECT
public:
    // Also gives `owner` its keys: Ctrl+F opens the dialog, F3 and Shift+F3
    // find the next and the previous tile.
    explicit FrmFind(FrmMain& owner);

    // Shows the dialog centred on the main window, active, with the keyboard
    // focus in its text box and the text there selected.
    void Open();
    void Find(SearchDirection direction);

    // Closes it (Escape, "Close", the close box) and hands the keyboard back
    // to the main window, which no window manager may be there to do.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Shows `note` in the dialog's message line; a note that needs reading
    // opens the dialog when it is closed.
    void Say(const QString& note, bool open);
    void ShowReadFailure(const QString& message);

    FrmMain& owner_;
    QLineEdit* txtFind_;
    QPushButton* cmdFindNext_;
    QPushButton* cmdFindPrevious_;
    QPushButton* cmdClose_;
    QLabel* lblMessage_;
};

}  // namespace tilewright
