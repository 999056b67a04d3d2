#include "artput.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <filesystem>
#include <optional>
#include <thread>

#include "decode_mul.h"
#include "gamefile.h"
#include "pngdecoder.h"

namespace tilewright::Decode_Mul {

Result<std::int32_t> PictureEntry(TileKind kind, std::int32_t id) {
    const bool land = kind == TileKind::Land;
    if (id < 0 || id >= (land ? kItemArtBase : kWritableEntries - kItemArtBase))
        return Error{ErrorKind::OutOfBounds, std::string(land ? "Land " : "Item ") + std::to_string(id) +
                                                 (land ? " is not a land number from 0 to 16383."
                                                       : " is not an item number from 0 to 65535.")};
    return land ? id : kItemArtBase + id;
}

Result<EncodedImage> ReadPicture(TileKind kind, const std::string& pngPath) {
    const auto picture = ReadPngFile(pngPath);
    if (!picture) return picture.error();
    return kind == TileKind::Land ? EncodeLandImage(*picture, pngPath) : EncodeItemImage(*picture, pngPath);
}

Result<std::vector<PictureFile>> PictureFilesIn(const std::string& folder) {
    std::vector<PictureFile> files;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const bool land = name.starts_with("land-");
        if (!(land || name.starts_with("item-")) || !name.ends_with(".png") || name.size() <= 9) continue;
        const std::string_view digits = std::string_view(name).substr(5, name.size() - 9);
        std::int32_t id = 0;
        const auto [end_, err] = std::from_chars(digits.data(), digits.data() + digits.size(), id);
        if (err != std::errc{} || end_ != digits.data() + digits.size() || digits.front() == '-') continue;
        files.push_back({land ? TileKind::Land : TileKind::Item, id, it->path().string()});
    }
    if (ec) return Error{ErrorKind::FileUnreadable, "The folder " + Quoted(folder) + " cannot be read: " + ec.message() + "."};
    std::sort(files.begin(), files.end(), [](const PictureFile& a, const PictureFile& b) {
        return std::pair(a.kind != TileKind::Land, a.id) < std::pair(b.kind != TileKind::Land, b.id);
    });
    return files;
}

Result<PictureBatch> ReadPictures(std::span<const PictureFile> files) {
    std::vector<std::optional<Result<EncodedImage>>> images(files.size());
    std::vector<std::optional<Error>> badEntries(files.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i; (i = next.fetch_add(1)) < files.size();) {
            if (const auto entry = PictureEntry(files[i].kind, files[i].id); !entry)
                badEntries[i] = Error{entry.error().kind, Quoted(files[i].path) + ": " + entry.error().message};
            else
                images[i] = ReadPicture(files[i].kind, files[i].path);
        }
    };
    const std::size_t threads = std::min<std::size_t>(std::max(1u, std::thread::hardware_concurrency()), files.size());
    std::vector<std::jthread> pool;
    for (std::size_t t = 1; t < threads; ++t) pool.emplace_back(work);
    work();
    pool.clear();

    PictureBatch batch;
    batch.puts.reserve(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (badEntries[i]) return *badEntries[i];
        if (!*images[i]) return images[i]->error();
        const auto entry = PictureEntry(files[i].kind, files[i].id);
        batch.roundedAlpha += images[i]->value().roundedAlpha;
        batch.puts.push_back({*entry, std::move(images[i]->value().bytes)});
    }
    return batch;
}

Result<std::size_t> PutPicture(const std::string& artFolder, TileKind kind, std::int32_t id,
                               const std::string& pngPath, const ArtWriteOptions& options) {
    const auto entry = PictureEntry(kind, id);
    if (!entry) return entry.error();
    auto image = ReadPicture(kind, pngPath);
    if (!image) return image.error();
    const ImagePut put{*entry, std::move(image.value().bytes)};
    RETURN_IF_ERROR(PutArtImages(artFolder, std::span(&put, 1), options));
    return image->roundedAlpha;
}

Status RemovePicture(const std::string& artFolder, TileKind kind, std::int32_t id) {
    const auto entry = PictureEntry(kind, id);
    if (!entry) return entry.error();
    const auto removed = RemoveArtImages(artFolder, std::span(&entry.value(), 1));
    if (!removed) return removed.error();
    return {};
}

}  // namespace tilewright::Decode_Mul
