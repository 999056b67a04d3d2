// The tile browser's pictures: each made on a worker thread by the core's
// painters when a cell first asks for it, scaled down to fit a cell, and kept
// in a cache bounded in bytes that forgets the least recently shown first.
// The window never waits: a picture not yet made is asked for and the cell
// shows a placeholder until PictureReady.
#pragma once

#include <QObject>
#include <QPixmap>
#include <QThreadPool>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <list>
#include <mutex>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "tiledatalayout.h"

namespace tilewright {

class BrowserPictures : public QObject {
    Q_OBJECT
public:
    static constexpr std::size_t kDefaultBound = std::size_t{64} << 20;
    static constexpr int kSide = 64;  // pictures are scaled down to fit this square, never up

    explicit BrowserPictures(std::size_t byteBound = kDefaultBound, QObject* parent = nullptr);
    ~BrowserPictures() override;

    // Forgets every picture; later ones come from `artFolder`.
    void SetArtFolder(const std::string& artFolder);
    // Forgets one picture, so that it is made again from the art on disk.
    void Forget(TileKind kind, std::int32_t id);

    // The picture when it is made and kept (marking it recently shown).
    const QPixmap* Find(TileKind kind, std::int32_t id);
    // True when the tile is known to have no picture.
    bool Lacks(TileKind kind, std::int32_t id) const;
    // Asks for the picture; the newest requests are made first, and requests
    // that pile up past a few screens are dropped (asked again when shown).
    void Request(TileKind kind, std::int32_t id);

    std::size_t bytes() const { return bytes_; }
    std::size_t bound() const { return bound_; }
    // Waits until no request is left; for tests and benchmarks.
    void WaitForIdle();

signals:
    void PictureReady(TileKind kind, std::int32_t id);

private:
    using Key = std::uint32_t;  // kind in the top bit, the id below
    static Key KeyOf(TileKind kind, std::int32_t id);
    struct Kept {
        QPixmap pixmap;
        std::size_t bytes;
        std::list<Key>::iterator age;
    };

    void Work();
    void Arrived(Key key, std::uint64_t generation, const QImage& image, bool none);
    void Evict();

    std::size_t bound_;
    std::size_t bytes_ = 0;
    std::unordered_map<Key, Kept> kept_;
    std::list<Key> ages_;  // least recently shown first
    std::unordered_set<Key> none_;
    std::unordered_set<Key> asked_;  // requested and not yet arrived

    // Shared with the workers.
    mutable std::mutex mutex_;
    std::condition_variable idle_;
    std::deque<Key> wanted_;
    std::string artFolder_;
    std::uint64_t generation_ = 0;
    int busy_ = 0;  // workers running
    bool stopping_ = false;
    QThreadPool pool_;
};

}  // namespace tilewright
