// Finding an entry's image in art.mul or in artLegacyMUL.uop; shared by the
// land and item painters.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "decode_mul.h"
#include "gamefile.h"

namespace tilewright::Decode_Mul {

// art.mul, open for reading, and the offset of the image's first byte there.
struct ArtImage {
    GameFile file;
    std::uint64_t start = 0;
};

// The image of entry `entryNumber`: nothing when the entry has no image or
// does not start inside art.mul. artidx.mul is closed before art.mul is opened.
std::optional<ArtImage> OpenArtImage(std::int32_t entryNumber, const std::string& artFolder);

// The path of artLegacyMUL.uop when `artFolder` takes its images from there:
// it lacks artidx.mul or art.mul (exact name or the single match ignoring
// case) and holds the container.
std::optional<std::string> ArtContainerPath(const std::string& artFolder);

// The bytes of image `entryNumber` in the container at `containerPath`, or
// nothing when it holds no such entry or the entry or container is broken. The
// container's table is read at the first call and kept until the file changes;
// the call that reads a broken table fails with what is wrong with it, later
// ones find nothing, so that a broken container is told once.
Result<std::optional<std::vector<std::uint8_t>>> ReadContainerImage(const std::string& containerPath,
                                                                    std::int32_t entryNumber);

// One past the highest entry number below kItemArtBase + 65536 (item numbers
// are 16-bit) that the container at `containerPath` holds, from the same kept
// table. An error names the file when it cannot be opened or is broken.
Result<std::int32_t> ContainerEntryCount(const std::string& containerPath);

// An item image read from art.mul on demand into one buffer that starts at the
// image's first byte and at least doubles whenever a field lies past it, so a
// typical image takes a single read and a large one a few. Whatever an image
// holds, the buffer stays under about 1 MB: the row table, the 16-bit row
// offsets and the rows (bounded by the x limit) all lie within 0.5 MB of its start.
class ArtFileWindow final : public ImageBytes {
public:
    static constexpr std::size_t kFirstRead = 8192;

    explicit ArtFileWindow(const ArtImage& image, std::size_t firstRead = kFirstRead);
    std::optional<std::span<const std::uint8_t>> Get(std::uint64_t offset, std::size_t length) override;
    void Expect(std::uint64_t end) override;

    std::size_t reads() const { return reads_; }  // reads of art.mul so far

private:
    const GameFile& file_;
    std::size_t firstRead_;
    std::uint64_t start_;
    std::uint64_t available_;  // bytes from start_ to the end of the file
    std::vector<std::uint8_t> buffer_;
    std::size_t reads_ = 0;

    void Grow(std::uint64_t wanted);
};

}  // namespace tilewright::Decode_Mul
