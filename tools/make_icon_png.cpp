// make-icon-png ICON.xpm OUT.png SIZE: writes the icon as a SIZE by SIZE
// PNG. Each pixel of the two-colour picture becomes a square block, so the
// larger icons show the same picture as crisp as the small one.
#include <QImage>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s ICON.xpm OUT.png SIZE\n", argv[0]);
        return 2;
    }
    const int size = std::atoi(argv[3]);
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    if (icon.isNull() || size <= 0 || size % icon.width() != 0 || size % icon.height() != 0) {
        std::fprintf(stderr, "%s: cannot read the icon, or %s is not a whole multiple of its size.\n", argv[1], argv[3]);
        return 1;
    }
    if (!icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "Cannot write %s.\n", argv[2]);
        return 1;
    }
    return 0;
}
