// Files made by tilewright-cli are the same bytes on every system: the
// digests below are those of the Linux build, and the Windows build must
// reach them too (no line end or path separator may creep in).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "cli/clirun.h"
#include "cli/samplefile.h"
#include "sampleart.h"

namespace tilewright::cli {
namespace {

using testing::RunCli;
using testing::SampleFile;
using testing::TextOf;

std::uint64_t Fnv1a(const std::string& bytes) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (unsigned char c : bytes) hash = (hash ^ c) * 0x100000001b3u;
    return hash;
}

TEST(OutputBytes, ExportsAndPicturesAreTheSameOnEverySystem) {
    SampleFile sample(kClassicLayout);
    sample::ArtFileBuilder art(Decode_Mul::kItemArtBase + 1);
    art.SetLand(0, *sample::SampleLandImage(1));
    art.SetItem(0, *sample::SampleItemImage(1500));
    ASSERT_TRUE(art.WriteTo(sample.folder()).ok());

    const struct {
        const char* what;
        std::vector<std::string> args;
        const char* file;  // the output file, or nothing for standard output
        std::uint64_t digest;
    } cases[] = {
        {"CSV", {"export", sample.path()}, nullptr, 6851278225803125267u},
        {"JSON", {"export", sample.path(), "--format", "json", "--kind", "item"}, nullptr, 586651964121671222u},
        {"CSV file", {"export", sample.path(), "-o", sample.file("out.csv")}, "out.csv", 6851278225803125267u},
        {"land picture", {"art", sample.folder(), "land", "0", "-o", sample.file("land.png")}, "land.png", 7233299345518633229u},
        {"item picture", {"art", sample.folder(), "item", "0", "-o", sample.file("item.png")}, "item.png", 10456933957611030032u},
    };
    for (const auto& c : cases) {
        const auto run = RunCli(c.args);
        ASSERT_EQ(run.status, kExitDone) << c.what << ": " << run.err;
        const std::string bytes = c.file ? TextOf(sample.file(c.file)) : run.out;
        EXPECT_EQ(Fnv1a(bytes), c.digest) << c.what;
    }
}

}  // namespace
}  // namespace tilewright::cli
