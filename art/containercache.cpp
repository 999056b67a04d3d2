// The tables of the containers read so far, kept so that a selection costs a
// hash lookup and one positioned read rather than a read of the whole table.
// The painters may run on several threads at once, so everything here is
// behind one mutex; a table is read under it, once.
#include <algorithm>
#include <memory>
#include <mutex>

#include "artimage.h"
#include "containertable.h"

namespace tilewright::Decode_Mul {
namespace {

// A few folders' worth: switching between game folders stays fast, and an
// old version of a file does not stay in memory for long.
constexpr std::size_t kKeptTables = 4;

struct KeptTable {
    FileIdentity identity;
    std::shared_ptr<const ContainerTable> table;  // null when the container is broken
    Error problem{ErrorKind::FileUnreadable, {}};  // what is wrong with it then
    std::uint64_t lastUse = 0;
};

struct TableCache {
    std::mutex mutex;
    std::vector<KeptTable> kept;
    std::uint64_t clock = 0;
};

// A container's table, or what is wrong with it; `fresh` when this lookup
// read the table, so that a broken container is told once per version.
struct TableLookup {
    std::shared_ptr<const ContainerTable> table;
    Error problem;
    bool fresh = false;
};

TableCache& Cache() {
    static TableCache cache;
    return cache;
}

TableLookup TableOf(const GameFile& container) {
    TableCache& cache = Cache();
    const std::lock_guard lock(cache.mutex);
    const FileIdentity& id = container.identity();
    auto same = std::find_if(cache.kept.begin(), cache.kept.end(), [&](const KeptTable& k) {
        return k.identity.device == id.device && k.identity.inode == id.inode;
    });
    if (same != cache.kept.end() && same->identity == id) {
        same->lastUse = ++cache.clock;
        return {same->table, same->problem, false};
    }
    // A changed file replaces its old table; a new one takes the place of
    // the table unused the longest once enough are kept.
    if (same == cache.kept.end()) {
        if (cache.kept.size() < kKeptTables) {
            same = cache.kept.emplace(cache.kept.end());
        } else {
            same = std::min_element(cache.kept.begin(), cache.kept.end(),
                                    [](const KeptTable& a, const KeptTable& b) { return a.lastUse < b.lastUse; });
        }
    }
    auto table = ContainerTable::Read(FileContainerBytes(container), container.path());
    same->identity = id;
    same->lastUse = ++cache.clock;
    if (table) {
        same->table = std::make_shared<const ContainerTable>(std::move(table).value());
    } else {
        same->table = nullptr;
        same->problem = table.error();
    }
    return {same->table, same->problem, true};
}

}  // namespace

std::optional<std::string> ArtContainerPath(const std::string& artFolder) {
    if (FindGameFile(artFolder, kArtIndexFileName) && FindGameFile(artFolder, kArtFileName)) return std::nullopt;
    return FindGameFile(artFolder, kArtContainerFileName);
}

Result<std::optional<std::vector<std::uint8_t>>> ReadContainerImage(const std::string& containerPath,
                                                                    std::int32_t entryNumber) {
    if (entryNumber < 0) return std::optional<std::vector<std::uint8_t>>();
    const auto container = GameFile::OpenForReading(containerPath, "");
    if (!container) return std::optional<std::vector<std::uint8_t>>();
    const TableLookup lookup = TableOf(*container);
    if (!lookup.table) {
        if (lookup.fresh) return lookup.problem;
        return std::optional<std::vector<std::uint8_t>>();
    }
    const auto entry = lookup.table->Find(entryNumber);
    if (!entry) return std::optional<std::vector<std::uint8_t>>();
    return ReadContainerEntry(FileContainerBytes(*container), *entry);
}

Result<std::int32_t> ContainerEntryCount(const std::string& containerPath) {
    const auto container = GameFile::OpenForReading(containerPath, "");
    RETURN_IF_ERROR(container);
    const TableLookup lookup = TableOf(*container);
    if (!lookup.table) return lookup.problem;
    // Names are hashes, so the numbers held are found by trying each one.
    for (std::int32_t count = kItemArtBase + 65536; count > 0; --count)
        if (lookup.table->Find(count - 1)) return count;
    return 0;
}

}  // namespace tilewright::Decode_Mul
