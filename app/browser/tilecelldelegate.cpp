#include "tilecelldelegate.h"

#include <QApplication>
#include <QPainter>

#include "browserpictures.h"
#include "tilebrowsermodel.h"

namespace tilewright {
namespace {

constexpr int kCellWidth = 124;
constexpr int kPadding = 4;

}  // namespace

QSize TileCellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {kCellWidth, BrowserPictures::kSide + 2 * kPadding + 2 * option.fontMetrics.height() + kPadding};
}

void TileCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    painter->save();
    const QRect cell = option.rect.adjusted(1, 1, -1, -1);
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette& palette = option.palette;
    if (selected) painter->fillRect(cell, palette.highlight());
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(palette.color(QPalette::Highlight).darker(150), 1, Qt::DotLine));
        painter->drawRect(cell.adjusted(0, 0, -1, -1));
    }

    const int side = BrowserPictures::kSide;
    const QRect square(cell.left() + (cell.width() - side) / 2, cell.top() + kPadding, side, side);
    const QVariant decoration = index.data(TileBrowserModel::kPictureRole);
    if (decoration.canConvert<QPixmap>() && !decoration.isNull()) {
        const QPixmap picture = decoration.value<QPixmap>();
        const QSize size = picture.deviceIndependentSize().toSize();
        painter->drawPixmap(QRect(square.center() - QPoint(size.width() / 2, size.height() / 2), size), picture);
    } else if (!index.data(TileBrowserModel::kPictureMissingRole).toBool()) {
        // Not made yet: a quiet square where the picture will appear.
        painter->fillRect(square.adjusted(8, 8, -8, -8), palette.color(QPalette::Midlight));
    }

    const QFontMetrics& metrics = option.fontMetrics;
    const std::int32_t id = index.data(TileBrowserModel::kIdRole).toInt();
    const QString number = QStringLiteral("%1 \u00B7 %2").arg(id).arg(HexText(id));
    const QString name = index.data(TileBrowserModel::kNameRole).toString();
    painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    QRect line(cell.left() + 2, square.bottom() + kPadding, cell.width() - 4, metrics.height());
    painter->drawText(line, Qt::AlignHCenter | Qt::AlignTop, metrics.elidedText(number, Qt::ElideRight, line.width()));
    line.translate(0, metrics.height());
    painter->drawText(line, Qt::AlignHCenter | Qt::AlignTop, metrics.elidedText(name, Qt::ElideRight, line.width()));
    painter->restore();
}

}  // namespace tilewright
