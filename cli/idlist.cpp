#include "idlist.h"

#include <algorithm>
#include <charconv>

#include "messagetext.h"

namespace tilewright::cli {
namespace {

bool ParseId(std::string_view text, std::int32_t& id) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, id);
    return !text.empty() && text.front() != '-' && ec == std::errc{} && ptr == end;
}

void SortUnique(std::vector<std::int32_t>& ids) {
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
}

}  // namespace

Result<std::vector<std::int32_t>> ParseIdList(std::string_view text, std::int32_t held) {
    std::vector<std::int32_t> ids;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view part = text.substr(start, comma - start);
        const std::size_t dash = part.find('-');
        std::int32_t first = 0, last = 0;
        const bool ok = dash == std::string_view::npos
                            ? ParseId(part, first) && ParseId(part, last)
                            : ParseId(part.substr(0, dash), first) && ParseId(part.substr(dash + 1), last) && first <= last;
        if (!ok)
            return Error{ErrorKind::InvalidValue, QuotedValue(part) + " in the ids " + QuotedValue(text) +
                                                      " is not an id or a range FIRST-LAST"};
        if (last >= held)
            return Error{ErrorKind::OutOfBounds, "the file holds no id " + std::to_string(last) + " (0 to " +
                                                     std::to_string(held - 1) + ")"};
        for (std::int64_t id = first; id <= last; ++id) ids.push_back(static_cast<std::int32_t>(id));
        start = comma + 1;
    }
    SortUnique(ids);
    return ids;
}

Result<std::vector<std::int32_t>> ReadIdLines(std::istream& in, const std::string& inputName, std::int32_t held) {
    // One character more than a message shows: a longer line is no id anyway.
    constexpr std::size_t kLongestLine = 41;
    std::vector<bool> listed(static_cast<std::size_t>(std::max(held, 0)));
    std::streambuf& input = *in.rdbuf();
    std::string line;
    std::uint64_t number = 1;
    const auto refuse = [&] {
        return Error{ErrorKind::InvalidValue, inputName + ":" + std::to_string(number) + ":1: " + QuotedValue(line) +
                                                  " is not an id the file holds (0 to " + std::to_string(held - 1) +
                                                  ")"};
    };
    for (int c = input.sbumpc();; c = input.sbumpc()) {
        if (c != std::char_traits<char>::eof() && c != '\n') {
            if (line.size() == kLongestLine) return refuse();
            line += static_cast<char>(c);
            continue;
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::int32_t id = 0;
        if (!line.empty() && (!ParseId(line, id) || id >= held)) return refuse();
        if (!line.empty()) listed[static_cast<std::size_t>(id)] = true;
        if (c == std::char_traits<char>::eof()) break;
        line.clear();
        ++number;
    }
    std::vector<std::int32_t> ids;
    for (std::size_t id = 0; id < listed.size(); ++id)
        if (listed[id]) ids.push_back(static_cast<std::int32_t>(id));
    return ids;
}

}  // namespace tilewright::cli
