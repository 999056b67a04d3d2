#include "editreader.h"

#include "editcollector.h"

namespace tilewright {

Result<std::vector<TileEdit>> ReadTileEdits(std::string_view text, const std::string& inputName,
                                            const TileDataFile& file, const ProgressFunction& progress) {
    // A byte order mark is not part of the first column's name.
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    EditCollector collector(inputName, file);
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    std::optional<Error> refused;
    if (first != std::string_view::npos && text[first] == '[') {
        refused = ReadJsonEdits(text, collector);
    } else {
        refused = ReadCsvEdits(text, collector, [&](std::size_t done) {
            if (progress) progress(done, text.size());
        });
    }
    if (refused) return *refused;
    return collector.TakeEdits();
}

}  // namespace tilewright
