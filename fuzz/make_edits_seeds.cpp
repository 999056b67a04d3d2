// Writes a starting corpus for the edits fuzzer into the folder named by its
// argument: the first rows of CSV and JSON exports of small files of both
// flag widths, partial CSVs as spreadsheets save them (semicolons in the
// Windows code page, UTF-16 with its byte order mark, cleared rows) and a
// single JSON object, in the fuzzer's input layout.
#include <cstdio>
#include <string>
#include <vector>

#include "tableexport.h"
#include "tiledatabuilder.h"

namespace {

using namespace tilewright;

// The table up to its `rows`-th line end, closed again for JSON.
std::string FirstRows(const std::string& table, int rows, bool json) {
    std::size_t end = 0;
    for (int i = 0; i <= rows && end != std::string::npos; ++i) end = table.find('\n', end + 1);
    std::string part = table.substr(0, end == std::string::npos ? table.size() : end + 1);
    if (json) {
        while (!part.empty() && part.back() != '}') part.pop_back();
        part += "\n]\n";
    }
    return part;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s corpus-folder/\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    std::vector<std::string> seeds;
    for (const TileDataLayout* layout : {&kClassicLayout, &kWideFlagLayout}) {
        const char selector = layout->FlagBits() == 64 ? '\1' : '\0';
        std::vector<std::uint8_t> bytes = sample::BuildSampleTileData(*layout);
        bytes.resize(layout->itemSectionStart + 2 * layout->BlockSize(TileKind::Item));
        const TileDataFile file = TileDataFile::FromBytes("TileData.mul", bytes);
        seeds.push_back(selector + FirstRows(ExportTable(file, KindSelection::All, TableFormat::Csv), 6, false));
        seeds.push_back(selector + FirstRows(ExportTable(file, KindSelection::Item, TableFormat::Json), 3, true));
    }
    seeds.push_back(std::string(1, '\0') + "kind,id,weight,name\r\nitem,5,50,\"a \"\"b\"\", c\"\r\nitem,6,,\r\n");
    seeds.push_back(std::string(1, '\6') + "kind;id;weight;name\r\nitem;5;50;Gr\xFCn\r\n;;;\r\nitem;6;;\r\n");
    seeds.push_back(std::string(1, '\0') + std::string("\xFF\xFEk\0i\0n\0d\0\t\0i\0d\0\n\0i\0t\0e\0m\0\t\0\x35\0", 30));
    seeds.push_back(std::string(1, '\5') + "{\"kind\": \"item\", \"id\": 5, \"name\": \"\"}");
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        const std::string path = folder + "seed-" + std::to_string(i);
        if (const std::vector<std::uint8_t> bytes(seeds[i].begin(), seeds[i].end());
            !sample::WriteWholeFile(path, bytes)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
