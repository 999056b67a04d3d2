#include "artpresence.h"

#include "artcontainerbuilder.h"
#include "artfixture.h"

namespace tilewright::arttest {
namespace {

using Decode_Mul::ArtPresence;
using Decode_Mul::ItemArtEntry;

TEST(ArtPresence, AnswersFromTheIndexOfThePairOrTheContainer) {
    sample::ArtFileBuilder art(16384 + 10);
    art.SetLand(1, sample::LandColours{});
    sample::ItemGrid grid(1, 1);
    grid.at(0, 0) = 0x1234;
    art.SetItem(2, grid);
    art.SetIndexEntry(5, {-7, 0, 0});          // negative: leads nowhere
    art.SetIndexEntry(6, {1 << 30, 2024, 0});  // past art.mul: still the entry's own

    for (bool container : {false, true}) {
        SCOPED_TRACE(container ? "container" : ".mul pair");
        TempFolder folder;
        if (container) {
            ASSERT_TRUE(sample::ContainerOfArt(art, [](std::int32_t) { return sample::ContainerEntryForm{}; })
                            .WriteTo(folder.path())
                            .ok());
        } else {
            ASSERT_TRUE(art.WriteTo(folder.path()).ok());
        }
        const auto presence = ArtPresence::Read(folder.path());
        ASSERT_TRUE(presence.ok()) << presence.error().message;
        EXPECT_TRUE(presence->Has(1));
        EXPECT_TRUE(presence->Has(ItemArtEntry(2)));
        EXPECT_FALSE(presence->Has(0));
        EXPECT_FALSE(presence->Has(ItemArtEntry(3)));
        EXPECT_FALSE(presence->Has(5));
        EXPECT_EQ(presence->Has(6), !container);  // the container builder leaves out what art.mul lacks
        EXPECT_FALSE(presence->Has(ItemArtEntry(60000)));
        EXPECT_FALSE(presence->Has(-1));
    }
}

TEST(ArtPresence, AFolderWithoutArtIsAnErrorNamingTheFile) {
    TempFolder folder;
    const auto presence = ArtPresence::Read(folder.path());
    ASSERT_FALSE(presence.ok());
    EXPECT_NE(presence.error().message.find("artidx.mul"), std::string::npos) << presence.error().message;
}

}  // namespace
}  // namespace tilewright::arttest
