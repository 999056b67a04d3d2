#include "picturearea.h"

#include <QPainter>

namespace tilewright {

PictureArea::PictureArea(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    background_ = palette().color(QPalette::Button).rgb();
}

void PictureArea::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    EnsureBuffer();
}

// The buffer covers the inside of the border; it is made as soon as the size
// is known, shown or not, so that loads work on a hidden window too.
void PictureArea::EnsureBuffer() {
    const QSize inside = contentsRect().size();
    if (buffer_.size() == inside) return;
    buffer_ = QImage(inside, QImage::Format_RGB32);
    buffer_.fill(background_);
    shown_ = buffer_;
}

void PictureArea::Clear() {
    EnsureBuffer();
    buffer_.fill(background_);
}

void PictureArea::Refresh() {
    shown_ = buffer_;
    update();
}

void PictureArea::SetPixel(int x, int y, std::uint32_t colour) {
    if (x < 0 || y < 0 || x >= buffer_.width() || y >= buffer_.height()) return;
    auto* line = reinterpret_cast<QRgb*>(buffer_.scanLine(y));
    line[x] = qRgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                   static_cast<int>((colour >> 16) & 0xFF));
}

void PictureArea::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), shown_);
}

}  // namespace tilewright
