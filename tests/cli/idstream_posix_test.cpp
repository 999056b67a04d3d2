// set - on a long stream of ids: the heap in use while it reads stays flat
// (measured with the allocator's own count, sampled as the stream is read).
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <istream>
#include <sstream>
#include <streambuf>

#include "cli/samplefile.h"
#include "commandline.h"

namespace tilewright::cli {
namespace {

using namespace testing;

// `lines` ids of the classic item range, one a line, made as they are read;
// every `sampleEvery` lines the heap in use is noted.
class IdStream : public std::streambuf {
public:
    IdStream(std::uint64_t lines, std::uint64_t sampleEvery) : lines_(lines), sampleEvery_(sampleEvery) {}
    std::size_t lowest = SIZE_MAX, highest = 0;

protected:
    int_type underflow() override {
        if (line_ == lines_) return traits_type::eof();
        if (line_ % sampleEvery_ == 0 && line_ > 0) {
            const std::size_t used = mallinfo2().uordblks;
            lowest = std::min(lowest, used);
            highest = std::max(highest, used);
        }
        text_ = std::to_string(line_ * 7919 % 16383) + "\n";
        ++line_;
        setg(text_.data(), text_.data(), text_.data() + text_.size());
        return traits_type::to_int_type(text_[0]);
    }

private:
    std::uint64_t lines_, sampleEvery_, line_ = 0;
    std::string text_;
};

TEST(SetFromAStream, HeapStaysFlatOnMillionsOfIds) {
    SampleFile sample(kClassicLayout);
    IdStream ids(4'000'000, 250'000);
    std::istream in(&ids);
    std::ostringstream out, err;
    const int status =
        RunCommandLine({"tilewright-cli", "set", sample.path(), "item", "-", "hue=1", "--dry-run"}, in, out, err);
    ASSERT_EQ(status, kExitDone) << err.str();
    EXPECT_GT(out.str().size(), 0u);
    // Four million ids kept one by one would take 16 MB; one bit per record is 2 KB.
    RecordProperty("heap growth bytes", std::to_string(ids.highest - ids.lowest));
    EXPECT_LT(ids.highest - ids.lowest, std::size_t{64} << 10) << "from " << ids.lowest << " to " << ids.highest;
}

}  // namespace
}  // namespace tilewright::cli
