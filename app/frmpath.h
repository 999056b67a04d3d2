// frmPath: the small modal dialog in which the user types the two folders,
// one for artidx.mul and art.mul and one for TileData.mul. It has no title
// bar and closes only through its "Close" button.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tilewright {

// The folder both strings start at in every run.
inline constexpr char kDefaultGameFolder[] = "c:\\program files\\ultima online\\";

class FrmPath : public QDialog {
    Q_OBJECT
public:
    explicit FrmPath(QWidget* owner = nullptr);

    // Shows `artFolder` and `tileDataFolder` in the boxes in place of the defaults.
    void ShowFolders(const QString& artFolder, const QString& tileDataFolder);

    QString artFolder() const;       // txtUO(0)
    QString tileDataFolder() const;  // txtTile(1)

    // Closes the dialog and hands the keyboard back to the main window, which
    // no window manager may be there to do.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLineEdit* artFolderBox_;       // txtUO(0)
    QLineEdit* tileDataFolderBox_;  // txtTile(1)
    QPushButton* cmdClose_;
};

}  // namespace tilewright
