#include "tableexport.h"

#include <charconv>

#include "tilecolumns.h"

namespace tilewright {
namespace {

// Line ends as RFC 4180 has them.
constexpr std::string_view kLineEnd = "\r\n";

void AppendNumber(std::string& out, std::int64_t value) {
    char buffer[24];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// A name cell is quoted only when it has to be.
void AppendCsvName(std::string& out, const TileRow& row) {
    const std::string text = NameText(row.name);
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

void AppendCsvRow(std::string& out, const TileRow& row, int flagBits) {
    out += KindName(row.kind);
    out += ',';
    AppendNumber(out, row.id);
    out += ',';
    AppendCsvName(out, row);
    for (int v = 0; v < kValueFieldCount; ++v) {
        out += ',';
        if (kValueFields[static_cast<std::size_t>(v)].kind == row.kind) AppendNumber(out, row.values[static_cast<std::size_t>(v)]);
    }
    for (int bit = 0; bit < flagBits; ++bit) {
        out += ',';
        out += (row.flags >> bit & 1) ? '1' : '0';
    }
    out += kLineEnd;
}

void AppendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

void AppendJsonKey(std::string& out, int column) {
    out += ",\"";
    out += ColumnName(column);
    out += "\":";
}

// No key for a cell of the other kind (a land row has no "weight"). An
// unnamed tile has "name": "", which an import takes as an empty name, so
// that the export restores the file.
void AppendJsonObject(std::string& out, const TileRow& row, int flagBits) {
    out += "{\"kind\":\"";
    out += KindName(row.kind);
    out += '"';
    AppendJsonKey(out, kIdColumn);
    AppendNumber(out, row.id);
    AppendJsonKey(out, kNameColumn);
    AppendJsonString(out, NameText(row.name));
    for (int v = 0; v < kValueFieldCount; ++v) {
        if (kValueFields[static_cast<std::size_t>(v)].kind != row.kind) continue;
        AppendJsonKey(out, kFirstValueColumn + v);
        AppendNumber(out, row.values[static_cast<std::size_t>(v)]);
    }
    for (int bit = 0; bit < flagBits; ++bit) {
        AppendJsonKey(out, kFirstFlagColumn + bit);
        out += (row.flags >> bit & 1) ? '1' : '0';
    }
    out += '}';
}

bool Selected(KindSelection kinds, TileKind kind) {
    return kinds == KindSelection::All || (kinds == KindSelection::Land) == (kind == TileKind::Land);
}

}  // namespace

std::string ExportTable(const TileDataFile& file, KindSelection kinds, TableFormat format) {
    const int flagBits = file.layout().FlagBits();
    std::string out;
    std::int32_t rows = 0;
    for (TileKind kind : {TileKind::Land, TileKind::Item})
        if (Selected(kinds, kind)) rows += file.HeldCount(kind);
    out.reserve(static_cast<std::size_t>(rows) * static_cast<std::size_t>(60 + 2 * flagBits));

    if (format == TableFormat::Csv) {
        for (int column = 0; column < ColumnCount(file.layout()); ++column) {
            if (column > 0) out += ',';
            out += ColumnName(column);
        }
        out += kLineEnd;
    } else {
        out += '[';
    }
    bool first = true;
    for (TileKind kind : {TileKind::Land, TileKind::Item}) {
        if (!Selected(kinds, kind)) continue;
        for (std::int32_t n = 0; n < file.HeldCount(kind); ++n) {
            const TileRow row = file.Row(kind, n);
            if (format == TableFormat::Csv) {
                AppendCsvRow(out, row, flagBits);
            } else {
                out += first ? "\n" : ",\n";
                AppendJsonObject(out, row, flagBits);
            }
            first = false;
        }
    }
    if (format == TableFormat::Json) out += "\n]\n";
    return out;
}

}  // namespace tilewright
