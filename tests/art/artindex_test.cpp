#include "artfixture.h"

namespace tilewright::arttest {
namespace {

using Decode_Mul::ArtIndexEntry;
using Decode_Mul::ReadArtIndexEntry;

bool Same(const std::optional<ArtIndexEntry>& a, const ArtIndexEntry& b) {
    return a && a->Lookup == b.Lookup && a->Length == b.Length && a->Extra == b.Extra;
}

class ArtIndex : public ::testing::Test {
protected:
    // Entry n holds n * 1000 + 1, -(n + 2), n << 20: every field and entry differs.
    static ArtIndexEntry Fields(std::int32_t n) { return {n * 1000 + 1, -(n + 2), n << 20}; }

    void Write(std::int32_t entries, std::size_t cutBytes = 0) {
        sample::ArtFileBuilder art(entries);
        for (std::int32_t n = 0; n < entries; ++n) art.SetIndexEntry(n, Fields(n));
        auto bytes = art.IndexBytes();
        bytes.resize(bytes.size() - cutBytes);
        ASSERT_TRUE(sample::WriteWholeFile(folder.path() + "artidx.mul", bytes).ok());
    }

    TempFolder folder;
};

TEST_F(ArtIndex, ReadsEntryNFromByte12N) {
    Write(40);
    for (std::int32_t n : {0, 1, 2, 17, 39}) EXPECT_TRUE(Same(ReadArtIndexEntry(n, folder.path()), Fields(n))) << n;
}

TEST_F(ArtIndex, AnEntryNotWhollyInsideTheFileIsNone) {
    Write(3, 1);  // entry 2 lacks its last byte
    EXPECT_TRUE(Same(ReadArtIndexEntry(1, folder.path()), Fields(1)));
    EXPECT_FALSE(ReadArtIndexEntry(2, folder.path()));
    EXPECT_FALSE(ReadArtIndexEntry(3, folder.path()));
    EXPECT_FALSE(ReadArtIndexEntry(INT32_MAX, folder.path()));
}

TEST_F(ArtIndex, ANegativeEntryNumberIsNone) {
    Write(3);
    // 12 * -1 wrapped to 64 bits would be a huge offset; as 32 bits, -12.
    for (std::int32_t n : {-1, -32768, INT32_MIN}) EXPECT_FALSE(ReadArtIndexEntry(n, folder.path())) << n;
}

TEST_F(ArtIndex, AMissingFileIsNone) { EXPECT_FALSE(ReadArtIndexEntry(0, folder.path())); }

TEST_F(ArtIndex, TheFileNameIsAppendedToTheFolderStringAsItStands) {
    sample::ArtFileBuilder art;
    art.SetIndexEntry(0, Fields(5));
    ASSERT_TRUE(sample::WriteWholeFile(folder.path() + "oldartidx.mul", art.IndexBytes()).ok());
    EXPECT_TRUE(Same(ReadArtIndexEntry(0, folder.path() + "old"), Fields(5)));
}

}  // namespace
}  // namespace tilewright::arttest
