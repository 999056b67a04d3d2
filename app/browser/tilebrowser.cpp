#include "tilebrowser.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableView>
#include <QVBoxLayout>

#include "applicationlook.h"
#include "browserfilterbar.h"
#include "browserpictures.h"
#include "freeslots.h"
#include "tilebrowsermodel.h"
#include "tilecelldelegate.h"

namespace tilewright {
namespace {

constexpr int kLandTab = 0;
constexpr int kItemTab = 1;

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TileBrowser::TileBrowser(QWidget* parent, std::size_t pictureBytes)
    : QWidget(parent, Qt::Window),
      pictures_(std::make_unique<BrowserPictures>(pictureBytes ? pictureBytes : BrowserPictures::kDefaultBound)) {
    setObjectName("tileBrowser");
    setWindowTitle("Tile Browser");
    setAttribute(Qt::WA_DeleteOnClose, false);
    model_ = new TileBrowserModel(*pictures_, this);
    BuildControls();
    BuildKeys();
    resize(820, 600);
}

TileBrowser::~TileBrowser() = default;

void TileBrowser::BuildControls() {
    tabs_ = new QTabBar(this);
    tabs_->setObjectName("kindTabs");
    tabs_->addTab("Land");
    tabs_->addTab("Items");
    tabs_->setCurrentIndex(kItemTab);
    tableButton_ = MakeButton(this, "tableButton", "Table");
    tableButton_->setCheckable(true);
    tableButton_->setToolTip("Grid or table (Ctrl+T)");
    nextFree_ = MakeButton(this, "nextFreeSlot", "Next free slot");
    nextFree_->setToolTip("Select the first free slot after the selected tile");
    editSelected_ = MakeButton(this, "editSelected", "Edit selected\u2026");
    auto* top = new QHBoxLayout;
    top->addWidget(tabs_);
    top->addStretch(1);
    for (QWidget* w : {static_cast<QWidget*>(tableButton_), static_cast<QWidget*>(nextFree_),
                       static_cast<QWidget*>(editSelected_)})
        top->addWidget(w);

    filterBar_ = new BrowserFilterBar(this);

    grid_ = new QListView(this);
    grid_->setObjectName("tileGrid");
    grid_->setAccessibleName("Tiles");
    grid_->setViewMode(QListView::ListMode);
    grid_->setFlow(QListView::LeftToRight);
    grid_->setWrapping(true);
    grid_->setResizeMode(QListView::Adjust);
    grid_->setUniformItemSizes(true);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setItemDelegate(new TileCellDelegate(grid_));
    grid_->setModel(model_);

    table_ = new QTableView(this);
    table_->setObjectName("tileTable");
    table_->setAccessibleName("Tiles");
    table_->setModel(model_);
    table_->setSelectionModel(grid_->selectionModel());
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setIconSize(QSize(32, 32));
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(34);
    table_->horizontalHeader()->setStretchLastSection(true);
    for (const int column : {TileBrowserModel::kNumber, TileBrowserModel::kHex, TileBrowserModel::kWeight,
                             TileBrowserModel::kHeight})
        table_->setColumnWidth(column, 64);
    table_->setColumnWidth(TileBrowserModel::kName, 170);
    table_->setColumnWidth(TileBrowserModel::kPicture, 44);
    table_->setWordWrap(false);

    views_ = new QStackedWidget(this);
    views_->addWidget(grid_);
    views_->addWidget(table_);

    status_ = new QLabel(this);
    status_->setObjectName("status");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(filterBar_);
    layout->addWidget(views_, 1);
    layout->addWidget(status_);

    connect(tabs_, &QTabBar::currentChanged, this,
            [this](int tab) { ShowKind(tab == kLandTab ? TileKind::Land : TileKind::Item); });
    connect(tableButton_, &QPushButton::toggled, this, &TileBrowser::SetTableShown);
    connect(nextFree_, &QPushButton::clicked, this, &TileBrowser::SelectNextFreeSlot);
    connect(editSelected_, &QPushButton::clicked, this, &TileBrowser::EditSelected);
    connect(filterBar_, &BrowserFilterBar::Changed, this, &TileBrowser::ApplyFilter);
    QItemSelectionModel* selection = grid_->selectionModel();
    connect(selection, &QItemSelectionModel::selectionChanged, this, [this] {
        ShowStatus();
        ChooseCurrent();
    });
    connect(selection, &QItemSelectionModel::currentChanged, this, &TileBrowser::ChooseCurrent);
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(grid_), static_cast<QAbstractItemView*>(table_)}) {
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& at) {
            QMenu menu(this);
            FillContextMenu(menu);
            menu.exec(view->viewport()->mapToGlobal(at));
        });
        // Return (or a double click) on one of several selected tiles edits them all.
        connect(view, &QAbstractItemView::activated, this, [this] {
            if (SelectedIds().size() > 1) EditSelected();
        });
    }
}

void TileBrowser::BuildKeys() {
    auto key = [this](QKeySequence sequence, auto action) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    key(QKeySequence(Qt::Key_Escape), [this] { close(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_F), [this] {
        filterBar_->textBox()->setFocus(Qt::ShortcutFocusReason);
        filterBar_->textBox()->selectAll();
    });
    key(QKeySequence(Qt::CTRL | Qt::Key_T), [this] { tableButton_->toggle(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_A), [this] {
        CurrentView()->selectAll();
        CurrentView()->setFocus();
    });
    key(QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { UndoApply(); });
    key(QKeySequence(Qt::Key_F5), [this] { Reload(); });
}

void TileBrowser::Open(const std::string& artFolder, const std::string& tileDataFolder, TileKind kind) {
    artFolder_ = artFolder;
    tileDataFolder_ = tileDataFolder;
    pictures_->SetArtFolder(artFolder);
    presence_.reset();
    auto file = TileDataFile::ReadFolder(tileDataFolder);
    if (!file) {
        file_.reset();
        model_->SetFile(nullptr, kind);
        ShowStatus();
        Warn(QString::fromStdString(file.error().message));
        return;
    }
    file_ = std::make_shared<const TileDataFile>(std::move(file).value());
    filterBar_->SetFlagBits(file_->layout().FlagBits());
    const QSignalBlocker quiet(tabs_);
    tabs_->setCurrentIndex(kind == TileKind::Land ? kLandTab : kItemTab);
    ShowKind(kind);
}

void TileBrowser::Reload() {
    const std::vector<std::int32_t> selected = SelectedIds();
    const QModelIndex current = grid_->currentIndex();
    const std::int32_t currentId = current.isValid() ? model_->IdAt(current.row()) : -1;
    auto file = TileDataFile::ReadFolder(tileDataFolder_);
    if (!file) {
        Warn(QString::fromStdString(file.error().message));
        return;
    }
    file_ = std::make_shared<const TileDataFile>(std::move(file).value());
    filterBar_->SetFlagBits(file_->layout().FlagBits());
    filterer_.reset();
    model_->SetFile(file_, kind());
    ApplyFilter();
    SelectIds(selected);
    if (currentId >= 0) {
        const QSignalBlocker quiet(grid_->selectionModel());
        if (const int row = model_->RowOf(currentId); row >= 0)
            grid_->selectionModel()->setCurrentIndex(model_->index(row, 0), QItemSelectionModel::NoUpdate);
    }
}

// A current tile counts once it is selected as well: focus alone makes a
// current tile without choosing it, and Shift selects after moving.
void TileBrowser::ChooseCurrent() {
    const QModelIndex current = grid_->currentIndex();
    if (!current.isValid() || !grid_->selectionModel()->isSelected(current)) return;
    const Chosen now{model_->kind(), model_->IdAt(current.row())};
    if (now == chosen_) return;
    chosen_ = now;
    emit TileChosen(now.kind, now.id);
}

TileKind TileBrowser::kind() const { return model_->kind(); }

void TileBrowser::ShowKind(TileKind kind) {
    filterer_.reset();
    model_->SetFile(file_, kind);
    ApplyFilter();
}

HasPicture TileBrowser::PictureTest() {
    if (!presence_) {
        // Art that cannot be read has no pictures; the cells show none either.
        auto read = Decode_Mul::ArtPresence::Read(artFolder_);
        if (read) presence_ = std::make_shared<const Decode_Mul::ArtPresence>(std::move(read).value());
    }
    const bool land = kind() == TileKind::Land;
    return [presence = presence_, land](std::int32_t n) {
        return presence && presence->Has(land ? Decode_Mul::LandArtEntry(n) : Decode_Mul::ItemArtEntry(n));
    };
}

void TileBrowser::ApplyFilter() {
    if (!file_) return;
    const std::vector<std::int32_t> selected = SelectedIds();
    const BrowserFilter filter = filterBar_->filter();
    if (!filterer_) filterer_.emplace(file_, kind());
    model_->SetShown(filterer_->Filter(filter, NeedsPictures(filter) ? PictureTest() : HasPicture()));
    SelectIds(selected);
    ShowStatus();
}

std::vector<std::int32_t> TileBrowser::SelectedIds() const {
    std::vector<std::int32_t> ids;
    for (const QItemSelectionRange& range : grid_->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row) ids.push_back(model_->IdAt(row));
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

void TileBrowser::SelectIds(const std::vector<std::int32_t>& ids) {
    QItemSelection selection;
    int first = -1, last = -2;
    auto flush = [&] {
        if (first >= 0) selection.select(model_->index(first, 0), model_->index(last, TileBrowserModel::kColumnCount - 1));
    };
    for (const std::int32_t id : ids) {
        const int row = model_->RowOf(id);
        if (row < 0) continue;
        if (row != last + 1) {
            flush();
            first = row;
        }
        last = row;
    }
    flush();
    grid_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void TileBrowser::ShowStatus() {
    const std::size_t shown = model_->shown().size();
    std::size_t selected = 0;
    for (const QItemSelectionRange& range : grid_->selectionModel()->selection()) selected += range.height();
    status_->setText(QStringLiteral("%1 %2 shown, %3 selected")
                         .arg(shown)
                         .arg(shown == 1 ? "tile" : "tiles")
                         .arg(selected));
}

void TileBrowser::SetTableShown(bool table) {
    const QModelIndex current = grid_->currentIndex();
    views_->setCurrentWidget(table ? static_cast<QWidget*>(table_) : grid_);
    if (current.isValid()) CurrentView()->scrollTo(current);
    CurrentView()->setFocus();
}

QAbstractItemView* TileBrowser::CurrentView() const {
    return views_->currentWidget() == table_ ? static_cast<QAbstractItemView*>(table_) : grid_;
}

void TileBrowser::SelectNextFreeSlot() {
    if (!file_) return;
    const std::vector<std::int32_t> free = FreeSlots(*file_, kind(), PictureTest());
    if (free.empty()) {
        status_->setText("No free slot.");
        return;
    }
    const QModelIndex current = grid_->currentIndex();
    const std::int32_t after = current.isValid() ? model_->IdAt(current.row()) : -1;
    const auto next = std::upper_bound(free.begin(), free.end(), after);
    const std::int32_t id = next != free.end() ? *next : free.front();
    int row = model_->RowOf(id);
    if (row < 0) {  // hidden by the filter: show every tile again
        filterBar_->Reset();
        row = model_->RowOf(id);
    }
    const QModelIndex index = model_->index(row, 0);
    grid_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    CurrentView()->scrollTo(index);
}

void TileBrowser::FillContextMenu(QMenu& menu) {
    menu.addAction("Edit selected\u2026", this, &TileBrowser::EditSelected);
    menu.addAction("Save pictures\u2026", this, &TileBrowser::SavePictures);
    menu.addAction("Replace picture\u2026", this, &TileBrowser::ReplacePicture);
    menu.addAction("Remove picture", this, &TileBrowser::RemovePicture);
}

void TileBrowser::Warn(const QString& text) {
    QMessageBox box(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
    Ask(box);
}

// Where no window manager hands the keys back, closing a dialog would leave
// them nowhere: Ctrl+Z after an apply must reach the browser.
int TileBrowser::Ask(QDialog& dialog) {
    // The browser's own dialog that just closed may still count as active.
    const QWidget* before = QApplication::activeWindow();
    bool ours = !before;
    for (const QWidget* w = before; w && !ours; w = w->parentWidget()) ours = w == this;
    const int answer = dialog.exec();
    if (ours) activateWindow();
    return answer;
}

}  // namespace tilewright
