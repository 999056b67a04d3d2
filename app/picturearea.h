// PicTile: a sunken picture area with a persistent back buffer. The art
// painters set pixels in the buffer through the PixelSurface interface; the
// screen shows the buffer only after Refresh(), and keeps showing it when the
// window is covered and uncovered.
#pragma once

#include <QFrame>
#include <QImage>

#include "pixelsurface.h"

namespace tilewright {

class PictureArea : public QFrame, public Decode_Mul::PixelSurface {
    Q_OBJECT
public:
    explicit PictureArea(QWidget* parent = nullptr);

    // Empties the back buffer to the background colour.
    void Clear();
    // Shows the back buffer on screen.
    void Refresh();

    // colour = red + 256 * green + 65536 * blue; points outside are ignored.
    void SetPixel(int x, int y, std::uint32_t colour) override;

    const QImage& backBuffer() const { return buffer_; }
    QRgb background() const { return background_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void EnsureBuffer();

    QImage buffer_;
    QImage shown_;
    QRgb background_;
};

}  // namespace tilewright
