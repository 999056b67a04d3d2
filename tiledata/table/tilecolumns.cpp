#include "tilecolumns.h"

#include <algorithm>
#include <charconv>
#include <unordered_map>
#include <vector>

namespace tilewright {
namespace {

std::string FlagColumnName(int bit) {
    std::string name = "flag_";
    for (char c : FlagCaption(bit)) {
        if (c == '"') continue;
        if (c == ' ')
            name += '_';
        else
            name += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return name;
}

const std::vector<std::string>& ColumnNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all = {"kind", "id", "name"};
        for (const ValueField& field : kValueFields) all.emplace_back(field.column);
        for (int bit = 0; bit < kMaxFlagBits; ++bit) all.push_back(FlagColumnName(bit));
        return all;
    }();
    return names;
}

template <class Record>
void CopyItemValues(Record& r, std::array<std::int32_t, kValueFieldCount>& v, bool toRow) {
    auto move = [toRow](auto& field, std::int32_t& value) {
        if (toRow)
            value = field;
        else
            field = static_cast<std::remove_reference_t<decltype(field)>>(value);
    };
    move(r.Weight, v[1]);
    move(r.Quality, v[2]);
    move(r.Unknown1, v[3]);
    move(r.Unknown2, v[4]);
    move(r.Quantity, v[5]);
    move(r.Animation, v[6]);
    move(r.Unknown3, v[7]);
    move(r.Hue, v[8]);
    move(r.Unknown4, v[9]);
    move(r.Unknown5, v[10]);
    move(r.Height, v[11]);
}

void AppendNumber(std::string& out, std::int64_t value) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

}  // namespace

const std::string& ColumnName(int column) { return ColumnNames()[static_cast<std::size_t>(column)]; }

std::optional<int> FindColumn(std::string_view name) {
    static const std::unordered_map<std::string_view, int> byName = [] {
        std::unordered_map<std::string_view, int> map;
        const auto& names = ColumnNames();
        for (std::size_t i = 0; i < names.size(); ++i) map.emplace(names[i], static_cast<int>(i));
        return map;
    }();
    const auto found = byName.find(name);
    if (found == byName.end()) return std::nullopt;
    return found->second;
}

TileRow ReadTileRow(const TileDataFile& file, TileKind kind, std::int32_t n) {
    TileRow row;
    row.kind = kind;
    row.id = n;
    if (kind == TileKind::Land) {
        const LandTileRecord r = file.Land(n);
        row.flags = r.Flags;
        row.values[0] = r.TextureId;
        row.name = r.Name;
    } else {
        ItemTileRecord r = file.Item(n);
        row.flags = r.Flags;
        CopyItemValues(r, row.values, true);
        row.name = r.Name;
    }
    return row;
}

void EncodeTileRow(const TileDataLayout& layout, const TileRow& row, std::span<std::uint8_t> out) {
    auto values = row.values;
    if (row.kind == TileKind::Land) {
        EncodeLandRecord(layout, LandTileRecord{row.flags, static_cast<std::int16_t>(values[0]), row.name}, out);
    } else {
        ItemTileRecord r;
        r.Flags = row.flags;
        CopyItemValues(r, values, false);
        r.Name = row.name;
        EncodeItemRecord(layout, r, out);
    }
}

std::size_t NameLength(const TileName& name) {
    return static_cast<std::size_t>(std::find(name.begin(), name.end(), 0) - name.begin());
}

std::string NameText(const TileName& name) {
    std::string text;
    for (std::size_t i = 0, length = NameLength(name); i < length; ++i) {
        const std::uint8_t byte = name[i];
        if (byte < 0x80) {
            text += static_cast<char>(byte);
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

bool NextCodePoint(std::string_view text, std::size_t& at, char32_t& code) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) {
        code = lead;
        ++at;
        return true;
    }
    const std::size_t length = lead >= 0xF8 ? 0 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || at + length > text.size()) return false;
    code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80) return false;
        code = (code << 6) | (next & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    at += length;
    return true;
}

void AppendCell(std::string& out, const TileRow& row, int column) {
    if (column == kKindColumn)
        out += KindName(row.kind);
    else if (column == kIdColumn)
        AppendNumber(out, row.id);
    else if (column == kNameColumn)
        out += NameText(row.name);
    else if (IsFlagColumn(column))
        out += (row.flags >> FlagBitOf(column) & 1) ? '1' : '0';
    else if (ColumnBelongs(column, row.kind))
        AppendNumber(out, row.values[static_cast<std::size_t>(column - kFirstValueColumn)]);
}

}  // namespace tilewright
