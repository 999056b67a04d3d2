#include "tilecompare.h"

#include <algorithm>

#include "messagetext.h"

namespace tilewright {
namespace {

// A name in double quotes, with quotes, backslashes and control characters
// (U+0085 is a line break to many readers) escaped as the file's byte, so
// that every difference stays one line a script can split.
void AppendQuotedName(std::string& out, const TileRow& row) {
    out += '"';
    const std::string text = NameText(row.name);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        auto byte = static_cast<unsigned char>(c);
        const bool c1 = byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c1 || byte < 0x20 || byte == 0x7F) {
            if (c1) byte = static_cast<unsigned char>(text[++i]);  // U+0080 to U+009F as the file's byte
            AppendByteEscape(out, byte);
        } else {
            out += c;
        }
    }
    out += '"';
}

void AppendShown(std::string& out, const TileRow& row, int column) {
    if (column == kNameColumn)
        AppendQuotedName(out, row);
    else
        AppendCell(out, row, column);
}

bool Differs(const TileRow& a, const TileRow& b, int column) {
    if (column == kNameColumn) return NameText(a.name) != NameText(b.name);
    if (IsFlagColumn(column)) return ((a.flags ^ b.flags) >> FlagBitOf(column) & 1) != 0;
    const auto v = static_cast<std::size_t>(column - kFirstValueColumn);
    return ColumnBelongs(column, a.kind) && a.values[v] != b.values[v];
}

TileRow HeldOrEmpty(const TileDataFile& file, TileKind kind, std::int32_t n) {
    if (n < file.HeldCount(kind)) return file.Row(kind, n);
    TileRow empty;
    empty.kind = kind;
    empty.id = n;
    return empty;
}

}  // namespace

std::size_t AppendDifferences(std::string& out, const TileRow& before, const TileRow& after) {
    if (before.flags == after.flags && before.values == after.values && before.name == after.name) return 0;
    std::size_t lines = 0;
    for (int column = kNameColumn; column < kMaxColumnCount; ++column) {
        if (!Differs(before, after, column)) continue;
        out += KindName(before.kind);
        out += ' ';
        out += std::to_string(before.id);
        out += ' ';
        out += ColumnName(column);
        out += ": ";
        AppendShown(out, before, column);
        out += " -> ";
        AppendShown(out, after, column);
        out += '\n';
        ++lines;
    }
    return lines;
}

std::size_t CompareTileData(const TileDataFile& a, const TileDataFile& b, std::string& out) {
    std::size_t lines = 0;
    for (TileKind kind : {TileKind::Land, TileKind::Item}) {
        const std::int32_t count = std::max(a.HeldCount(kind), b.HeldCount(kind));
        for (std::int32_t n = 0; n < count; ++n)
            lines += AppendDifferences(out, HeldOrEmpty(a, kind, n), HeldOrEmpty(b, kind, n));
    }
    return lines;
}

}  // namespace tilewright
