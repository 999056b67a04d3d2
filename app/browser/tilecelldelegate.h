// Paints one cell of the tile browser's grid: the picture centred in a 64 by
// 64 square (a placeholder until it is made), under it "1234 · 0x4D2" and
// the name.
#pragma once

#include <QStyledItemDelegate>

namespace tilewright {

class TileCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace tilewright
