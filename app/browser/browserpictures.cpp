#include "browserpictures.h"

#include <QCoreApplication>
#include <QImage>

#include "artrender.h"

namespace tilewright {
namespace {

// About four screens of cells: requests beyond that are for cells scrolled
// far out of sight.
constexpr std::size_t kMostWanted = 512;
// What a kept picture costs besides its points: the map's node and the age list's.
constexpr std::size_t kEntryOverhead = 128;

QImage Scaled(const Decode_Mul::RgbaImage& picture) {
    const QImage full(picture.rgba.data(), picture.width, picture.height, picture.width * 4, QImage::Format_RGBA8888);
    const int side = BrowserPictures::kSide;
    QImage fitted = picture.width <= side && picture.height <= side
                        ? full.copy()
                        : full.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return fitted.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

BrowserPictures::BrowserPictures(std::size_t byteBound, QObject* parent) : QObject(parent), bound_(byteBound) {
    // One core stays for the window, so that scrolling never waits for painters.
    pool_.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
}

BrowserPictures::~BrowserPictures() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        wanted_.clear();
    }
    pool_.waitForDone();
}

BrowserPictures::Key BrowserPictures::KeyOf(TileKind kind, std::int32_t id) {
    return (kind == TileKind::Item ? 0x80000000u : 0u) | static_cast<std::uint32_t>(id & 0x7FFFFFFF);
}

void BrowserPictures::SetArtFolder(const std::string& artFolder) {
    {
        const std::lock_guard lock(mutex_);
        artFolder_ = artFolder;
        ++generation_;
        wanted_.clear();
    }
    kept_.clear();
    ages_.clear();
    none_.clear();
    asked_.clear();
    bytes_ = 0;
}

void BrowserPictures::Forget(TileKind kind, std::int32_t id) {
    const Key key = KeyOf(kind, id);
    none_.erase(key);
    if (const auto at = kept_.find(key); at != kept_.end()) {
        bytes_ -= at->second.bytes;
        ages_.erase(at->second.age);
        kept_.erase(at);
    }
}

const QPixmap* BrowserPictures::Find(TileKind kind, std::int32_t id) {
    const auto at = kept_.find(KeyOf(kind, id));
    if (at == kept_.end()) return nullptr;
    ages_.splice(ages_.end(), ages_, at->second.age);
    return &at->second.pixmap;
}

bool BrowserPictures::Lacks(TileKind kind, std::int32_t id) const { return none_.contains(KeyOf(kind, id)); }

void BrowserPictures::Request(TileKind kind, std::int32_t id) {
    const Key key = KeyOf(kind, id);
    if (kept_.contains(key) || none_.contains(key) || !asked_.insert(key).second) return;
    bool start = false;
    {
        const std::lock_guard lock(mutex_);
        wanted_.push_back(key);
        while (wanted_.size() > kMostWanted) {
            asked_.erase(wanted_.front());
            wanted_.pop_front();
        }
        if (busy_ < pool_.maxThreadCount()) {
            ++busy_;
            start = true;
        }
    }
    if (start) pool_.start([this] { Work(); });
}

void BrowserPictures::Work() {
    std::unique_lock lock(mutex_);
    while (!wanted_.empty() && !stopping_) {
        const Key key = wanted_.back();  // the newest: the cells on show now
        wanted_.pop_back();
        const std::string folder = artFolder_;
        const std::uint64_t generation = generation_;
        lock.unlock();
        const TileKind kind = key & 0x80000000u ? TileKind::Item : TileKind::Land;
        const auto picture = Decode_Mul::RenderArt(kind, static_cast<std::int32_t>(key & 0x7FFFFFFF), folder);
        const QImage image = picture ? Scaled(*picture) : QImage();
        QMetaObject::invokeMethod(
            this, [this, key, generation, image] { Arrived(key, generation, image, image.isNull()); },
            Qt::QueuedConnection);
        lock.lock();
    }
    --busy_;
    idle_.notify_all();
}

void BrowserPictures::Arrived(Key key, std::uint64_t generation, const QImage& image, bool none) {
    {
        const std::lock_guard lock(mutex_);
        if (generation != generation_) return;
    }
    asked_.erase(key);
    if (none) {
        none_.insert(key);
    } else if (!kept_.contains(key)) {
        const std::size_t cost = static_cast<std::size_t>(image.sizeInBytes()) + kEntryOverhead;
        ages_.push_back(key);
        kept_.emplace(key, Kept{QPixmap::fromImage(image), cost, std::prev(ages_.end())});
        bytes_ += cost;
        Evict();
    }
    const TileKind kind = key & 0x80000000u ? TileKind::Item : TileKind::Land;
    emit PictureReady(kind, static_cast<std::int32_t>(key & 0x7FFFFFFF));
}

void BrowserPictures::Evict() {
    while (bytes_ > bound_ && !ages_.empty()) {
        const auto at = kept_.find(ages_.front());
        bytes_ -= at->second.bytes;
        kept_.erase(at);
        ages_.pop_front();
    }
}

void BrowserPictures::WaitForIdle() {
    {
        std::unique_lock lock(mutex_);
        idle_.wait(lock, [this] { return busy_ == 0 && wanted_.empty(); });
    }
    QCoreApplication::processEvents();
}

}  // namespace tilewright
