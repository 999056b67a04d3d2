#include "tilebrowsermodel.h"

#include <algorithm>
#include <numeric>

#include "browserpictures.h"
#include "flagcaptions.h"
#include "tilecolumns.h"

namespace tilewright {
namespace {

QString FlagCaptions(std::uint64_t flags, int bits) {
    QStringList captions;
    for (int bit = 0; bit < bits; ++bit)
        if (flags & FlagMask(bit)) captions.append(FlagCaption(bit));
    return captions.join(QStringLiteral(", "));
}

}  // namespace

QString HexText(std::int32_t id) { return QStringLiteral("0x") + QString::number(id, 16).toUpper(); }

QString TileCellName(TileKind kind, std::int32_t id, const QString& name) {
    QString text = QStringLiteral("%1 %2").arg(QLatin1StringView(KindName(kind))).arg(id);
    if (!name.isEmpty()) text += ' ' + name;
    return text;
}

TileBrowserModel::TileBrowserModel(BrowserPictures& pictures, QObject* parent)
    : QAbstractTableModel(parent), pictures_(pictures) {
    connect(&pictures_, &BrowserPictures::PictureReady, this, &TileBrowserModel::OnPictureReady);
}

void TileBrowserModel::SetFile(std::shared_ptr<const TileDataFile> file, TileKind kind) {
    beginResetModel();
    file_ = std::move(file);
    kind_ = kind;
    shown_.resize(static_cast<std::size_t>(file_ ? file_->HeldCount(kind) : 0));
    std::iota(shown_.begin(), shown_.end(), 0);
    endResetModel();
}

void TileBrowserModel::SetShown(std::vector<std::int32_t> ids) {
    beginResetModel();
    shown_ = std::move(ids);
    endResetModel();
}

int TileBrowserModel::RowOf(std::int32_t id) const {
    const auto at = std::lower_bound(shown_.begin(), shown_.end(), id);
    return at != shown_.end() && *at == id ? static_cast<int>(at - shown_.begin()) : -1;
}

int TileBrowserModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int TileBrowserModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant TileBrowserModel::data(const QModelIndex& index, int role) const {
    if (!file_ || !index.isValid() || index.row() >= rowCount()) return {};
    const std::int32_t id = IdAt(index.row());
    const int column = index.column();
    switch (role) {
        case kIdRole: return id;
        case kNameRole: return QString::fromStdString(NameText(file_->Name(kind_, id)));
        case Qt::AccessibleTextRole:
            if (column != kNumber) return {};  // the other cells are read as they show
            return TileCellName(kind_, id, QString::fromStdString(NameText(file_->Name(kind_, id))));
        case Qt::DecorationRole:
            if (column != kPicture) return {};
            [[fallthrough]];
        case kPictureRole:
            if (const QPixmap* picture = pictures_.Find(kind_, id)) return *picture;
            pictures_.Request(kind_, id);
            return {};
        case kPictureMissingRole: return pictures_.Lacks(kind_, id);
        case Qt::TextAlignmentRole:
            return column == kName || column == kFlags ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::DisplayRole: break;
        case Qt::ToolTipRole:  // the flags' captions may be too many for the column
            if (column != kFlags) return {};
            break;
        default: return {};
    }
    const TileRow row = file_->Row(kind_, id);
    switch (column) {
        case kNumber: return id;
        case kHex: return HexText(id);
        case kName: return QString::fromStdString(NameText(row.name));
        case kWeight: return kind_ == TileKind::Item ? QVariant(row.values[1]) : QVariant();
        case kHeight: return kind_ == TileKind::Item ? QVariant(row.values[11]) : QVariant();
        case kFlags: return FlagCaptions(row.flags, file_->layout().FlagBits());
        default: return {};
    }
}

QVariant TileBrowserModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const kHeaders[kColumnCount] = {"Number", "Hex", "Name", "Picture", "Weight", "Height", "Flags"};
    return section >= 0 && section < kColumnCount ? QString::fromLatin1(kHeaders[section]) : QVariant();
}

void TileBrowserModel::OnPictureReady(TileKind kind, std::int32_t id) {
    if (kind != kind_) return;
    const int row = RowOf(id);
    if (row < 0) return;
    emit dataChanged(index(row, kNumber), index(row, kPicture), {Qt::DecorationRole, kPictureRole});
}

}  // namespace tilewright
