#include "samplegame.h"

#include "sampleart.h"
#include "tiledatabuilder.h"
#include "tileloader.h"

namespace tilewright::sample {

Status WriteSampleGame(const std::string& folder, const TileDataLayout& layout, SampleArtForm art) {
    if (Status tiles = WriteWholeFile(folder + kTileDataFileName, BuildSampleTileData(layout)); !tiles) return tiles;
    return WriteSampleArt(folder, art);
}

}  // namespace tilewright::sample
