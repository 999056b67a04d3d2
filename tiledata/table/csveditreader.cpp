// CSV through libcsv, fed one physical line at a time so that every field
// is known by the line it ends on. Cells are taken as they stand: libcsv's
// trimming of blanks is turned off. The separator is the one of comma,
// semicolon and tab that splits the header row into column names, since
// spreadsheets save with the one their language uses.
#include <csv.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "editcollector.h"
#include "messagetext.h"

namespace tilewright {
namespace {

// How many cells of the first line are column names when split at `separator`
// (a cell may be quoted whole), and how many cells there are.
std::pair<std::size_t, std::size_t> KnownHeaderCells(std::string_view line, char separator) {
    std::size_t known = 0, cells = 0;
    for (std::size_t start = 0; start <= line.size(); ++cells) {
        const std::size_t end = std::min(line.find(separator, start), line.size());
        std::string_view cell = line.substr(start, end - start);
        if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"') cell = cell.substr(1, cell.size() - 2);
        known += FindColumn(cell).has_value();
        start = end + 1;
    }
    return {known, cells};
}

// The separator that makes every cell of the header (the first line that is
// not blank) a column name, else the one that makes the most, else a comma.
char HeaderSeparator(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of("\r\n"), text.size()));
    std::string_view line = text.substr(0, std::min(text.find_first_of("\r\n"), text.size()));
    char best = ',';
    std::size_t bestKnown = 0;
    for (const char separator : {',', ';', '\t'}) {
        const auto [known, cells] = KnownHeaderCells(line, separator);
        if (known == cells && cells > 1) return separator;
        if (known > bestKnown) best = separator, bestKnown = known;
    }
    return best;
}

class CsvEditReader {
public:
    explicit CsvEditReader(EditCollector& collector) : collector_(collector) {}

    Status Read(std::string_view text, const std::function<void(std::size_t)>& progress) {
        csv_parser parser{};
        if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0)
            return Error{ErrorKind::InvalidValue, collector_.At(1) + "cannot start the CSV reader"};
        const std::unique_ptr<csv_parser, void (*)(csv_parser*)> freed(&parser, csv_free);
        csv_set_space_func(&parser, [](unsigned char) { return 0; });
        csv_set_delim(&parser, static_cast<unsigned char>(HeaderSeparator(text)));

        std::size_t at = 0;
        while (at < text.size() && status_.ok()) {
            const void* newline = std::memchr(text.data() + at, '\n', text.size() - at);
            const std::size_t end = newline ? static_cast<std::size_t>(static_cast<const char*>(newline) - text.data()) + 1
                                            : text.size();
            const std::size_t length = end - at;
            if (csv_parse(&parser, text.data() + at, length, &Field, &RowEnd, this) != length && status_.ok())
                status_ = Malformed();
            at = end;
            ++line_;
            if (progress && (line_ & 0x3FFF) == 0) progress(at);
        }
        if (status_.ok()) {
            --line_;  // the last line has been counted, its end not yet seen
            if (csv_fini(&parser, &Field, &RowEnd, this) != 0 && status_.ok()) status_ = Malformed();
        }
        if (status_.ok() && header_.empty())
            status_ = Error{ErrorKind::InvalidValue, collector_.At(1) + "there is no header row"};
        return status_;
    }

private:
    static void Field(void* data, std::size_t length, void* self) {
        auto& reader = *static_cast<CsvEditReader*>(self);
        if (!reader.status_.ok()) return;
        const std::string_view text(static_cast<const char*>(data), data ? length : 0);
        reader.OnField(text);
    }

    static void RowEnd(int, void* self) {
        auto& reader = *static_cast<CsvEditReader*>(self);
        if (!reader.status_.ok()) return;
        reader.OnRowEnd();
    }

    void OnField(std::string_view text) {
        ++field_;
        if (field_ == 1) rowLine_ = line_, rowHasText_ = false;
        rowHasText_ = rowHasText_ || !text.empty();
        if (!inHeader_) {
            if (field_ == 1) collector_.BeginRow(line_);
            if (field_ > header_.size()) return;
            // An empty cell keeps the file's value: only kind and id must be
            // there, and a name when restoring.
            const int column = header_[field_ - 1];
            if (!text.empty() || column == kKindColumn || column == kIdColumn ||
                (column == kNameColumn && collector_.exact()))
                collector_.AddCell(column, text, line_, static_cast<std::uint32_t>(field_));
            return;
        }
        const auto column = FindColumn(text);
        if (!column) {
            Refuse("unknown column " + QuotedValue(text));
        } else if (IsFlagColumn(*column) && FlagBitOf(*column) >= collector_.flagBits()) {
            Refuse("column " + std::string(text) + " is not in the file's layout (" +
                   std::to_string(collector_.flagBits()) + "-bit flags)");
        } else {
            for (int seen : header_)
                if (seen == *column) return Refuse("column " + std::string(text) + " appears twice");
            header_.push_back(*column);
        }
    }

    void OnRowEnd() {
        const std::size_t fields = field_;
        field_ = 0;
        if (inHeader_) {
            inHeader_ = false;
            for (int required : {kKindColumn, kIdColumn})
                if (std::find(header_.begin(), header_.end(), required) == header_.end())
                    status_ = Error{ErrorKind::InvalidValue,
                                    collector_.At(rowLine_) + "the header has no column " + ColumnName(required)};
            return;
        }
        if (!rowHasText_) return;  // a row of cleared cells, skipped like a blank line
        if (fields != header_.size()) {
            status_ = Error{ErrorKind::InvalidValue, collector_.At(rowLine_) + "the row has " + std::to_string(fields) +
                                                         " fields, the header " + std::to_string(header_.size())};
            return;
        }
        status_ = collector_.EndRow();
    }

    void Refuse(const std::string& reason) {
        status_ = Error{ErrorKind::InvalidValue, collector_.At(line_, static_cast<std::uint32_t>(field_)) + reason};
    }

    Error Malformed() const {
        return Error{ErrorKind::InvalidValue, collector_.At(line_, static_cast<std::uint32_t>(field_ + 1)) +
                                                  "a quotation mark out of place or a quoted field left open (a "
                                                  "quoted field is quoted whole, with \"\" for each \" inside)"};
    }

    EditCollector& collector_;
    std::vector<int> header_;
    bool inHeader_ = true;
    std::uint32_t line_ = 1;
    std::uint32_t rowLine_ = 1;
    std::size_t field_ = 0;
    bool rowHasText_ = false;
    Status status_;  // the first refusal
};

}  // namespace

Status ReadCsvEdits(std::string_view text, EditCollector& collector, const std::function<void(std::size_t)>& progress) {
    return CsvEditReader(collector).Read(text, progress);
}

}  // namespace tilewright
