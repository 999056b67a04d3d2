#include "frmpath.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ownercentring.h"
#include "windowcontrols.h"

namespace tilewright {
namespace {

QLineEdit* MakeFolderBox(QWidget* parent, const char* name, QRect geometry) {
    QLineEdit* box = MakeBox(parent, name, nullptr, geometry);
    SetBoxText(box, QString::fromLatin1(kDefaultGameFolder));
    return box;
}

}  // namespace

FrmPath::FrmPath(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName("frmPath");
    setModal(true);
    setFixedSize(312, 92);

    MakeLabel(this, "Label1", "File's Path's", QRect(126, 8, 56, 13), Qt::AlignCenter);
    MakeLabel(this, "Label2", "Art.Mul and ArtIdx.Mul :", QRect(8, 24, 110, 13));
    artFolderBox_ = MakeFolderBox(this, "txtUO(0)", QRect(128, 24, 177, 19));
    MakeLabel(this, "Label3", "TileData.Mul :", QRect(8, 48, 66, 13));
    tileDataFolderBox_ = MakeFolderBox(this, "txtTile(1)", QRect(128, 48, 177, 19));

    cmdClose_ = new QPushButton("Close", this);
    cmdClose_->setObjectName("cmdClose");
    cmdClose_->setGeometry(8, 72, 297, 17);
    cmdClose_->setDefault(true);
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::accept);
    if (owner) OwnerCentring::Install(*this);
}

void FrmPath::ShowFolders(const QString& artFolder, const QString& tileDataFolder) {
    SetBoxText(artFolderBox_, artFolder);
    SetBoxText(tileDataFolderBox_, tileDataFolder);
}

QString FrmPath::artFolder() const { return artFolderBox_->text(); }
QString FrmPath::tileDataFolder() const { return tileDataFolderBox_->text(); }

void FrmPath::done(int result) {
    const bool active = isActiveWindow();
    QDialog::done(result);
    if (active && parentWidget()) parentWidget()->activateWindow();
}

// Escape would close the dialog past "Close"; it is taken as nothing.
void FrmPath::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// accept() hides the dialog without a close event; every other way of
// closing it is refused.
void FrmPath::closeEvent(QCloseEvent* event) { event->ignore(); }

// Without a title bar the dialog draws its own border.
void FrmPath::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    PaintDialogBorder(*this);
}

}  // namespace tilewright
