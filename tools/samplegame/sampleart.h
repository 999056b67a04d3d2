// The synthetic art of the sample game: a full-size artidx.mul and art.mul (or
// the same images in artLegacyMUL.uop)
// whose land diamonds and item pictures are made procedurally (gradients,
// stripes, checkers, discs, rings, frames), so they are easy to tell apart
// on screen. Every run writes the same bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "artcontainerbuilder.h"
#include "artfilebuilder.h"
#include "error.h"

namespace tilewright::sample {

inline constexpr std::int32_t kSampleLandCount = 16384;  // entries 0..16383
inline constexpr std::int32_t kSampleItemCount = 16383;  // items 0..16382, entries 16384..32766
// Items from here to the end of the classic range have neither a record nor
// a picture in the sample game: free numbers for new tiles, as real files have.
inline constexpr std::int32_t kSampleFreeItems = 16352;
// An item whose image (256 x 256) is larger than the picture area and whose
// later rows start past word 32767 of the run data.
inline constexpr std::int32_t kSampleLargeItem = 999;

// The colours of land entry `entry`, or nothing for the entries without an image.
std::optional<LandColours> SampleLandImage(std::int32_t entry);
// The picture of item `itemNumber`, or nothing for the items without an image.
std::optional<ItemGrid> SampleItemImage(std::int32_t itemNumber);

ArtFileBuilder BuildSampleArt();
// The same images as one container: about two in three compressed, every
// fifth entry behind a data header, unused records now and then, 1000 records a block.
ArtContainerBuilder BuildSampleArtContainer();

enum class SampleArtForm { Mul, Container };
// Writes `folder` + "artidx.mul" and `folder` + "art.mul", or `folder` + "artLegacyMUL.uop".
Status WriteSampleArt(const std::string& folder, SampleArtForm form = SampleArtForm::Mul);

}  // namespace tilewright::sample
