#include "tileedit.h"

#include <algorithm>

#include "messagetext.h"
#include "numberconversion.h"

namespace tilewright {
namespace {

Error Refused(std::string reason) { return Error{ErrorKind::InvalidValue, std::move(reason)}; }

// Plain decimal only: an optional '-' and digits, nothing around them.
Status ParseNumber(std::string_view text, const ValueField& field, std::int32_t& out) {
    const auto number = ReadWholeNumber(text, kPlainNumber);
    const auto value = number ? number->Within(field.min, field.max) : std::nullopt;
    if (!value)
        return Refused(QuotedValue(text) + " in column " + std::string(field.column) + " is not a whole number from " +
                       std::to_string(field.min) + " to " + std::to_string(field.max));
    out = static_cast<std::int32_t>(*value);
    return {};
}

// UTF-8 to ISO 8859-1 bytes: at most 20 characters, none above U+00FF.
Status ParseName(std::string_view text, TileName& out) {
    out = TileName{};
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        const std::size_t begin = i;
        char32_t code = 0;
        if (!NextCodePoint(text, i, code)) return Refused("the name is not valid UTF-8");
        if (code > 0xFF)
            return Refused("the name " + QuotedValue(text) + " has the character " +
                           QuotedValue(text.substr(begin, i - begin)) + ", above U+00FF");
        if (code == 0) return Refused("the name " + QuotedValue(text) + " has a zero character");
        if (count == kNameSize) return Refused("the name " + QuotedValue(text) + " is longer than 20 characters");
        out[count] = static_cast<std::uint8_t>(code);
    }
    return {};
}

bool SameNameText(const TileName& a, const TileName& b) {
    const std::size_t length = NameLength(a);
    return length == NameLength(b) && std::equal(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(length), b.begin());
}

}  // namespace

Status SetCell(TileEdit& edit, int column, std::string_view text, int flagBits, EmptyCell empty) {
    // Named only in refusals: most cells are taken without a word.
    const auto name = [column] { return ColumnName(column); };
    if (IsFlagColumn(column) && FlagBitOf(column) >= flagBits)
        return Refused("column " + name() + " is not in the file's layout (" + std::to_string(flagBits) + "-bit flags)");
    if (text.empty()) {
        if (empty == EmptyCell::Keeps) return {};
        if (column != kNameColumn) return Refused("column " + name() + " needs a value");
    }
    if (!ColumnBelongs(column, edit.kind))
        return Refused(QuotedValue(text) + " in column " + name() + ": " + std::string(KindName(edit.kind)) +
                       " tiles have no " + name());

    if (column == kNameColumn) {
        RETURN_IF_ERROR(ParseName(text, edit.name));
        edit.hasName = true;
    } else if (IsValueColumn(column)) {
        const int v = column - kFirstValueColumn;
        RETURN_IF_ERROR(ParseNumber(text, ValueFieldOf(column), edit.values[static_cast<std::size_t>(v)]));
        edit.valueMask = static_cast<std::uint16_t>(edit.valueMask | (1u << v));
    } else if (IsFlagColumn(column)) {
        if (text != "0" && text != "1") return Refused(QuotedValue(text) + " in column " + name() + " is not 0 or 1");
        const std::uint64_t mask = FlagMask(FlagBitOf(column));
        edit.flagMask |= mask;
        edit.flagValues = text == "1" ? edit.flagValues | mask : edit.flagValues & ~mask;
    }
    return {};
}

TileRow Edited(const TileRow& row, const TileEdit& edit) {
    TileRow out = row;
    out.flags = (row.flags & ~edit.flagMask) | (edit.flagValues & edit.flagMask);
    for (int v = 0; v < kValueFieldCount; ++v)
        if (edit.valueMask >> v & 1) out.values[static_cast<std::size_t>(v)] = edit.values[static_cast<std::size_t>(v)];
    if (edit.hasName && (edit.wholeName || !SameNameText(row.name, edit.name))) out.name = edit.name;
    return out;
}

bool Matches(const TileRow& row, const TileEdit& wanted) {
    if ((row.flags & wanted.flagMask) != (wanted.flagValues & wanted.flagMask)) return false;
    for (int v = 0; v < kValueFieldCount; ++v)
        if ((wanted.valueMask >> v & 1) && row.values[static_cast<std::size_t>(v)] != wanted.values[static_cast<std::size_t>(v)])
            return false;
    return !wanted.hasName || SameNameText(row.name, wanted.name);
}

AppliedEdits ApplyTileEdits(const TileDataFile& file, std::span<const TileEdit> edits) {
    AppliedEdits applied;
    applied.bytes.assign(file.bytes().begin(), file.bytes().end());
    std::vector<const TileEdit*> ordered;
    ordered.reserve(edits.size());
    for (const TileEdit& edit : edits) ordered.push_back(&edit);
    std::sort(ordered.begin(), ordered.end(), [](const TileEdit* a, const TileEdit* b) {
        return std::pair(a->kind, a->id) < std::pair(b->kind, b->id);
    });

    const TileDataLayout& layout = file.layout();
    for (const TileEdit* edit : ordered) {
        const TileRow before = file.Row(edit->kind, edit->id);
        const TileRow after = Edited(before, *edit);
        const auto record = std::span(applied.bytes)
                                .subspan(file.RecordOffset(edit->kind, edit->id), layout.RecordSize(edit->kind));
        EncodeTileRow(layout, after, record);
        const auto original = file.bytes().subspan(file.RecordOffset(edit->kind, edit->id), record.size());
        if (std::equal(record.begin(), record.end(), original.begin())) continue;
        applied.before.push_back(before);
        applied.after.push_back(after);
    }
    return applied;
}

}  // namespace tilewright
