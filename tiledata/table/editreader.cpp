#include "editreader.h"

#include "editcollector.h"

namespace tilewright {

Result<std::vector<TileEdit>> ReadTileEdits(std::string_view bytes, const std::string& inputName,
                                            const TileDataFile& file, const EditReading& reading,
                                            const ProgressFunction& progress) {
    std::string converted;
    const auto text = DecodeTableText(bytes, inputName, reading.encoding, converted);
    RETURN_IF_ERROR(text);
    EditCollector collector(inputName, file, reading.exact);
    const std::size_t first = text->find_first_not_of(" \t\r\n");
    const bool json = first != std::string_view::npos && ((*text)[first] == '[' || (*text)[first] == '{');
    const auto csvProgress = [&](std::size_t done) {
        if (progress) progress(done, text->size());
    };
    RETURN_IF_ERROR(json ? ReadJsonEdits(*text, collector) : ReadCsvEdits(*text, collector, csvProgress));
    return collector.TakeEdits();
}

}  // namespace tilewright
