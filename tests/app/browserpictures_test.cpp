// The browser's pictures: made off the window's thread, scaled down to fit
// 64 by 64 keeping their proportions, kept within their byte bound with the
// least recently shown forgotten first; and saved as the command line names them.
#include <QDir>
#include <filesystem>
#include <set>

#include "artexport.h"
#include "artpresence.h"
#include "browserpictures.h"
#include "platformfile.h"
#include "sampleart.h"
#include "samplegame.h"
#include "support/tempfolder.h"
#include "tilebrowser.h"
#include "windowtest.h"

namespace tilewright::testing {
namespace {

class BrowserPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void scaledAndBounded() {
        TempFolder folder;
        QVERIFY(sample::WriteSampleGame(folder.path()).ok());
        const auto art = *Decode_Mul::ArtPresence::Read(folder.path());
        constexpr std::size_t kBound = 40 * 64 * 64 * 4;  // room for about forty full cells
        BrowserPictures pictures(kBound);
        pictures.SetArtFolder(folder.path());

        for (std::int32_t id = 900; id < 1100; ++id) {
            pictures.Request(TileKind::Item, id);
            if (id % 20 == 0) pictures.WaitForIdle();  // as cells come into view a screen at a time
        }
        pictures.WaitForIdle();
        QVERIFY(pictures.bytes() <= kBound);
        QVERIFY(pictures.bytes() > kBound / 2);
        QVERIFY(!pictures.Find(TileKind::Item, 900));  // the least recently shown went first
        const QPixmap* large = pictures.Find(TileKind::Item, sample::kSampleLargeItem);
        if (!large) {  // forgotten meanwhile: ask again
            pictures.Request(TileKind::Item, sample::kSampleLargeItem);
            pictures.WaitForIdle();
            large = pictures.Find(TileKind::Item, sample::kSampleLargeItem);
        }
        QVERIFY(large);
        const auto full = Decode_Mul::RenderArt(TileKind::Item, sample::kSampleLargeItem, folder.path());
        QVERIFY(full && (full->width > 64 || full->height > 64));
        QCOMPARE(std::max(large->width(), large->height()), 64);
        const double wanted = double(full->width) / full->height, got = double(large->width()) / large->height();
        QVERIFY2(std::abs(wanted - got) < 0.1, qPrintable(QStringLiteral("%1 against %2").arg(got).arg(wanted)));

        // A land picture keeps its size; a tile without one is known to lack it.
        std::int32_t none = 0;
        while (art.Has(Decode_Mul::ItemArtEntry(none))) ++none;
        pictures.Request(TileKind::Item, none);
        pictures.WaitForIdle();
        QVERIFY(pictures.Lacks(TileKind::Item, none));
        QVERIFY(!pictures.Find(TileKind::Item, none));
        pictures.Request(TileKind::Land, 2);
        pictures.WaitForIdle();
        QVERIFY(pictures.Find(TileKind::Land, 2));
        QCOMPARE(pictures.Find(TileKind::Land, 2)->size(), QSize(44, 44));
    }

    void savePicturesNamesThemAsTheCommandLine() {
        TempFolder folder, out;
        QVERIFY(sample::WriteSampleGame(folder.path()).ok());
        const auto art = *Decode_Mul::ArtPresence::Read(folder.path());
        TileBrowser browser;
        browser.Open(folder.path(), folder.path(), TileKind::Item);
        std::vector<std::int32_t> ids;
        std::set<std::string> expected;
        for (std::int32_t id = 0; expected.size() < 3; ++id)
            if (art.Has(Decode_Mul::ItemArtEntry(id))) {
                ids.push_back(id);
                expected.insert(ArtPictureFileName(TileKind::Item, id));
            }
        std::int32_t none = 0;  // and one without a picture, which saves nothing
        while (art.Has(Decode_Mul::ItemArtEntry(none))) ++none;
        ids.insert(std::lower_bound(ids.begin(), ids.end(), none), none);
        browser.SelectIds(ids);
        browser.SavePicturesTo(QString::fromStdString(out.path()));
        std::set<std::string> saved;
        for (const auto& entry : std::filesystem::directory_iterator(platform::PathFromUtf8(out.path())))
            saved.insert(platform::Utf8FromPath(entry.path().filename()));
        QCOMPARE(saved, expected);
    }
};

TILEWRIGHT_WINDOW_TEST(BrowserPicturesTest);

}  // namespace
}  // namespace tilewright::testing

#include "browserpictures_test.moc"
