// The tile browser's picture side: "Replace picture…" and "Remove picture"
// for one selected tile, written into the art files by the core.
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QTableView>

#include "artput.h"
#include "browserpictures.h"
#include "corepath.h"
#include "tilebrowser.h"

namespace tilewright {

std::optional<std::int32_t> TileBrowser::OneSelected(const char* what) {
    const std::vector<std::int32_t> ids = SelectedIds();
    if (ids.size() == 1) return ids.front();
    status_->setText(QStringLiteral("Select one tile to %1 its picture.").arg(what));
    return std::nullopt;
}

void TileBrowser::ReplacePicture() {
    if (!OneSelected("replace")) return;
    const QString png = QFileDialog::getOpenFileName(this, "Replace picture", QString(), "PNG pictures (*.png)");
    if (!png.isEmpty()) ReplacePictureFrom(png);
}

void TileBrowser::ReplacePictureFrom(const QString& png) {
    const auto id = OneSelected("replace");
    if (!id) return;
    const auto put = Decode_Mul::PutPicture(artFolder_, kind(), *id, CorePath(png));
    if (!put) {
        Warn(QString::fromStdString(put.error().message));
        return;
    }
    PictureChanged(*id, *put == 0 ? QStringLiteral("replaced")
                                  : QStringLiteral("replaced, the alpha of %1 %2 rounded")
                                        .arg(*put)
                                        .arg(*put == 1 ? "point" : "points"));
}

void TileBrowser::RemovePicture() {
    const auto id = OneSelected("remove");
    if (!id) return;
    if (Status removed = Decode_Mul::RemovePicture(artFolder_, kind(), *id); !removed) {
        Warn(QString::fromStdString(removed.error().message));
        return;
    }
    PictureChanged(*id, "removed");
}

// The cell is painted afresh from the art on disk, filters see the new art,
// and the main window is told.
void TileBrowser::PictureChanged(std::int32_t id, const QString& done) {
    presence_.reset();
    pictures_->Forget(kind(), id);
    grid_->viewport()->update();
    table_->viewport()->update();
    ApplyFilter();
    status_->setText(status_->text() + QStringLiteral(" \u2014 the picture of %1 %2 %3")
                                           .arg(QString::fromUtf8(KindName(kind()).data(), static_cast<qsizetype>(KindName(kind()).size())))
                                           .arg(id)
                                           .arg(done));
    emit ArtWritten(kind(), id);
}

}  // namespace tilewright
