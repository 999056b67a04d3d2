// A sample TileData.mul of one layout in a temporary folder, with helpers to
// read files back and to write input files beside it.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/files.h"
#include "support/tempfolder.h"
#include "tiledatabuilder.h"
#include "tiledatafile.h"

namespace tilewright::cli::testing {

using ::tilewright::testing::Listing;
using ::tilewright::testing::ReadAll;

using Bytes = std::vector<std::uint8_t>;

inline std::string TextOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

class SampleFile {
public:
    explicit SampleFile(const TileDataLayout& layout, Bytes bytes = {})
        : layout_(layout), original_(bytes.empty() ? sample::BuildSampleTileData(layout) : std::move(bytes)) {
        Reset();
    }

    const TileDataLayout& layout() const { return layout_; }
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return folder_.file(name); }
    std::string folder() const { return folder_.path(); }
    const Bytes& original() const { return original_; }
    Bytes now() const { return ReadAll(path_); }
    TileDataFile Read() const { return TileDataFile::FromBytes(path_, now()); }
    void Reset() { (void)sample::WriteWholeFile(path_, original_); }

    // The offsets of the bytes that differ from the original.
    std::vector<std::size_t> ChangedOffsets() const {
        const Bytes current = now();
        std::vector<std::size_t> changed;
        for (std::size_t i = 0; i < std::min(current.size(), original_.size()); ++i)
            if (current[i] != original_[i]) changed.push_back(i);
        return changed;
    }

private:
    TileDataLayout layout_;
    Bytes original_;
    tilewright::testing::TempFolder folder_;
    std::string path_ = folder_.file("TileData.mul");
};

inline std::string LayoutName(const ::testing::TestParamInfo<const TileDataLayout*>& info) {
    return info.param->id == "64bit" ? "wide" : std::string(info.param->id);
}

}  // namespace tilewright::cli::testing
