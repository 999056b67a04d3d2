#include "tilecolumns.h"

#include <algorithm>
#include <charconv>
#include <unordered_map>
#include <vector>

namespace tilewright {
namespace {

const std::vector<std::string>& ColumnNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all = {"kind", "id", "name"};
        for (const ValueField& field : kValueFields) all.emplace_back(field.column);
        for (int bit = 0; bit < kMaxFlagBits; ++bit) all.push_back("flag_" + FlagName(bit));
        return all;
    }();
    return names;
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
