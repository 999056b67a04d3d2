#include "tilebrowserfilter.h"

#include <algorithm>
#include <charconv>

#include "freeslots.h"

namespace tilewright {
namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// "1234" or "0x4D2" (any case), nothing else.
std::optional<std::int32_t> Number(std::string_view text) {
    text = Trimmed(text);
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

}  // namespace

std::optional<std::pair<std::int32_t, std::int32_t>> NumberRange(const std::string& text) {
    if (const auto one = Number(text)) return std::pair(*one, *one);
    const std::size_t dash = text.find('-');
    if (dash == std::string::npos) return std::nullopt;
    const auto first = Number(std::string_view(text).substr(0, dash));
    const auto last = Number(std::string_view(text).substr(dash + 1));
    if (!first || !last) return std::nullopt;
    return std::pair(std::min(*first, *last), std::max(*first, *last));
}

TileFilterer::TileFilterer(std::shared_ptr<const TileDataFile> file, TileKind kind) : file_(std::move(file)), kind_(kind) {}

std::vector<std::int32_t> TileFilterer::Filter(const BrowserFilter& filter, const HasPicture& hasPicture) {
    const TileDataFile& file = *file_;
    const std::int32_t held = file.HeldCount(kind_);
    const std::string_view text = Trimmed(filter.text);
    const auto range = NumberRange(std::string(text));
    std::vector<std::int32_t> ids;
    std::string folded;
    if (!text.empty() && !range) {
        const auto wanted = FoldedNames::Fold(text);
        if (!wanted) return ids;
        folded = *wanted;
        if (!names_) names_.emplace(file, kind_);
        BrowserFilter rest = filter;
        rest.text = last_ ? last_->text : std::string();
        // Every name holding the longer text holds the shorter one too.
        const bool narrows = last_ && rest == *last_ && !lastFolded_.empty() && folded.find(lastFolded_) != std::string::npos;
        if (narrows) {
            for (const std::int32_t n : lastIds_)
                if (names_->Contains(n, folded)) ids.push_back(n);
        } else {
            for (std::int32_t n = 0; n < held; ++n)
                if (names_->Contains(n, folded)) ids.push_back(n);
        }
    } else {
        const std::int32_t first = range ? std::min(range->first, held) : 0;
        const std::int32_t end = range ? std::min(range->second + 1, held) : held;
        ids.reserve(static_cast<std::size_t>(std::max(0, end - first)));
        for (std::int32_t n = first; n < end; ++n) ids.push_back(n);
    }

    const bool asksPictures = NeedsPictures(filter);
    std::erase_if(ids, [&](std::int32_t n) {
        const bool picture = asksPictures && hasPicture(n);
        if ((filter.withPicture && !picture) || (filter.withoutPicture && picture)) return true;
        if (filter.flagMask) {
            const std::uint64_t flags = file.Row(kind_, n).flags;
            if ((flags & filter.flagMask) != filter.flagValues) return true;
        }
        return filter.freeSlots && (picture || !IsEmptyRecord(file, kind_, n));
    });
    last_ = filter;
    lastFolded_ = folded;
    lastIds_ = ids;
    return ids;
}

}  // namespace tilewright
