#include "artexport.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "decode_mul.h"
#include "gamefile.h"
#include "platformfile.h"
#include "pngencoder.h"

namespace tilewright {
namespace {


// How many ids of `kind` the art's `entryCount` entries hold: land entries
// come first, items from entry 16384 on.
std::int32_t IdCount(TileKind kind, std::int32_t entryCount) {
    return kind == TileKind::Land ? std::min(entryCount, Decode_Mul::kItemArtBase)
                                 : std::max(entryCount - Decode_Mul::kItemArtBase, 0);
}

// The PNG of one entry, or nothing when it has no picture.
Result<std::optional<std::vector<std::uint8_t>>> EntryPng(const std::string& artFolder, TileKind kind, std::int32_t id) {
    const auto picture = Decode_Mul::RenderArt(kind, id, artFolder);
    if (!picture) return std::optional<std::vector<std::uint8_t>>{};
    auto png = EncodePng(*picture);
    RETURN_IF_ERROR(png);
    return std::optional(std::move(png).value());
}

struct Job {
    TileKind kind;
    std::int32_t id;
};

}  // namespace

std::string ArtPictureFileName(TileKind kind, std::int32_t id) {
    char name[32];
    std::snprintf(name, sizeof name, "%s-%05d.png", KindName(kind).data(), static_cast<int>(id));
    return name;
}

Status ExportArtPicture(const std::string& artFolder, TileKind kind, std::int32_t id, const std::string& outPath) {
    const auto entryCount = Decode_Mul::ArtEntryCount(artFolder);
    RETURN_IF_ERROR(entryCount);
    const std::string entry = std::string(KindName(kind)) + " " + std::to_string(id);
    if (id < 0 || id >= IdCount(kind, *entryCount))
        return Error{ErrorKind::OutOfBounds, "The art in " + Quoted(artFolder) + " holds no " + entry + "."};
    auto png = EntryPng(artFolder, kind, id);
    RETURN_IF_ERROR(png);
    if (!*png)
        return Error{ErrorKind::InvalidValue, "The art in " + Quoted(artFolder) + " has no picture for " + entry + "."};
    return platform::WriteNewFile(outPath, **png);
}

Result<ArtExportSummary> ExportAllArt(const std::string& artFolder, const std::string& outFolder,
                                      const ArtExportOptions& options) {
    const auto entryCount = Decode_Mul::ArtEntryCount(artFolder);
    RETURN_IF_ERROR(entryCount);
    std::error_code ec;
    std::filesystem::create_directories(platform::PathFromUtf8(outFolder), ec);
    if (ec) return Error{ErrorKind::FileUnwritable, "Cannot create the folder " + Quoted(outFolder) + ": " + ec.message() + "."};

    std::vector<Job> jobs;
    for (TileKind kind : {TileKind::Land, TileKind::Item}) {
        if (!(kind == TileKind::Land ? options.land : options.items)) continue;
        for (std::int32_t id = 0; id < IdCount(kind, *entryCount); ++id) jobs.push_back({kind, id});
    }

    std::atomic<std::size_t> next{0}, done{0}, landPictures{0}, itemPictures{0};
    std::atomic<bool> failed{false};
    std::optional<Error> firstError;
    std::mutex mutex;
    std::condition_variable finished;
    unsigned running = 0;

    auto work = [&] {
        for (std::size_t i; !failed && (i = next++) < jobs.size(); ++done) {
            const Job job = jobs[i];
            auto png = EntryPng(artFolder, job.kind, job.id);
            Status written;
            if (png && *png)
                written = platform::WriteNewFile(
                    platform::Utf8FromPath(platform::PathFromUtf8(outFolder) / ArtPictureFileName(job.kind, job.id)), **png);
            if (!png || !written) {
                const std::lock_guard lock(mutex);
                if (!firstError) firstError = png ? written.error() : png.error();
                failed = true;
            } else if (*png) {
                ++(job.kind == TileKind::Land ? landPictures : itemPictures);
            }
        }
        const std::lock_guard lock(mutex);
        --running;
        finished.notify_all();
    };

    const unsigned cores = options.threads ? options.threads : std::max(1u, std::thread::hardware_concurrency());
    const auto threadCount = static_cast<unsigned>(std::clamp<std::size_t>(jobs.size(), 1, cores));
    std::vector<std::jthread> threads;
    running = threadCount;
    for (unsigned t = 0; t < threadCount; ++t) threads.emplace_back(work);
    {
        std::unique_lock lock(mutex);
        // The last round comes after every worker has ended, so that the
        // last call tells the whole count.
        for (bool last = false; !last;) {
            last = finished.wait_for(lock, std::chrono::milliseconds(100), [&] { return running == 0; });
            if (options.progress) {
                lock.unlock();
                options.progress(std::min(done.load(), jobs.size()), jobs.size());
                lock.lock();
            }
        }
    }
    threads.clear();
    if (firstError) return *firstError;
    return ArtExportSummary{landPictures, itemPictures};
}

}  // namespace tilewright
