#include <cctype>

#include "artfixture.h"

namespace tilewright::arttest {
namespace {

using Decode_Mul::DrawItemArt;
using Decode_Mul::kItemArtBase;

constexpr std::uint16_t c1 = 0x7C00, c2 = 0x03E0, c3 = 0x001F, c4 = 0x4210, c5 = 0x0000, c6 = 0x7FFF, c7 = 0x1234,
                        c8 = 0x8421;

// Header (4 unused bytes), ImageWidth, ImageHeight, then the row table.
std::vector<std::uint8_t> Image(int width, int height, std::initializer_list<int> tableAndRuns) {
    return Concat(Words({0xBEEF, 0xDEAD, width, height}), Words(tableAndRuns));
}

std::vector<std::uint8_t> WorkedExample() {
    return Image(5, 3, {0, 9, 11,                                 // RowOffsets
                        1, 2, c1, c2, 1, 1, c3, 0, 0,             // row 0 at D
                        0, 0,                                     // row 1 at D + 18
                        0, 5, c4, c5, c6, c7, c8, 0, 0});         // row 2 at D + 22
}

// The image drawn through the files as item 7, behind a land image so that
// its Lookup is not 0, and last in art.mul so that the file ends with it.
std::vector<PaintedPoint> DrawFromFiles(const std::vector<std::uint8_t>& image) {
    TempFolder folder;
    sample::ArtFileBuilder art;
    art.SetLand(3, sample::LandColours{});
    art.SetRawImage(kItemArtBase + 7, image);
    EXPECT_TRUE(art.WriteTo(folder.path()).ok());
    RecordingSurface surface;
    static_cast<void>(DrawItemArt(surface, 7, folder.path()));
    return surface.calls;
}

TEST(PaintItemImage, PaintsTheWorkedExamplePointByPoint) {
    const std::vector<PaintedPoint> expected = {
        {1, 0, Rgb(c1)}, {2, 0, Rgb(c2)}, {4, 0, Rgb(c3)},  // (0,0) and (3,0) untouched, row 1 empty
        {0, 2, Rgb(c4)}, {1, 2, Rgb(c5)}, {2, 2, Rgb(c6)}, {3, 2, Rgb(c7)}, {4, 2, Rgb(c8)},
    };
    EXPECT_EQ(PaintItem(WorkedExample()), expected);
    EXPECT_EQ(DrawFromFiles(WorkedExample()), expected);
}

struct MalformedCase {
    const char* name;
    std::vector<std::uint8_t> image;
    std::vector<PaintedPoint> painted;
    friend void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.name; }
};

// A long chain of one-pixel runs one apart: runs at x = 0, 2, 4, ... until
// the next would lie past x = 32767.
MalformedCase RunChainPastTheXLimit() {
    std::vector<std::uint8_t> image = Image(10, 1, {0, 0, 1, c1});
    std::vector<PaintedPoint> painted = {{0, 0, Rgb(c1)}};
    for (int x = 2; x < 40000; x += 2) {
        image = Concat(std::move(image), Words({1, 1, c2}));
        if (x <= 32767) painted.push_back({x, 0, Rgb(c2)});
    }
    return {"run chain past the x limit", Concat(std::move(image), Words({0, 0})), painted};
}

// A row 0x8000 or more words into the run data: the offsets are unsigned.
MalformedCase RowsFarIntoTheRunData() {
    std::vector<std::uint8_t> image = Image(4, 2, {0xFFFF, 0x8000});
    image.resize(image.size() + 2 * 0x8000, 0xAB);
    image = Concat(std::move(image), Words({2, 1, c1, 0, 0}));
    image.resize(image.size() + 2 * (0xFFFF - 0x8000 - 5), 0xCD);
    image = Concat(std::move(image), Words({1, 1, c2, 0, 0}));
    return {"rows far into the run data", image, {{1, 0, Rgb(c2)}, {2, 1, Rgb(c1)}}};
}

std::vector<MalformedCase> Cases() {
    return {
        {"gap of 0 ends the row", Image(10, 2, {0, 8, 0, 1, c1, 0, 1, c2, 0, 0, 3, 1, c3, 0, 0}),
         {{0, 0, Rgb(c1)}, {3, 1, Rgb(c3)}}},
        {"gap equal to width ends the row", Image(5, 1, {0, 0, 1, c1, 5, 1, c2, 0, 0}), {{0, 0, Rgb(c1)}}},
        {"gap above width ends the row", Image(5, 1, {0, 0, 1, c1, 6, 1, c2, 0, 0}), {{0, 0, Rgb(c1)}}},
        {"negative gap ends the row", Image(5, 1, {0, 0, 1, c1, -1, 1, c2, 0, 0}), {{0, 0, Rgb(c1)}}},
        {"gap just below width opens a run", Image(5, 1, {0, 0, 1, c1, 4, 1, c2, 0, 0}),
         {{0, 0, Rgb(c1)}, {5, 0, Rgb(c2)}}},
        {"width 0 leaves only first runs", Image(0, 1, {0, 2, 1, c1, 1, 1, c2, 0, 0}), {{2, 0, Rgb(c1)}}},
        {"first x is not bound by width", Image(2, 1, {0, 7, 1, c1, 0, 0}), {{7, 0, Rgb(c1)}}},
        {"negative first x is painted", Image(4, 1, {0, -3, 2, c1, c2, 0, 0}), {{-3, 0, Rgb(c1)}, {-2, 0, Rgb(c2)}}},
        {"first pair summing to 0 is an empty row", Image(4, 2, {0, 9, -2, 2, c1, c2, 1, 1, c3, 0, 0, 0, 1, c4, 0, 0}),
         {{0, 1, Rgb(c4)}}},
        {"first run length 0 ends the row", Image(4, 2, {0, 7, 3, 0, 1, 1, c1, 0, 0, 0, 1, c2, 0, 0}),
         {{0, 1, Rgb(c2)}}},
        {"negative first run length ends the row", Image(4, 2, {0, 5, 0, -1, c1, 0, 0, 0, 1, c2, 0, 0}),
         {{0, 1, Rgb(c2)}}},
        {"later run length 0 ends the row", Image(4, 1, {0, 0, 1, c1, 2, 0, 1, 1, c2, 0, 0}), {{0, 0, Rgb(c1)}}},
        {"negative later run length ends the row", Image(4, 1, {0, 0, 1, c1, 2, -3, c2, 0, 0}), {{0, 0, Rgb(c1)}}},
        {"ImageHeight 0 paints nothing", Image(4, 0, {0, 0, 1, c1, 0, 0}), {}},
        {"negative ImageHeight paints nothing", Image(4, -1, {0, 0, 1, c1, 0, 0}), {}},
        {"header cut short paints nothing", Words({0, 0, 4}), {}},
        {"row table cut short paints nothing", Image(4, 3, {0, 0}), {}},
        {"row past the end ends only that row", Image(4, 2, {1000, 0, 0, 1, c1, 0, 0}), {{0, 1, Rgb(c1)}}},
        {"row starting on the last byte ends", Concat(Image(4, 2, {5, 0, 0, 1, c1, 0, 0}), {0x01}),
         {{0, 1, Rgb(c1)}}},
        {"incomplete first run is not painted", Image(4, 1, {0, 0, 3, c1, c2}), {}},
        {"incomplete later run is not painted", Image(4, 1, {0, 0, 1, c1, 1, 3, c2, c3}), {{0, 0, Rgb(c1)}}},
        {"run length past its last byte", Concat(Image(4, 1, {0, 0, 2, c1}), {0x22}), {}},
        {"missing gap ends the row after its run", Image(4, 1, {0, 0, 1, c1}), {{0, 0, Rgb(c1)}}},
        {"gap without its run length", Image(4, 1, {0, 0, 1, c1, 1}), {{0, 0, Rgb(c1)}}},
        {"run up to x 32767 is painted", Image(4, 1, {0, 32766, 2, c1, c2, 1, 1, c3, 0, 0}),
         {{32766, 0, Rgb(c1)}, {32767, 0, Rgb(c2)}}},
        {"run past x 32767 is not painted", Image(4, 1, {0, 32767, 2, c1, c2, 0, 0}), {}},
        {"rows sharing their data", Image(4, 3, {0, 0, 0, 1, 1, c1, 0, 0}),
         {{1, 0, Rgb(c1)}, {1, 1, Rgb(c1)}, {1, 2, Rgb(c1)}}},
        {"black inside a run is painted, between runs nothing", Image(9, 1, {0, 0, 2, c5, c1, 3, 1, c5, 0, 0}),
         {{0, 0, 0}, {1, 0, Rgb(c1)}, {5, 0, 0}}},
        RunChainPastTheXLimit(),
        RowsFarIntoTheRunData(),
    };
}

class MalformedImage : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedImage, IsPaintedAsFarAsItIsValid) {
    EXPECT_EQ(PaintItem(GetParam().image), GetParam().painted);
    EXPECT_EQ(DrawFromFiles(GetParam().image), GetParam().painted);
}

// "gap of 0 ends the row" becomes GapOf0EndsTheRow.
std::string TestName(const ::testing::TestParamInfo<MalformedCase>& info) {
    std::string name;
    bool upper = true;
    for (const char* p = info.param.name; *p; ++p) {
        if (!std::isalnum(static_cast<unsigned char>(*p))) {
            upper = true;
            continue;
        }
        name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(*p))) : *p;
        upper = false;
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(PaintItemImage, MalformedImage, ::testing::ValuesIn(Cases()), TestName);

}  // namespace
}  // namespace tilewright::arttest

namespace tilewright::arttest {
namespace {

class CountingSurface final : public Decode_Mul::PixelSurface {
public:
    void SetPixel(int, int y, std::uint32_t) override {
        ++calls;
        lastRow = y;
    }
    std::uint64_t calls = 0;
    int lastRow = -1;
};

// 32767 rows that all point at one row of 32767 pixels would be a billion
// calls; the painting stops at its budget, with every row before it whole.
TEST(PaintItemImage, RowsSharingTheirDataStopAtThePixelBudget) {
    constexpr int kRows = 32767, kRun = 32767;
    std::vector<std::uint8_t> image = Words({0, 0, 100, kRows});
    image.resize(image.size() + 2 * kRows, 0);  // every row at word 0
    image = Concat(image, Words({0, kRun}));
    image.resize(image.size() + 2 * kRun, 0x11);
    image = Concat(image, Words({0, 0}));

    CountingSurface surface;
    Decode_Mul::PaintItemImage(surface, image);
    const std::uint64_t wholeRows = Decode_Mul::kItemPixelBudget / kRun;
    EXPECT_EQ(surface.calls, wholeRows * kRun);
    EXPECT_EQ(surface.lastRow, static_cast<int>(wholeRows) - 1);
}

}  // namespace
}  // namespace tilewright::arttest
