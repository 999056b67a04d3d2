#include "frmmain.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <exception>

#include "applicationlook.h"
#include "decode_mul.h"
#include "frmpath.h"
#include "picturearea.h"
#include "recordposition.h"
#include "tilecompiler.h"
#include "tileformat.h"
#include "tileloader.h"

namespace tilewright {
namespace {

constexpr char kLand[] = "land";
constexpr char kItem[] = "item";
constexpr char kTag[] = "tag";  // the free text tag of lstId and cmdCompile

struct ValueBox {
    const char* caption;
    const char* labelTooltip;
    const char* boxTooltip;
};

constexpr std::array<ValueBox, 12> kValueBoxes = {{
    {"Weight :", "if 255 then not moveable", "0 - 255"},
    {"Quality/Layer/LightID :", "Wearable - Layer, Light Source - LightID", "0 - 255"},
    {"Unknown1 :", nullptr, "0 - 16383"},
    {"Unknown2 :", nullptr, "0 - 255"},
    {"Quantity/WC/AC :", "Weapon - Weapon Class, Armor - Armor Class", "0 - 255"},
    {"Gump/Animation :", nullptr, "0 - 16383"},
    {"Unknown3 :", nullptr, "0 - 255"},
    {"Hue :", nullptr, "0 - 255"},
    {"Unknown4 :", nullptr, "0 - 255"},
    {"Unknown5 :", nullptr, "0 - 255"},
    {"Height :", nullptr, "0 - 255"},
    {"Id :", "Edit only for Land Tile", "0-16383"},
}};

// Widths of flag boxes 16 to 31, each as wide as its caption needs.
constexpr std::array<int, 16> kRightFlagWidths = {57, 65, 73, 73, 49, 65, 73, 81, 73, 81, 73, 49, 49, 49, 73, 73};

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

QString Indexed(const char* group, int index) { return QStringLiteral("%1(%2)").arg(group).arg(index); }

QGroupBox* MakeFrame(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setAccessibleName(caption);  // else a frame inside a frame is named after the outer one
    frame->setGeometry(geometry);
    return frame;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, const char* tooltip, QRect geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(tooltip);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const char* caption, QRect geometry) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

// The 13-pixel boxes have room for a line of text only without the style's
// 2-pixel frame, so they get a single-line border instead.
QLineEdit* MakeSmallBox(QWidget* parent, const QString& name, const char* tooltip, QRect geometry) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setToolTip(tooltip);
    box->setGeometry(geometry);
    box->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid palette(dark); padding: 0px; "
                                      "background: palette(base); }"));
    return box;
}

// A missing file most often means the folders are not set yet.
QString LoadFailureText(const Error& error) {
    QString text = QString::fromStdString(error.message);
    if (error.kind == ErrorKind::FileMissing) text += QStringLiteral("\n\nPress \"Path's\" to set the folder of TileData.mul.");
    return text;
}

// Shows a box's text from its first character, so that a text that is
// longer than the box is cut at its end, not its start.
void SetBoxText(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setCursorPosition(0);
}

}  // namespace

FrmMain::FrmMain(QWidget* parent) : QWidget(parent) {
    setObjectName("frmMain");
    setWindowTitle(kApplicationTitle);
    setWindowIcon(ApplicationIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(465, 403);
    BuildControls();
    SetTabOrder();

    // The load step: the folders come from a paths dialog that is created
    // hidden, read and destroyed without being shown.
    {
        FrmPath defaults(this);
        artPath_ = defaults.artFolder();
        tileDataPath_ = defaults.tileDataFolder();
    }
}

void FrmMain::BuildControls() {
    lstId_ = new QListWidget(this);
    lstId_->setObjectName("lstId");
    lstId_->setToolTip("List of ID's");
    lstId_->setAccessibleDescription(lstId_->toolTip());
    lstId_->setGeometry(0, 0, 89, 366);
    lstId_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstId_->setUniformItemSizes(true);
    lstId_->setProperty(kTag, QString());
    connect(lstId_, &QListWidget::itemSelectionChanged, this, &FrmMain::OnTileSelected);
    // A click on the entry already selected changes no selection but still
    // reloads the tile, for example after the folders were put right.
    lstId_->viewport()->installEventFilter(this);
    connect(lstId_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (!loadedSincePress_ && item->isSelected()) OnTileSelected();
    });

    cmdLand_ = MakeButton(this, "cmdLand", "Look Land's Tile", "Load Land's Block Info", {0, 368, 89, 17});
    cmdItem_ = MakeButton(this, "cmdItem", "Look Item's Tile", "Load Item's Block Info", {0, 384, 89, 17});
    connect(cmdLand_, &QPushButton::clicked, this, [this] { FillList(kLand, kLandTileCount); });
    connect(cmdItem_, &QPushButton::clicked, this, [this] { FillList(kItem, kItemTileCount); });

    frameTileInfo_ = MakeFrame(this, "frmMain", "Tile Info", {96, 0, 369, 297});
    QGroupBox* flags = MakeFrame(frameTileInfo_, "Frame1", "Flags", {8, 16, 177, 273});
    QGroupBox* values = MakeFrame(frameTileInfo_, "Frame2", "Values", {192, 16, 169, 209});
    QGroupBox* tileName = MakeFrame(frameTileInfo_, "Frame5", "Tile Name", {192, 232, 169, 57});

    for (int i = 0; i < 32; ++i) {
        auto* box = new QCheckBox(QString::fromStdString(FlagCaption(i)), flags);
        box->setObjectName(Indexed("FlagState", i));
        box->setToolTip(QString::fromStdString(FlagTooltip(i)));
        box->setGeometry(i < 16 ? QRect(8, 16 + 16 * i, 89, 13) : QRect(88, 16 + 16 * (i - 16), kRightFlagWidths[i - 16], 13));
        flagState_[i] = box;
    }

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
    txtTileName_->setAccessibleName("Tile Name");
    txtTileName_->setGeometry(8, 24, 153, 19);
    txtTileName_->setMaxLength(static_cast<int>(kNameSize));
    connect(txtTileName_, &QLineEdit::textEdited, this, [this] { untouchedName_.reset(); });

    QGroupBox* viewer = MakeFrame(this, "Frame3", "Picture Viewer", {96, 304, 209, 97});
    picTile_ = new PictureArea(viewer);
    picTile_->setObjectName("PicTile");
    picTile_->setGeometry(8, 16, 193, 73);

    QGroupBox* other = MakeFrame(this, "Frame4", "Other Info", {312, 304, 153, 65});
    for (int i = 0; i < 3; ++i) {
        const OtherInfoRow& row = kOtherInfoRows[i];
        // Read-only, so that Compile always writes where the last load read.
        txtOtherInfo_[i] = MakeSmallBox(other, Indexed("txtOtherInfo", i), row.tooltip, row.boxGeometry);
        txtOtherInfo_[i]->setReadOnly(true);
        MakeLabel(other, row.labelName, row.caption, row.labelGeometry)->setBuddy(txtOtherInfo_[i]);
    }

    cmdCompile_ = MakeButton(this, "cmdCompile", "Compile", "Save changes in file", {320, 376, 57, 25});
    cmdCompile_->setProperty(kTag, QString());
    cmdLoad_ = MakeButton(this, "cmdLoad", "Path's", "Please choose right way +)", {400, 376, 57, 25});
    connect(cmdCompile_, &QPushButton::clicked, this, &FrmMain::OnCompile);
    connect(cmdLoad_, &QPushButton::clicked, this, &FrmMain::OnPaths);
}

void FrmMain::SetTabOrder() {
    std::vector<QWidget*> order{lstId_};
    order.insert(order.end(), flagState_.begin(), flagState_.end());
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

void FrmMain::FillList(const char* kind, int count) {
    static const QStringList kNumbers = [] {
        QStringList numbers;
        numbers.reserve(kLandTileCount);
        for (int n = 0; n < kLandTileCount; ++n) numbers.append(QString::number(n));
        return numbers;
    }();
    lstId_->setProperty(kTag, QString::fromLatin1(kind));
    {
        const QSignalBlocker quiet(lstId_);  // refilling selects nothing and loads nothing
        lstId_->clear();
        lstId_->addItems(kNumbers.mid(0, count));
    }
}

void FrmMain::OnTileSelected() {
    const QList<QListWidgetItem*> selected = lstId_->selectedItems();
    if (selected.isEmpty()) return;
    loadedSincePress_ = true;
    const QString tag = lstId_->property(kTag).toString();
    cmdCompile_->setProperty(kTag, tag);
    const std::int32_t n = selected.first()->text().toInt();
    try {
        const auto position = tag == QLatin1String(kLand) ? LandRecordPosition(n) : ItemRecordPosition(n);
        if (!position) {
            ShowLoadFailure(QStringLiteral("Tile %1 has no position in TileData.mul.").arg(n));
            return;
        }
        if (tag == QLatin1String(kLand))
            LoadLandTile(*position);
        else
            LoadItemTile(*position);
    } catch (const std::exception& e) {
        ShowLoadFailure(QStringLiteral("Tile %1 could not be shown: %2").arg(n).arg(e.what()));
    }
}

void FrmMain::LoadItemTile(std::int32_t position) {
    picTile_->Clear();
    auto record = ReadItemRecord(NativeFolder(tileDataPath_), position);
    if (!record) {
        ShowLoadFailure(LoadFailureText(record.error()));
        return;
    }
    const ItemTileRecord& r = *record;
    ShowRecordInfo(position, kItemRecordSize, r.Flags);
    const std::array<int, 11> fields = {r.Weight,   r.Quality, r.Unknown1, r.Unknown2, r.Quantity, r.Animation,
                                        r.Unknown3, r.Hue,     r.Unknown4, r.Unknown5, r.Height};
    for (std::size_t i = 0; i < fields.size(); ++i) SetBoxText(txtValue_[i], QString::number(fields[i]));
    const QString itemNumber = lstId_->selectedItems().first()->text();
    SetBoxText(txtValue_[11], itemNumber);
    ShowName(r.Name);
    Decode_Mul::DrawItemArt(*picTile_, static_cast<std::int16_t>(itemNumber.toInt()), NativeFolder(artPath_));
    picTile_->Refresh();
}

void FrmMain::LoadLandTile(std::int32_t position) {
    picTile_->Clear();
    auto record = ReadLandRecord(NativeFolder(tileDataPath_), position);
    if (!record) {
        ShowLoadFailure(LoadFailureText(record.error()));
        return;
    }
    const LandTileRecord& r = *record;
    ShowRecordInfo(position, kLandRecordSize, r.Flags);
    SetBoxText(txtValue_[11], QString::number(r.TextureId));
    ShowName(r.Name);
    Decode_Mul::DrawLandArt(*picTile_, r.TextureId, NativeFolder(artPath_));
    picTile_->Refresh();
}

// A failed load leaves no record on show; above all the offset box is empty,
// so that a later Compile cannot write these boxes over another record.
void FrmMain::ShowLoadFailure(const QString& message) {
    for (QLineEdit* box : txtOtherInfo_) box->clear();
    for (QLineEdit* box : txtValue_) box->clear();
    txtTileName_->clear();
    untouchedName_.reset();
    ClearFlagBoxes();
    picTile_->Clear();
    picTile_->Refresh();
    ShowMessage(message);
}

// The position, size and flag word of a record, and its flag boxes.
void FrmMain::ShowRecordInfo(std::int32_t position, std::size_t size, std::uint32_t flags) {
    SetBoxText(txtOtherInfo_[0], QString::number(position));
    SetBoxText(txtOtherInfo_[1], QString::fromStdString(FormatHex(static_cast<std::uint32_t>(size))));
    SetBoxText(txtOtherInfo_[2], QString::fromStdString(FormatHex(flags)));
    ClearFlagBoxes();
    SetFlagBoxes(flags);
}

void FrmMain::ClearFlagBoxes() {
    for (QCheckBox* box : flagState_) box->setChecked(false);
}

void FrmMain::SetFlagBoxes(std::uint32_t flags) {
    for (int i = 0; i < 32; ++i)
        if (flags & FlagMask(i)) flagState_[i]->setChecked(true);
}

void FrmMain::ShowName(const TileName& name) {
    txtTileName_->setText(QString::fromStdU16String(DecodeTileName(name)));
    untouchedName_ = name;
    if (txtTileName_->text().isEmpty()) txtTileName_->setText(QString::fromStdU16String(kUnlabeled));
    untouchedText_ = txtTileName_->text();
    txtTileName_->setCursorPosition(0);
}

TileForm FrmMain::GatherForm() const {
    TileForm form;
    for (int i = 0; i < 32; ++i) form.flagTicks[i] = flagState_[i]->checkState() == Qt::Checked;
    for (int i = 0; i < 12; ++i) form.valueTexts[i] = txtValue_[i]->text().toStdU16String();
    form.nameText = txtTileName_->text().toStdU16String();
    if (untouchedName_ && txtTileName_->text() == untouchedText_) form.untouchedName = untouchedName_;
    form.offsetText = txtOtherInfo_[0]->text().toStdU16String();
    return form;
}

void FrmMain::OnCompile() {
    const QString tag = cmdCompile_->property(kTag).toString();
    const bool land = tag == QLatin1String(kLand);
    const bool item = tag == QLatin1String(kItem);
    try {
        if (land || item) {
            const TileForm form = GatherForm();
            const std::string folder = NativeFolder(tileDataPath_);
            const Status written = land ? CompileLandTile(folder, form) : CompileItemTile(folder, form);
            if (!written) {
                ShowMessage(QString::fromStdString(written.error().message));
                return;
            }
            if (txtTileName_->text().isEmpty()) {
                txtTileName_->setText(QString::fromStdU16String(kUnlabeled));
                untouchedName_ = TileName{};  // what was just written
                untouchedText_ = txtTileName_->text();
            }
        }
    } catch (const std::exception& e) {
        ShowMessage(QStringLiteral("The tile could not be compiled: %1").arg(e.what()));
        return;
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

std::string FrmMain::NativeFolder(const QString& folder) const { return QFile::encodeName(folder).toStdString(); }

}  // namespace tilewright
