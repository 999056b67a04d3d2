#include "editreader.h"

#include "editcollector.h"

namespace tilewright {

Result<std::vector<TileEdit>> ReadTileEdits(std::string_view bytes, const std::string& inputName,
                                            const TileDataFile& file, const EditReading& reading,
                                            const ProgressFunction& progress) {
    std::string converted;
    const auto text = DecodeTableText(bytes, inputName, reading.encoding, converted);
    if (!text) return text.error();
    EditCollector collector(inputName, file, reading.exact);
    const std::size_t first = text->find_first_not_of(" \t\r\n");
    std::optional<Error> refused;
    if (first != std::string_view::npos && ((*text)[first] == '[' || (*text)[first] == '{')) {
        refused = ReadJsonEdits(*text, collector);
    } else {
        refused = ReadCsvEdits(*text, collector, [&](std::size_t done) {
            if (progress) progress(done, text->size());
        });
    }
    if (refused) return *refused;
    return collector.TakeEdits();
}

}  // namespace tilewright
