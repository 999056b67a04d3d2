#include "frmmain.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "applicationlook.h"
#include "corepath.h"
#include "decode_mul.h"
#include "flagboxes.h"
#include "frmfind.h"
#include "frmpath.h"
#include "picturearea.h"
#include "displaytext.h"
#include "tilebrowserlink.h"
#include "tilecompiler.h"
#include "tileloader.h"
#include "valueboxes.h"
#include "windowcontrols.h"

namespace tilewright {
namespace {

// The classic window; a record with 64-bit flags widens it by the frame of
// the upper flag bits, which sits beside "Tile Info" and is laid out like "Flags".
constexpr QSize kClassicSize(465, 403);
constexpr QRect kHighFlagFrame(472, 16, 177, 273);
constexpr int kWideWidth = 656;
constexpr int kOtherInfoWidth = 153, kFlagWordWidth = 65;

struct OtherInfoRow {
    const char* labelName;
    const char* caption;
    const char* tooltip;
    QRect labelGeometry;
    QRect boxGeometry;
};

const std::array<OtherInfoRow, 3> kOtherInfoRows = {{
    {"Label1", "Offset :", "Offset in byte in file. Proper value for other languages is (value -1)", {8, 16, 34, 13},
     {56, 16, 89, 13}},
    {"Label3", "Size (in hex) :", "Size of block", {8, 32, 63, 13}, {80, 32, 65, 13}},
    {"Label4", "Flag (in hex) :", "Flag's value", {8, 48, 63, 13}, {80, 48, 65, 13}},
}};

// A missing file most often means the folders are not set yet.
QString LoadFailureText(const Error& error) {
    QString text = QString::fromStdString(error.message);
    if (error.kind == ErrorKind::FileMissing) text += QStringLiteral("\n\nPress \"Path's\" to set the folder of TileData.mul.");
    return text;
}

}  // namespace

FrmMain::FrmMain(QWidget* parent) : QWidget(parent) {
    setObjectName("frmMain");
    setWindowTitle(kApplicationTitle);
    setWindowIcon(ApplicationIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClassicSize);
    BuildControls();
    SetTabOrder();

    // The load step: the folders come from a paths dialog that is created
    // hidden, read and destroyed without being shown.
    {
        FrmPath defaults(this);
        artPath_ = defaults.artFolder();
        tileDataPath_ = defaults.tileDataFolder();
    }
    new FrmFind(*this);
    AttachTileBrowser(*this);
}

FrmMain::~FrmMain() = default;

void FrmMain::BuildControls() {
    lstId_ = new QListWidget(this);
    lstId_->setObjectName("lstId");
    lstId_->setToolTip("List of ID's");
    lstId_->setAccessibleDescription(lstId_->toolTip());
    lstId_->setGeometry(0, 0, 89, 366);
    lstId_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstId_->setUniformItemSizes(true);
    connect(lstId_, &QListWidget::itemSelectionChanged, this, &FrmMain::OnTileSelected);
    // A click on the entry already selected changes no selection but still
    // reloads the tile, for example after the folders were put right.
    lstId_->viewport()->installEventFilter(this);
    connect(lstId_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (!loadedSincePress_ && item->isSelected()) OnTileSelected();
    });

    cmdLand_ = MakeButton(this, "cmdLand", "Look Land's Tile", "Load Land's Block Info", {0, 368, 89, 17});
    cmdItem_ = MakeButton(this, "cmdItem", "Look Item's Tile", "Load Item's Block Info", {0, 384, 89, 17});
    connect(cmdLand_, &QPushButton::clicked, this, [this] { FillList(TileKind::Land); });
    connect(cmdItem_, &QPushButton::clicked, this, [this] { FillList(TileKind::Item); });

    frameTileInfo_ = MakeFrame(this, "frmMain", "Tile Info", {96, 0, 369, 297});
    QGroupBox* flags = MakeFrame(frameTileInfo_, "Frame1", "Flags", {8, 16, 177, 273});
    QGroupBox* values = MakeFrame(frameTileInfo_, "Frame2", "Values", {192, 16, 169, 209});
    QGroupBox* tileName = MakeFrame(frameTileInfo_, "Frame5", "Tile Name", {192, 232, 169, 57});

    frameHighFlags_ = MakeFrame(this, "Frame6", "Flags 32 - 63", kHighFlagFrame);
    frameHighFlags_->hide();
    flagBoxes_ = std::make_unique<FlagBoxes>(flags, frameHighFlags_);

    for (int i = 0; i < 12; ++i) {
        const ValueBox& v = kValueBoxes[i];
        QLabel* label = MakeLabel(values, Indexed("Label2", i), v.caption, {});
        label->setGeometry(8, 16 + 16 * i, label->fontMetrics().horizontalAdvance(v.caption) + 1, 13);
        if (v.labelTooltip) label->setToolTip(v.labelTooltip);
        label2_[i] = label;
        txtValue_[i] = MakeSmallBox(values, Indexed("txtValue", i), v.boxTooltip, {120, 16 + 16 * i, 41, 13});
        label->setBuddy(txtValue_[i]);  // the box is announced by its label
    }

    txtTileName_ = new QLineEdit(tileName);
    txtTileName_->setObjectName("txtTileName");
    txtTileName_->setToolTip("Tile Name MAX = 20 Char's");
    txtTileName_->setAccessibleName(kNameCaption);
    txtTileName_->setGeometry(8, 24, 153, 19);
    txtTileName_->setMaxLength(static_cast<int>(kNameSize));
    connect(txtTileName_, &QLineEdit::textEdited, this, [this] { untouchedName_.reset(); });

    QGroupBox* viewer = MakeFrame(this, "Frame3", "Picture Viewer", {96, 304, 209, 97});
    picTile_ = new PictureArea(viewer);
    picTile_->setObjectName("PicTile");
    picTile_->setGeometry(8, 16, 193, 73);

    QGroupBox* other = frameOtherInfo_ = MakeFrame(this, "Frame4", "Other Info", {312, 304, kOtherInfoWidth, 65});
    for (int i = 0; i < 3; ++i) {
        const OtherInfoRow& row = kOtherInfoRows[i];
        // Read-only, so that Compile always writes where the last load read.
        txtOtherInfo_[i] = MakeSmallBox(other, Indexed("txtOtherInfo", i), row.tooltip, row.boxGeometry);
        txtOtherInfo_[i]->setReadOnly(true);
        MakeLabel(other, row.labelName, row.caption, row.labelGeometry)->setBuddy(txtOtherInfo_[i]);
    }

    cmdCompile_ = MakeButton(this, "cmdCompile", "Compile", "Save changes in file", {320, 376, 57, 25});
    cmdLoad_ = MakeButton(this, "cmdLoad", "Path's", "Please choose right way +)", {400, 376, 57, 25});
    connect(cmdCompile_, &QPushButton::clicked, this, &FrmMain::OnCompile);
    connect(cmdLoad_, &QPushButton::clicked, this, &FrmMain::OnPaths);
}

void FrmMain::SetTabOrder() {
    std::vector<QWidget*> order{lstId_};
    order.insert(order.end(), flagBoxes_->boxes().begin(), flagBoxes_->boxes().end());
    order.insert(order.end(), txtValue_.begin(), txtValue_.end());
    order.push_back(txtTileName_);
    order.insert(order.end(), txtOtherInfo_.begin(), txtOtherInfo_.end());
    order.insert(order.end(), {cmdLoad_, cmdCompile_, picTile_, cmdLand_, cmdItem_});
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstId_->viewport() && event->type() == QEvent::MouseButtonPress) loadedSincePress_ = false;
    return QWidget::eventFilter(watched, event);
}

void FrmMain::ShowCentred() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
}

FrmMain::ListState FrmMain::listState() const {
    const QList<QListWidgetItem*> selected = lstId_->selectedItems();
    return {listKind_, lstId_->count(),
            selected.isEmpty() ? std::nullopt : std::optional<int>(lstId_->row(selected.first()))};
}

void FrmMain::SelectEntry(int row) {
    QListWidgetItem* item = lstId_->item(row);
    if (!item) return;
    lstId_->scrollToItem(item);
    if (item->isSelected())
        OnTileSelected();
    else
        lstId_->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
}

void FrmMain::ChooseTile(TileKind kind, std::int32_t n) {
    if (listKind_ != kind) FillList(kind);
    if (n < lstId_->count()) return SelectEntry(n);
    lstId_->clearSelection();
    compileKind_ = kind;
    ShowTile(kind, n);
}

void FrmMain::ReloadTile() {
    if (compileKind_ && loadedNumber_) ChooseTile(*compileKind_, *loadedNumber_);
}

// The numbers on offer follow the layout of the file as it is now; only its
// size is read.
void FrmMain::FillList(TileKind kind) {
    static const QStringList kNumbers = [] {
        QStringList numbers;
        numbers.reserve(kWideFlagLayout.itemRecordCount);
        for (int n = 0; n < kWideFlagLayout.itemRecordCount; ++n) numbers.append(QString::number(n));
        return numbers;
    }();
    const int count = LayoutOfFolder(CorePath(tileDataPath_)).ListedCount(kind);
    listKind_ = kind;
    {
        // Refilling selects nothing and loads nothing. The numbers already
        // listed stay: making tens of thousands of entries anew is what a
        // fill costs.
        const QSignalBlocker quiet(lstId_);
        int listed = lstId_->count();
        if (listed > count) {  // removing rows from the end is slower than a new start
            lstId_->clear();
            listed = 0;
        }
        if (listed < count) lstId_->addItems(kNumbers.mid(listed, count - listed));
        lstId_->setCurrentItem(nullptr);
        lstId_->clearSelection();
        lstId_->scrollToTop();
    }
}

void FrmMain::OnTileSelected() {
    const QList<QListWidgetItem*> selected = lstId_->selectedItems();
    if (selected.isEmpty() || !listKind_) return;
    loadedSincePress_ = true;
    compileKind_ = listKind_;
    ShowTile(*listKind_, selected.first()->text().toInt());
}

// A land tile's picture is its texture's, an item's its own.
void FrmMain::ShowTile(TileKind kind, std::int32_t n) {
    picTile_->Clear();
    auto tile = LoadTile(CorePath(tileDataPath_), kind, n);
    if (!tile) {
        ShowLoadFailure(LoadFailureText(tile.error()));
        return;
    }
    const TileRow& row = tile->row;
    ShowRecordInfo(n, tile->layout, tile->layout.RecordSize(kind), tile->position, row.flags);
    loaded_ = *tile;
    for (int box = 0; box < 12; ++box) {
        const int field = FieldOfBox(kind, box);
        if (field >= 0) SetBoxText(txtValue_[box], QString::number(row.values[static_cast<std::size_t>(field)]));
    }
    if (kind == TileKind::Item) SetBoxText(txtValue_[11], QString::number(n));
    ShowName(row.name);
    PaintPicture(kind, n, row);
}

void FrmMain::PaintPicture(TileKind kind, std::int32_t n, const TileRow& row) {
    picTile_->Clear();
    const std::string artFolder = CorePath(artPath_);
    const Status painted = kind == TileKind::Land
                               ? Decode_Mul::DrawLandArt(*picTile_, static_cast<std::int16_t>(row.value("texture")), artFolder)
                               : Decode_Mul::DrawItemArt(*picTile_, n, artFolder);
    picTile_->Refresh();
    if (!painted) ShowMessage(QString::fromStdString(painted.error().message));
}

void FrmMain::RepaintPicture() {
    if (compileKind_ && loadedNumber_ && loaded_) PaintPicture(*compileKind_, *loadedNumber_, loaded_->row);
}

// A failed load leaves no record on show; above all the offset box is empty,
// so that a later Compile cannot write these boxes over another record.
void FrmMain::ShowLoadFailure(const QString& message) {
    for (QLineEdit* box : txtOtherInfo_) box->clear();
    for (QLineEdit* box : txtValue_) box->clear();
    txtTileName_->clear();
    untouchedName_.reset();
    loadedNumber_.reset();
    loaded_.reset();
    flagBoxes_->Clear();
    ShowFlagWidth(32);
    picTile_->Clear();
    picTile_->Refresh();
    ShowMessage(message);
}

// The position, size and flag word of tile n's record, and its flag boxes.
void FrmMain::ShowRecordInfo(std::int32_t n, const TileDataLayout& layout, std::size_t size, std::int32_t position,
                             std::uint64_t flags) {
    loadedNumber_ = n;
    ShowFlagWidth(layout.FlagBits());
    SetBoxText(txtOtherInfo_[0], QString::number(position));
    SetBoxText(txtOtherInfo_[1], QString::fromStdString(FormatHex(size)));
    SetBoxText(txtOtherInfo_[2], QString::fromStdString(FormatHex(flags)));
    flagBoxes_->Show(flags);
}

// With 64-bit flags the window grows by the upper bits' frame, and the flag
// word box by the room its 16 digits need.
void FrmMain::ShowFlagWidth(int bits) {
    const bool wide = bits == 64;
    if (wide == !frameHighFlags_->isHidden()) return;
    const int wordWidth =
        wide ? txtOtherInfo_[2]->fontMetrics().horizontalAdvance(QStringLiteral("DDDDDDDDDDDDDDDD")) + 8
             : kFlagWordWidth;
    txtOtherInfo_[2]->resize(wordWidth, txtOtherInfo_[2]->height());
    frameOtherInfo_->resize(kOtherInfoWidth + wordWidth - kFlagWordWidth, frameOtherInfo_->height());
    frameHighFlags_->setVisible(wide);
    setFixedSize(wide ? QSize(kWideWidth, kClassicSize.height()) : kClassicSize);
}

void FrmMain::ShowName(const TileName& name) {
    txtTileName_->setText(QString::fromStdU16String(DecodeTileName(name)));
    untouchedName_ = name;
    if (txtTileName_->text().isEmpty()) txtTileName_->setText(kUnlabeled);
    untouchedText_ = txtTileName_->text();
    txtTileName_->setCursorPosition(0);
}

BoxTexts FrmMain::GatherBoxes() const {
    BoxTexts boxes;
    boxes.flags = flagBoxes_->Flags();
    for (int i = 0; i < 12; ++i) boxes.values[i] = txtValue_[i]->text();
    boxes.name = txtTileName_->text();
    if (untouchedName_ && txtTileName_->text() == untouchedText_) boxes.untouchedName = untouchedName_;
    boxes.offset = txtOtherInfo_[0]->text();
    return boxes;
}

// Before any selection there is no kind, and nothing is written.
void FrmMain::OnCompile() {
    if (compileKind_) {
        const std::string folder = CorePath(tileDataPath_);
        auto placed = RowFromBoxes(*compileKind_, loadedNumber_.value_or(0), GatherBoxes());
        // Another program may have written the record since it was loaded;
        // then nothing is written.
        const LoadedTile* asLoaded = loaded_ ? &*loaded_ : nullptr;
        const Status written =
            placed ? CompileTile(folder, placed->row, placed->position, asLoaded) : Status(placed.error());
        if (!written) {
            ShowMessage(QString::fromStdString(written.error().message));
            return;
        }
        if (auto again = LoadTile(folder, *compileKind_, *loadedNumber_)) loaded_ = std::move(again).value();
        if (txtTileName_->text().isEmpty()) {
            txtTileName_->setText(kUnlabeled);
            untouchedName_ = TileName{};  // what was just written
            untouchedText_ = txtTileName_->text();
        }
    }
    QMessageBox done(QMessageBox::NoIcon, kApplicationTitle, "Compiling complite...", QMessageBox::Ok, this);
    done.exec();
}

void FrmMain::OnPaths() {
    FrmPath dialog(this);
    dialog.ShowFolders(artPath_, tileDataPath_);
    dialog.exec();
    artPath_ = dialog.artFolder();
    tileDataPath_ = dialog.tileDataFolder();
}

void FrmMain::ShowMessage(const QString& text) {
    QMessageBox box(QMessageBox::Warning, kApplicationTitle, text, QMessageBox::Ok, this);
    box.exec();
}

// The core takes paths as UTF-8 on every system.

}  // namespace tilewright
