// The picture area after a load, compared point by point with a picture
// worked out from the fixture's colours alone, background included.
#include "artcontainerbuilder.h"
#include "artfilebuilder.h"
#include "picturearea.h"
#include "support/tempfolder.h"
#include "tiledatabuilder.h"
#include "windowtest.h"

namespace tilewright::testing {
namespace {

QRgb ToQRgb(std::uint32_t colour) {
    return qRgb(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

// The background with `points` painted over it, clipped to `size`.
QImage ExpectedBuffer(QSize size, QRgb background, const std::vector<sample::PaintedPoint>& points) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    for (const auto& p : points)
        if (image.rect().contains(p.x, p.y)) image.setPixel(p.x, p.y, ToQRgb(p.colour));
    return image;
}

void CompareImages(const QImage& actual, const QImage& expected) {
    QCOMPARE(actual.size(), expected.size());
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, expected %4")
                                     .arg(x).arg(y).arg(actual.pixel(x, y), 8, 16).arg(expected.pixel(x, y), 8, 16)));
}

class PictureTest : public QObject {
    Q_OBJECT

    TempFolder folder_;
    sample::LandColours land_{};
    sample::ItemGrid item_{60, 90};  // taller than the picture area

private slots:
    void initTestCase() {
        sample::TileDataBuilder tiles;
        tiles.Set(sample::LandRow(3, 0, 7, sample::MakeName("grass")));
        tiles.Set(sample::LandRow(4, 0, -3, {}));  // a negative picture number
        tiles.Set(sample::LandRow(5, 0, 9, {}));   // an entry without an image
        QVERIFY(sample::WriteWholeFile(folder_.file("TileData.mul"), tiles.bytes()).ok());

        for (std::size_t i = 0; i < land_.size(); ++i) land_[i] = static_cast<std::uint16_t>(i * 37 % 0x8000);
        land_[0] = 0;  // black is painted too
        for (int y = 0; y < item_.height; ++y)
            for (int x = 0; x < item_.width; ++x)
                if ((x / 7 + y / 5) % 3 != 0) item_.at(x, y) = static_cast<std::uint16_t>((x * 31 + y * 1024) & 0x7FFF);
        item_.at(2, 1) = 0;

        sample::ArtFileBuilder art(16384 + 10);
        art.SetLand(7, land_);
        art.SetItem(5, item_);
        QVERIFY(art.WriteTo(folder_.path()).ok());
    }

    void landAndItemPicturesArePaintedExactly() {
        FrmMain window;
        window.show();
        const QString folder = QString::fromStdString(folder_.path());
        SetFolders(window, folder, folder);
        auto* picture = Control<PictureArea>(window, "PicTile");
        const QSize size = picture->backBuffer().size();
        const QImage blank = ExpectedBuffer(size, picture->background(), {});

        Button(window, "cmdLand")->click();
        SelectRow(window, 3);
        CompareImages(picture->backBuffer(), ExpectedBuffer(size, picture->background(), sample::ExpectedLandPicture(land_)));

        Button(window, "cmdItem")->click();
        SelectRow(window, 5);
        CompareImages(picture->backBuffer(), ExpectedBuffer(size, picture->background(), sample::ExpectedItemPicture(item_)));

        // No image: the area is left cleared.
        SelectRow(window, 6);
        CompareImages(picture->backBuffer(), blank);
        Button(window, "cmdLand")->click();
        for (int row : {4, 5}) {
            SelectRow(window, 3);
            SelectRow(window, row);
            CompareImages(picture->backBuffer(), blank);
        }
    }

    // A folder with artLegacyMUL.uop instead of the .mul pair paints alike; a
    // broken container is told once, not at every selection.
    void containerPicturesArePaintedAndABrokenOneIsToldOnce() {
        TempFolder uop;
        QVERIFY(std::filesystem::copy_file(folder_.file("TileData.mul"), uop.file("TileData.mul")));
        sample::ArtFileBuilder art;
        art.SetLand(7, land_);
        art.SetItem(5, item_);
        QVERIFY(sample::ContainerOfArt(art, [](std::int32_t e) { return sample::ContainerEntryForm{e == 7, 9}; })
                    .WriteTo(uop.path()).ok());
        FrmMain window;
        window.show();
        SetFolders(window, QString::fromStdString(uop.path()), QString::fromStdString(uop.path()));
        auto* picture = Control<PictureArea>(window, "PicTile");
        const QSize size = picture->backBuffer().size();
        Button(window, "cmdLand")->click();
        SelectRow(window, 3);
        CompareImages(picture->backBuffer(), ExpectedBuffer(size, picture->background(), sample::ExpectedLandPicture(land_)));
        Button(window, "cmdItem")->click();
        SelectRow(window, 5);
        CompareImages(picture->backBuffer(), ExpectedBuffer(size, picture->background(), sample::ExpectedItemPicture(item_)));

        QVERIFY(sample::WriteWholeFile(uop.file("artLegacyMUL.uop"), {'M', 'Y', 'P'}).ok());
        const auto boxes = CatchMessageBoxes([&] {
            for (int row : {4, 5, 6}) SelectRow(window, row);
        });
        QCOMPARE(boxes.size(), std::size_t{1});
        QVERIFY2(boxes[0].text.contains(QString::fromStdString(uop.file("artLegacyMUL.uop"))), qPrintable(boxes[0].text));
        QVERIFY(!OtherInfo(window, 0)->text().isEmpty());  // the record is still on show
    }

    void theScreenShowsTheBufferAfterTheLoad() {
        FrmMain window;
        window.show();
        const QString folder = QString::fromStdString(folder_.path());
        SetFolders(window, folder, folder);
        Button(window, "cmdLand")->click();
        SelectRow(window, 3);
        auto* picture = Control<PictureArea>(window, "PicTile");
        const QImage onScreen = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect inside = picture->contentsRect();
        CompareImages(onScreen.copy(inside), picture->backBuffer());
    }
};

TILEWRIGHT_WINDOW_TEST(PictureTest);

}  // namespace
}  // namespace tilewright::testing

#include "picture_test.moc"
