#include "frmpath.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "ownercentring.h"

namespace tilewright {
namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

QLineEdit* MakeFolderBox(QWidget* parent, const char* name, QRect geometry) {
    auto* box = new QLineEdit(QString::fromLatin1(kDefaultGameFolder), parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    box->setCursorPosition(0);
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
    txtUO0_ = MakeFolderBox(this, "txtUO(0)", QRect(128, 24, 177, 19));
    MakeLabel(this, "Label3", "TileData.Mul :", QRect(8, 48, 66, 13));
    txtTile1_ = MakeFolderBox(this, "txtTile(1)", QRect(128, 48, 177, 19));

    cmdClose_ = new QPushButton("Close", this);
    cmdClose_->setObjectName("cmdClose");
    cmdClose_->setGeometry(8, 72, 297, 17);
    cmdClose_->setDefault(true);
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::accept);
    if (owner) OwnerCentring::Install(*this);
}

void FrmPath::ShowFolders(const QString& artFolder, const QString& tileDataFolder) {
    txtUO0_->setText(artFolder);
    txtUO0_->setCursorPosition(0);
    txtTile1_->setText(tileDataFolder);
    txtTile1_->setCursorPosition(0);
}

QString FrmPath::artFolder() const { return txtUO0_->text(); }
QString FrmPath::tileDataFolder() const { return txtTile1_->text(); }

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

// Without a title bar the dialog draws its own single-line border.
void FrmPath::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace tilewright
