// The tile browser: a window beside the main window with every tile of the
// file as a grid of pictures or as a table, filters, free slots, and editing
// many tiles at once. It reads TileData.mul and the art as they are when it
// opens; nothing of it is kept between runs.
#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "artpresence.h"
#include "tilebrowserfilter.h"
#include "tiledatafile.h"

class QAbstractItemView;
class QDialog;
class QItemSelectionModel;
class QLabel;
class QListView;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QTableView;

namespace tilewright {

class BrowserFilterBar;
class BrowserPictures;
class TileBrowserModel;

class TileBrowser : public QWidget {
    Q_OBJECT
public:
    explicit TileBrowser(QWidget* parent = nullptr, std::size_t pictureBytes = 0);
    ~TileBrowser() override;

    // Reads the file of `tileDataFolder` and shows `kind` (the folders as
    // the main window names them, in the system's encoding). A file that
    // cannot be read is named in a message and leaves the browser empty.
    void Open(const std::string& artFolder, const std::string& tileDataFolder, TileKind kind);
    // Reads the file again, keeping the kind, the filter and the selection.
    void Reload();

    TileKind kind() const;
    std::vector<std::int32_t> SelectedIds() const;
    void SelectIds(const std::vector<std::int32_t>& ids);
    const std::shared_ptr<const TileDataFile>& file() const { return file_; }
    BrowserPictures& pictures() { return *pictures_; }

    // Selects the first free slot after the current tile, round the end.
    void SelectNextFreeSlot();
    // Opens "Edit selected…" for the selected tiles.
    void EditSelected();
    // Writes the selected tiles' pictures as PNG files into a folder asked for.
    void SavePictures();
    void SavePicturesTo(const QString& folder);
    // Puts the file back as it was before the last apply.
    void UndoApply();
    // The one selected tile's picture from a PNG file asked for, or taken away.
    void ReplacePicture();
    void ReplacePictureFrom(const QString& png);
    void RemovePicture();

signals:
    // The current tile changed by a click or a key: the main window loads it.
    void TileChosen(TileKind kind, std::int32_t id);
    // The browser wrote TileData.mul.
    void FileWritten();
    // The browser wrote the picture of one tile into the art files.
    void ArtWritten(TileKind kind, std::int32_t id);

private:
    void BuildControls();
    void BuildKeys();
    void ShowKind(TileKind kind);
    void ApplyFilter();
    // Whether tile n of the kind on show has a picture of its own.
    HasPicture PictureTest();
    void ShowStatus();
    void ChooseCurrent();
    void SetTableShown(bool table);
    void FillContextMenu(QMenu& menu);
    std::optional<std::int32_t> OneSelected(const char* what);
    void PictureChanged(std::int32_t id, const QString& done);
    QAbstractItemView* CurrentView() const;
    void Warn(const QString& text);
    int Ask(QDialog& dialog);  // runs a modal dialog, handing the keys back after

    std::string artFolder_;
    std::string tileDataFolder_;
    std::shared_ptr<const TileDataFile> file_;
    std::optional<TileFilterer> filterer_;  // of the file and kind on show
    std::shared_ptr<const Decode_Mul::ArtPresence> presence_;  // read when a filter first needs it
    std::unique_ptr<BrowserPictures> pictures_;
    TileBrowserModel* model_;

    QTabBar* tabs_;
    BrowserFilterBar* filterBar_;
    QStackedWidget* views_;
    QListView* grid_;
    QTableView* table_;
    QPushButton* tableButton_;
    QPushButton* nextFree_;
    QPushButton* editSelected_;
    QLabel* status_;

    // The last apply, for undo: the file's bytes before and after it.
    struct LastApply {
        std::string path;
        std::vector<std::uint8_t> before;
        std::vector<std::uint8_t> after;
    };
    std::optional<LastApply> lastApply_;
    // The tile last handed to the main window.
    struct Chosen {
        TileKind kind;
        std::int32_t id;
        bool operator==(const Chosen&) const = default;
    };
    std::optional<Chosen> chosen_;
};

}  // namespace tilewright
