// frmMain: the editor's main window. It lists the tile numbers of one kind,
// loads the selected tile's record into its boxes, has its picture painted
// into the picture area, and writes the record back on "Compile".
#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "tileloader.h"
#include "tilerow.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tilewright {

class FlagBoxes;
class PictureArea;
struct BoxTexts;

class FrmMain : public QWidget {
    Q_OBJECT
public:
    explicit FrmMain(QWidget* parent = nullptr);
    ~FrmMain() override;

    void ShowCentred();

    const QString& artPath() const { return artPath_; }
    const QString& tileDataPath() const { return tileDataPath_; }
    // Sets both folder strings, as "Close" of the paths dialog does.
    void SetFolders(const QString& artFolder, const QString& tileDataFolder) {
        artPath_ = artFolder;
        tileDataPath_ = tileDataFolder;
    }

    // What the find dialog searches: the list's kind (none before the first
    // fill), its entry count and its selected entry.
    struct ListState {
        std::optional<TileKind> kind;
        int count = 0;
        std::optional<int> selected;
    };
    ListState listState() const;
    // The kind of the tile last selected, which Compile writes.
    std::optional<TileKind> compileKind() const { return compileKind_; }
    // Selects entry `row` and loads its tile, as a click on it would: also
    // when it is selected already.
    void SelectEntry(int row);
    // Loads tile n of `kind` as a click in the list would, the list filled
    // with that kind first; a tile it does not offer loads with no entry selected.
    void ChooseTile(TileKind kind, std::int32_t n);
    // Loads the tile on show again, after the file was written elsewhere.
    void ReloadTile();
    // Paints the picture of the tile on show again, after the art files were
    // written elsewhere; the boxes keep what was typed into them.
    void RepaintPicture();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void SetTabOrder();

    void FillList(TileKind kind);
    void OnTileSelected();
    void ShowTile(TileKind kind, std::int32_t n);
    void ShowLoadFailure(const QString& message);
    void ShowRecordInfo(std::int32_t n, const TileDataLayout& layout, std::size_t size, std::int32_t position,
                        std::uint64_t flags);
    void ShowFlagWidth(int bits);
    void ShowName(const TileName& name);
    void PaintPicture(TileKind kind, std::int32_t n, const TileRow& row);

    void OnCompile();
    BoxTexts GatherBoxes() const;

    void OnPaths();

    void ShowMessage(const QString& text);

    QListWidget* lstId_;
    QPushButton* cmdLand_;
    QPushButton* cmdItem_;
    QPushButton* cmdCompile_;
    QPushButton* cmdLoad_;
    QGroupBox* frameTileInfo_;
    QGroupBox* frameHighFlags_;
    QGroupBox* frameOtherInfo_;
    std::unique_ptr<FlagBoxes> flagBoxes_;
    std::array<QLabel*, 12> label2_{};
    std::array<QLineEdit*, 12> txtValue_{};
    std::array<QLineEdit*, 3> txtOtherInfo_{};
    QLineEdit* txtTileName_;
    PictureArea* picTile_;

    // The kind of the listed numbers, and of the tile last selected, which
    // Compile writes; none before the first fill and selection.
    std::optional<TileKind> listKind_;
    std::optional<TileKind> compileKind_;
    QString artPath_;
    QString tileDataPath_;
    // The name bytes the box shows and the text it showed them as, as long as
    // the user has not edited it; the "Unlabeled" the editor puts into the
    // box of an unnamed tile is such a text.
    std::optional<TileName> untouchedName_;
    QString untouchedText_;
    // The tile whose record is on show, so that Compile can tell when the
    // file has changed its layout since, and the record as loaded, so that it
    // can tell when another program has written it since.
    std::optional<std::int32_t> loadedNumber_;
    std::optional<LoadedTile> loaded_;
    // A load ran since the last mouse press in the list.
    bool loadedSincePress_ = false;
};

}  // namespace tilewright
