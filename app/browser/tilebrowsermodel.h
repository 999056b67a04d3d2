// The tile browser's one model: the tiles of one kind of a whole TileData.mul
// that the filter shows, one row each, in ascending number, with the columns
// of the table view; the grid shows column 0. Pictures come from
// BrowserPictures and are asked for only when a view wants a cell's.
#pragma once

#include <QAbstractTableModel>
#include <memory>
#include <vector>

#include "tiledatafile.h"

namespace tilewright {

class BrowserPictures;

class TileBrowserModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kNumber, kHex, kName, kPicture, kWeight, kHeight, kFlags, kColumnCount };
    // The grid's cell draws from these: the picture (asked for when not made
    // yet), whether the tile has none, its number and its name.
    enum Role { kIdRole = Qt::UserRole, kNameRole, kPictureRole, kPictureMissingRole };

    explicit TileBrowserModel(BrowserPictures& pictures, QObject* parent = nullptr);

    // A new file or kind shows every tile of the kind until SetShown.
    void SetFile(std::shared_ptr<const TileDataFile> file, TileKind kind);
    void SetShown(std::vector<std::int32_t> ids);

    const std::shared_ptr<const TileDataFile>& file() const { return file_; }
    TileKind kind() const { return kind_; }
    const std::vector<std::int32_t>& shown() const { return shown_; }
    std::int32_t IdAt(int row) const { return shown_[static_cast<std::size_t>(row)]; }
    // The row showing tile `id`, or -1.
    int RowOf(std::int32_t id) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void OnPictureReady(TileKind kind, std::int32_t id);

    BrowserPictures& pictures_;
    std::shared_ptr<const TileDataFile> file_;
    TileKind kind_ = TileKind::Item;
    std::vector<std::int32_t> shown_;
};

// "0x4D2" for 1234.
QString HexText(std::int32_t id);
// "land 5 grass", "item 1234 bookcase", "item 7": what a cell is called.
QString TileCellName(TileKind kind, std::int32_t id, const QString& name);

}  // namespace tilewright
