// JSON through nlohmann-json's event (SAX) interface: an array of flat
// objects whose keys are table columns, or one such object alone. The input is read through an
// iterator that records how far the lexer has got, so that every cell is
// known by its line; its field number is the key's place in the object.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstddef>
#include <iterator>

#include "editcollector.h"
#include "messagetext.h"

namespace tilewright {
namespace {

using Json = nlohmann::json;

// Counts the lines of the input read so far, up to the lexer's place.
class LineCounter {
public:
    explicit LineCounter(std::string_view text) : text_(text) {}
    const char* reached = nullptr;

    // The line of the last token: the lexer may have read one character past it.
    std::uint32_t Line() {
        const char* upTo = reached > text_.data() ? reached - 1 : text_.data();
        for (; scanned_ < upTo; ++scanned_)
            if (*scanned_ == '\n') ++line_;
        return line_;
    }

private:
    std::string_view text_;
    const char* scanned_ = text_.data();
    std::uint32_t line_ = 1;
};

class CountingIterator {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    CountingIterator(const char* at, LineCounter* counter) : at_(at), counter_(counter) {}
    reference operator*() const { return *at_; }
    CountingIterator& operator++() {
        counter_->reached = ++at_;
        return *this;
    }
    CountingIterator operator++(int) {
        CountingIterator before = *this;
        ++*this;
        return before;
    }
    bool operator==(const CountingIterator& other) const { return at_ == other.at_; }
    bool operator!=(const CountingIterator& other) const { return at_ != other.at_; }

private:
    const char* at_;
    LineCounter* counter_;
};

class JsonEditHandler : public nlohmann::json_sax<Json> {
public:
    JsonEditHandler(EditCollector& collector, LineCounter& lines) : collector_(collector), lines_(lines) {}
    Status status;  // the first refusal

    bool null() override { return Cell(std::nullopt, "null"); }
    bool boolean(bool) override { return Refuse("a value in column " + KeyName() + " is true or false, not a number"); }
    bool number_integer(number_integer_t value) override { return Number(std::to_string(value)); }
    bool number_unsigned(number_unsigned_t value) override { return Number(std::to_string(value)); }
    bool number_float(number_float_t, const string_t& text) override { return Number(text); }
    bool string(string_t& text) override {
        if (depth_ == 2 && column_ != kKindColumn && column_ != kNameColumn)
            return Refuse(QuotedValue(text) + " in column " + KeyName() + " is a string, not a number");
        return Cell(text, "a string");
    }
    bool binary(binary_t&) override { return Refuse("binary values are not table cells"); }

    bool start_object(std::size_t) override {
        if (depth_ == 0) ++depth_;  // a single object is a table of one row
        if (depth_ != 1) return Refuse("a cell must be a number or a string");
        ++depth_;
        field_ = 0;
        keys_.clear();
        collector_.BeginRow(lines_.Line());
        return true;
    }
    bool key(string_t& name) override {
        ++field_;
        const auto column = FindColumn(name);
        if (!column) return Refuse("unknown column " + QuotedValue(name));
        if (std::find(keys_.begin(), keys_.end(), *column) != keys_.end())
            return Refuse("column " + name + " appears twice in the object");
        keys_.push_back(*column);
        column_ = *column;
        return true;
    }
    bool end_object() override {
        --depth_;
        status = collector_.EndRow();
        return status.ok();
    }
    bool start_array(std::size_t) override {
        if (depth_ != 0) return Refuse(depth_ == 1 ? "the array must hold objects" : "a cell must be a number or a string");
        ++depth_;
        return true;
    }
    bool end_array() override {
        --depth_;
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& problem) override {
        std::string what = problem.what();
        // "[json.exception.parse_error.101] parse error at line 3, column 5: syntax error ..."
        if (const auto colon = what.find(": "); colon != std::string::npos) what = what.substr(colon + 2);
        status = Error{ErrorKind::InvalidValue, collector_.At(lines_.Line()) + "not valid JSON: " + what};
        return false;
    }

private:
    std::string KeyName() const { return ColumnName(column_); }

    bool Number(const std::string& text) {
        if (depth_ == 2 && (column_ == kKindColumn || column_ == kNameColumn))
            return Refuse(QuotedValue(text) + " in column " + KeyName() + " is a number, not a string");
        return Cell(text, "a number");
    }

    // A value: a cell inside an object, refused anywhere else; null is an empty cell.
    bool Cell(const std::optional<std::string>& text, const char* what) {
        if (depth_ != 2)
            return Refuse(std::string(depth_ == 0 ? "the file must be an array of objects or one object, not "
                                                  : "the array must hold objects, not ") +
                          what);
        if (text) collector_.AddCell(column_, *text, lines_.Line(), field_);
        return true;
    }

    bool Refuse(const std::string& reason) {
        status = Error{ErrorKind::InvalidValue,
                       (depth_ == 2 ? collector_.At(lines_.Line(), field_) : collector_.At(lines_.Line())) + reason};
        return false;
    }

    EditCollector& collector_;
    LineCounter& lines_;
    int depth_ = 0;
    int column_ = kKindColumn;
    std::uint32_t field_ = 0;
    std::vector<int> keys_;
};

}  // namespace

Status ReadJsonEdits(std::string_view text, EditCollector& collector) {
    LineCounter lines(text);
    JsonEditHandler handler(collector, lines);
    const CountingIterator begin(text.data(), &lines), end(text.data() + text.size(), &lines);
    Json::sax_parse(begin, end, &handler, nlohmann::detail::input_format_t::json, true);
    return handler.status;
}

}  // namespace tilewright
