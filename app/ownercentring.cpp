#include "ownercentring.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace tilewright {
namespace {

// The frame as the window system has it now; QWidget's own copy is renewed
// only when the window moves, and a window manager may frame a window
// without moving it.
QRect FrameOf(const QWidget& window) {
    return window.windowHandle() ? window.windowHandle()->frameGeometry() : window.frameGeometry();
}

// Where the frame is not known yet, a decorated dialog is taken to get the
// same frame as its owner, and a frameless one none.
QSize GuessedFrameSize(const QWidget& dialog, const QWidget& owner) {
    if (dialog.windowFlags() & Qt::FramelessWindowHint) return dialog.size();
    return dialog.size() + FrameOf(owner).size() - owner.size();
}

// A window manager frames a new window soon after it is mapped; until then
// Qt reports no frame, or a passing one that does not enclose the window.
constexpr int kFramingCheckMs = 20;
constexpr int kFramingChecks = 25;

}  // namespace

void OwnerCentring::Install(QWidget& dialog) { dialog.installEventFilter(new OwnerCentring(dialog)); }

OwnerCentring::OwnerCentring(QWidget& dialog) : QObject(&dialog), dialog_(dialog) {
    framing_.setInterval(kFramingCheckMs);
    connect(&framing_, &QTimer::timeout, this, &OwnerCentring::Settle);
}

bool OwnerCentring::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &dialog_ || !dialog_.parentWidget()) return false;
    if (event->type() == QEvent::Show) {
        const QWidget& owner = *dialog_.parentWidget()->window();
        dialog_.move(CentredTopLeft(FrameOf(owner), GuessedFrameSize(dialog_, owner)));
        checks_ = 0;
        framing_.start();
    } else if (event->type() == QEvent::Hide) {
        framing_.stop();
    }
    return false;
}

void OwnerCentring::Settle() {
    const QRect frame = FrameOf(dialog_);
    const bool framed = frame != dialog_.geometry() && frame.contains(dialog_.geometry());
    // Unframed all along: the placement on showing, made for no frame, stands.
    if (!framed) {
        if (++checks_ >= kFramingChecks) framing_.stop();
        return;
    }
    framing_.stop();
    const QPoint shift = CentredTopLeft(FrameOf(*dialog_.parentWidget()->window()), frame.size()) - frame.topLeft();
    if (!shift.isNull()) dialog_.move(dialog_.pos() + shift);
}

QPoint CentredTopLeft(const QRect& ownerFrame, QSize frameSize) {
    // Twice the centres, so that odd sizes are not rounded twice.
    const int x2 = 2 * ownerFrame.x() + ownerFrame.width() - frameSize.width();
    const int y2 = 2 * ownerFrame.y() + ownerFrame.height() - frameSize.height();
    return {x2 >> 1, y2 >> 1};
}

}  // namespace tilewright
