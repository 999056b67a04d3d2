// Keeps a dialog centred on its owner window: each time the dialog is shown,
// the centre of its frame is put on the centre of the owner's frame.
//
// Qt's own placement guesses the frame of a window that is not yet on screen
// (10 by 40 pixels) and so misses the centre where no window manager draws
// frames. The frame a window manager gives the dialog is known only once it
// is on screen, so the placement is put right again as soon as it is.
#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTimer>

class QWidget;

namespace tilewright {

class OwnerCentring : public QObject {
public:
    // `dialog` has its owner as parent widget and takes this as its child.
    static void Install(QWidget& dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit OwnerCentring(QWidget& dialog);
    // Once the dialog has its frame, moves it by what that frame is off the
    // centre; gives up waiting for one after half a second.
    void Settle();

    QWidget& dialog_;
    QTimer framing_;  // runs from showing until Settle has moved the dialog
    int checks_ = 0;
};

// Top-left corner for a frame of `frameSize` whose centre lies on the centre
// of `ownerFrame` (rounded towards the top-left).
QPoint CentredTopLeft(const QRect& ownerFrame, QSize frameSize);

}  // namespace tilewright
