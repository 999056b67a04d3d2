#include "samplegame.h"

#include "sampleart.h"
#include "tiledatabuilder.h"
#include "tileloader.h"

namespace tilewright::sample {

Status WriteSampleGame(const std::string& folder) {
    if (Status tiles = WriteWholeFile(folder + kTileDataFileName, BuildSampleTileData()); !tiles) return tiles;
    return WriteSampleArt(folder);
}

}  // namespace tilewright::sample
