#include "ownercentring.h"

#include <QEvent>
#include <QWidget>

namespace tilewright {
namespace {

// Where the frame is not known yet, a decorated dialog is taken to get the
// same frame as its owner, and a frameless one none.
QSize GuessedFrameSize(const QWidget& dialog, const QWidget& owner) {
    if (dialog.windowFlags() & Qt::FramelessWindowHint) return dialog.size();
    return dialog.size() + owner.frameGeometry().size() - owner.size();
}

}  // namespace

void OwnerCentring::Install(QWidget& dialog) { dialog.installEventFilter(new OwnerCentring(dialog)); }

OwnerCentring::OwnerCentring(QWidget& dialog) : QObject(&dialog), dialog_(dialog) {}

bool OwnerCentring::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &dialog_ || !dialog_.parentWidget()) return false;
    switch (event->type()) {
        case QEvent::Show:
            Place(GuessedFrameSize(dialog_, *dialog_.parentWidget()));
            settling_ = true;
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (settling_ && dialog_.frameGeometry().size() != dialog_.size()) {
                settling_ = false;
                Place(dialog_.frameGeometry().size());
            }
            break;
        case QEvent::Hide:
            settling_ = false;
            break;
        default:
            break;
    }
    return false;
}

void OwnerCentring::Place(QSize frameSize) {
    const QPoint topLeft = CentredTopLeft(dialog_.parentWidget()->window()->frameGeometry(), frameSize);
    if (dialog_.frameGeometry().topLeft() != topLeft || !dialog_.testAttribute(Qt::WA_Moved)) dialog_.move(topLeft);
}

QPoint CentredTopLeft(const QRect& ownerFrame, QSize frameSize) {
    // Twice the centres, so that odd sizes are not rounded twice.
    const int x2 = 2 * ownerFrame.x() + ownerFrame.width() - frameSize.width();
    const int y2 = 2 * ownerFrame.y() + ownerFrame.height() - frameSize.height();
    return {x2 >> 1, y2 >> 1};
}

}  // namespace tilewright
