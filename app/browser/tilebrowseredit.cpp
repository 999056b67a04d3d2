// The tile browser's writing side: "Edit selected…", its undo, and "Save pictures…".
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>

#include "artexport.h"
#include "corepath.h"
#include "editselecteddialog.h"
#include "tilebatchedit.h"
#include "tilebrowser.h"

namespace tilewright {

void TileBrowser::EditSelected() {
    const std::vector<std::int32_t> ids = SelectedIds();
    if (!file_ || ids.empty()) {
        status_->setText("Select the tiles to edit first.");
        return;
    }
    EditSelectedDialog dialog(kind(), file_->layout().FlagBits(), ids.size(), this);
    while (Ask(dialog) == QDialog::Accepted) {
        const auto edit = dialog.Edit();
        if (!edit) {
            Warn(QString::fromStdString(edit.error().message));
            continue;
        }
        const auto batch = TileBatchEdit::Prepare(*file_, *edit, ids);
        if (!batch) {
            Warn(QString::fromStdString(batch.error().message));
            return;
        }
        const QString count = QStringLiteral("%1 of the %2 selected records change.").arg(batch->changed()).arg(ids.size());
        if (batch->changed() == 0) {
            QMessageBox none(QMessageBox::Information, windowTitle(), count + " Nothing was written.", QMessageBox::Ok, this);
            Ask(none);
            return;
        }
        QMessageBox confirm(QMessageBox::Question, windowTitle(), count + " Apply?", QMessageBox::Yes | QMessageBox::No,
                            this);
        if (Ask(confirm) != QMessageBox::Yes) continue;
        if (Status written = batch->Write(); !written) {
            Warn(QString::fromStdString(written.error().message));
            return;
        }
        lastApply_ = LastApply{batch->path(), {batch->before().begin(), batch->before().end()},
                               {batch->after().begin(), batch->after().end()}};
        Reload();
        status_->setText(status_->text() + QStringLiteral(" \u2014 %1 changed (Ctrl+Z undoes)").arg(batch->changed()));
        emit FileWritten();
        return;
    }
}

void TileBrowser::UndoApply() {
    if (!lastApply_) {
        status_->setText("Nothing to undo.");
        return;
    }
    const LastApply last = std::move(*lastApply_);
    lastApply_.reset();
    if (Status restored = TakeBack(last.path, last.before, last.after); !restored) {
        Warn(QString::fromStdString(restored.error().message));
        return;
    }
    Reload();
    status_->setText(status_->text() + " \u2014 the last apply was undone");
    emit FileWritten();
}

void TileBrowser::SavePictures() {
    if (SelectedIds().empty()) {
        status_->setText("Select the tiles whose pictures to save first.");
        return;
    }
    const QString folder = QFileDialog::getExistingDirectory(this, "Save pictures");
    if (!folder.isEmpty()) SavePicturesTo(folder);
}

void TileBrowser::SavePicturesTo(const QString& folder) {
    const HasPicture hasPicture = PictureTest();
    const std::string out = CorePath(QDir(folder).absolutePath()) + "/";
    std::size_t saved = 0;
    for (const std::int32_t id : SelectedIds()) {
        if (!hasPicture(id)) continue;  // as the command line saves only entries that have one
        const Status written = ExportArtPicture(artFolder_, kind(), id, out + ArtPictureFileName(kind(), id));
        if (!written) {
            Warn(QString::fromStdString(written.error().message));
            return;
        }
        ++saved;
    }
    status_->setText(QStringLiteral("%1 %2 saved to %3").arg(saved).arg(saved == 1 ? "picture" : "pictures", folder));
}

}  // namespace tilewright
