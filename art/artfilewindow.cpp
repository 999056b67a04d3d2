#include <algorithm>

#include "artimage.h"

namespace tilewright::Decode_Mul {

ArtFileWindow::ArtFileWindow(const ArtImage& image, std::size_t firstRead)
    : file_(image.file), firstRead_(firstRead), start_(image.start), available_(image.file.size() - image.start) {}

std::optional<std::span<const std::uint8_t>> ArtFileWindow::Get(std::uint64_t offset, std::size_t length) {
    if (offset > available_ || length > available_ - offset) return std::nullopt;
    const std::uint64_t end = offset + length;
    if (end > buffer_.size()) {
        Grow(std::max<std::uint64_t>({end, firstRead_, 2 * std::uint64_t{buffer_.size()}}));
        if (end > buffer_.size()) return std::nullopt;
    }
    return std::span<const std::uint8_t>(buffer_).subspan(static_cast<std::size_t>(offset), length);
}

void ArtFileWindow::Expect(std::uint64_t end) {
    // Capped like every other growth: the buffer never outgrows what an
    // image can reach.
    constexpr std::uint64_t kMostExpected = std::uint64_t{1} << 20;
    if (end > buffer_.size()) Grow(std::min(end, kMostExpected));
}

void ArtFileWindow::Grow(std::uint64_t wanted) {
    wanted = std::min(available_, wanted);
    const std::size_t have = buffer_.size();
    if (wanted <= have) return;
    buffer_.resize(static_cast<std::size_t>(wanted));
    ++reads_;
    const auto got = file_.ReadAt(start_ + have, std::span(buffer_).subspan(have));
    // A failed or short read (the file shrank) leaves what did arrive.
    const std::size_t arrived = got ? *got : 0;
    buffer_.resize(have + arrived);
    if (buffer_.size() < wanted) available_ = buffer_.size();
}

}  // namespace tilewright::Decode_Mul
