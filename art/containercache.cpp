// The tables of the containers read so far, kept so that a selection costs a
// hash lookup and one positioned read rather than a read of the whole table.
// The painters may run on several threads at once, so everything here is
// behind one mutex; a table is read under it, once.
#include <algorithm>
#include <map>
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
    std::uint64_t lastUse = 0;
};

struct TableCache {
    std::mutex mutex;
    std::vector<KeptTable> kept;
    std::uint64_t clock = 0;
    std::map<std::string, std::string> unreported;  // art folder -> what is wrong with its container
};

TableCache& Cache() {
    static TableCache cache;
    return cache;
}

std::shared_ptr<const ContainerTable> TableOf(const GameFile& container, const std::string& artFolder) {
    TableCache& cache = Cache();
    const std::lock_guard lock(cache.mutex);
    const FileIdentity& id = container.identity();
    auto same = std::find_if(cache.kept.begin(), cache.kept.end(), [&](const KeptTable& k) {
        return k.identity.device == id.device && k.identity.inode == id.inode;
    });
    if (same != cache.kept.end() && same->identity == id) {
        same->lastUse = ++cache.clock;
        return same->table;
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
        cache.unreported.erase(artFolder);
    } else {
        same->table = nullptr;
        cache.unreported[artFolder] = table.error().message;
    }
    return same->table;
}

}  // namespace

std::optional<std::string> ArtContainerPath(const std::string& artFolder) {
    if (FindGameFile(artFolder, kArtIndexFileName) && FindGameFile(artFolder, kArtFileName)) return std::nullopt;
    return FindGameFile(artFolder, kArtContainerFileName);
}

std::optional<std::vector<std::uint8_t>> ReadContainerImage(const std::string& containerPath, std::int32_t entryNumber,
                                                            const std::string& artFolder) {
    if (entryNumber < 0) return std::nullopt;
    const auto container = GameFile::OpenForReading(containerPath, "");
    if (!container) return std::nullopt;
    const auto table = TableOf(*container, artFolder);
    if (!table) return std::nullopt;
    const auto entry = table->Find(entryNumber);
    if (!entry) return std::nullopt;
    return ReadContainerEntry(FileContainerBytes(*container), *entry);
}

Result<std::int32_t> ContainerEntryCount(const std::string& containerPath, const std::string& artFolder) {
    const auto container = GameFile::OpenForReading(containerPath, "");
    if (!container) return container.error();
    const auto table = TableOf(*container, artFolder);
    if (!table) {
        const auto problem = TakeArtContainerProblem(artFolder);
        return Error{ErrorKind::FileUnreadable, problem ? *problem : "The art container " + Quoted(containerPath) + " is broken."};
    }
    // Names are hashes, so the numbers held are found by trying each one.
    for (std::int32_t count = kItemArtBase + 65536; count > 0; --count)
        if (table->Find(count - 1)) return count;
    return 0;
}

std::optional<std::string> TakeArtContainerProblem(const std::string& artFolder) {
    TableCache& cache = Cache();
    const std::lock_guard lock(cache.mutex);
    const auto found = cache.unreported.find(artFolder);
    if (found == cache.unreported.end()) return std::nullopt;
    std::string message = std::move(found->second);
    cache.unreported.erase(found);
    return message;
}

}  // namespace tilewright::Decode_Mul
