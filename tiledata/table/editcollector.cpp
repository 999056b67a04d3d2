#include "editcollector.h"

#include <charconv>

#include "messagetext.h"

namespace tilewright {
namespace {

std::size_t KindIndex(TileKind kind) { return kind == TileKind::Land ? 0 : 1; }

}  // namespace

EditCollector::EditCollector(std::string inputName, const TileDataFile& file, bool exact)
    : inputName_(std::move(inputName)), file_(file), flagBits_(file.layout().FlagBits()), exact_(exact) {
    for (TileKind kind : {TileKind::Land, TileKind::Item})
        firstLine_[KindIndex(kind)].assign(static_cast<std::size_t>(file.HeldCount(kind)), 0);
}

std::string EditCollector::At(std::uint32_t line, std::uint32_t field) const {
    return inputName_ + ":" + std::to_string(line) + ":" + std::to_string(field) + ": ";
}

std::string EditCollector::At(std::uint32_t line) const { return inputName_ + ":" + std::to_string(line) + ": "; }

void EditCollector::BeginRow(std::uint32_t line) {
    rowLine_ = line;
    cells_.clear();
    rowText_.clear();
}

void EditCollector::AddCell(int column, std::string_view text, std::uint32_t line, std::uint32_t field) {
    cells_.push_back(Cell{column, rowText_.size(), text.size(), line, field});
    rowText_.append(text);
}

const EditCollector::Cell* EditCollector::Find(int column) const {
    for (const Cell& cell : cells_)
        if (cell.column == column) return &cell;
    return nullptr;
}

Error EditCollector::Refuse(const Cell& cell, const std::string& reason) const {
    return Error{ErrorKind::InvalidValue, At(cell.line, cell.field) + reason};
}

Status EditCollector::EndRow() {
    const Cell* kindCell = Find(kKindColumn);
    const Cell* idCell = Find(kIdColumn);
    if (!kindCell) return Error{ErrorKind::InvalidValue, At(rowLine_) + "the row has no kind"};
    if (!idCell) return Error{ErrorKind::InvalidValue, At(rowLine_) + "the row has no id"};

    TileEdit edit;
    edit.wholeName = exact_;
    const auto kind = ParseKind(Text(*kindCell));
    if (!kind) return Refuse(*kindCell, QuotedValue(Text(*kindCell)) + " in column kind is not land or item");
    edit.kind = *kind;

    const std::string_view idText = Text(*idCell);
    const std::int32_t held = file_.HeldCount(edit.kind);
    const auto [end, ec] = std::from_chars(idText.data(), idText.data() + idText.size(), edit.id);
    if (idText.empty() || idText.front() == '-' || ec != std::errc{} || end != idText.data() + idText.size() ||
        edit.id >= held)
        return Refuse(*idCell, QuotedValue(idText) + " in column id is not an id the file holds (" +
                                   std::string(KindName(edit.kind)) + " 0 to " + std::to_string(held - 1) + ")");
    std::uint32_t& first = firstLine_[KindIndex(edit.kind)][static_cast<std::size_t>(edit.id)];
    if (first != 0)
        return Refuse(*idCell, "a second row for " + std::string(KindName(edit.kind)) + " " + std::string(idText) +
                                   " (the first is on line " + std::to_string(first) + ")");
    first = rowLine_;

    for (const Cell& cell : cells_) {
        if (cell.column == kKindColumn || cell.column == kIdColumn) continue;
        const EmptyCell empty = cell.column == kNameColumn ? EmptyCell::ClearsName : EmptyCell::Keeps;
        if (Status set = SetCell(edit, cell.column, Text(cell), flagBits_, empty); !set)
            return Refuse(cell, set.error().message);
    }
    edits_.push_back(edit);
    return {};
}

}  // namespace tilewright
