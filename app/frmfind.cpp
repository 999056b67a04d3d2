#include "frmfind.h"

#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

#include "applicationlook.h"
#include "corepath.h"
#include "frmmain.h"
#include "numberconversion.h"
#include "ownercentring.h"
#include "windowcontrols.h"

namespace tilewright {
namespace {

const QString kNoList = QStringLiteral("The list is empty: press \"Look Land's Tile\" or \"Look Item's Tile\" first.");

// F3 and Shift+F3 work in both windows, Ctrl+F in the main window.
void AddSearchKeys(QWidget& window, FrmFind& find) {
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F3), &window), &QShortcut::activated, &find,
                     [&find] { find.Find(SearchDirection::Next); });
    QObject::connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), &window), &QShortcut::activated, &find,
                     [&find] { find.Find(SearchDirection::Previous); });
    QObject::connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), &window), &QShortcut::activated, &find,
                     &FrmFind::Open);
}

}  // namespace

FrmFind::FrmFind(FrmMain& owner)
    : QDialog(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      owner_(owner) {
    setObjectName("frmFind");
    setWindowTitle("Find");
    setFixedSize(312, 84);

    QLabel* label = MakeLabel(this, "Label1", "Name or number :", {8, 11, 80, 13});
    txtFind_ = MakeBox(this, "txtFind", "A part of a tile's name, in any case, or a tile number", {96, 8, 209, 19});
    label->setBuddy(txtFind_);

    cmdFindNext_ = MakeButton(this, "cmdFindNext", "Find next", nullptr, {8, 32, 97, 17});
    cmdFindPrevious_ = MakeButton(this, "cmdFindPrevious", "Find previous", nullptr, {108, 32, 97, 17});
    cmdClose_ = MakeButton(this, "cmdClose", "Close", nullptr, {208, 32, 97, 17});
    cmdFindNext_->setDefault(true);  // Return finds the next tile
    connect(cmdFindNext_, &QPushButton::clicked, this, [this] { Find(SearchDirection::Next); });
    connect(cmdFindPrevious_, &QPushButton::clicked, this, [this] { Find(SearchDirection::Previous); });
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::reject);

    lblMessage_ = new QLabel(this);
    lblMessage_->setObjectName("lblMessage");
    lblMessage_->setGeometry(8, 54, 297, 26);
    lblMessage_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMessage_->setWordWrap(true);

    OwnerCentring::Install(*this);
    AddSearchKeys(owner, *this);
    AddSearchKeys(*this, *this);
}

void FrmFind::Open() {
    show();
    raise();
    activateWindow();
    txtFind_->setFocus(Qt::ShortcutFocusReason);
    txtFind_->selectAll();
}

void FrmFind::Find(SearchDirection direction) {
    const FrmMain::ListState list = owner_.listState();
    const std::u16string text = txtFind_->text().toStdU16String();
    if (list.count == 0 || !list.kind) return Say(kNoList, true);
    if (text.empty()) return Say("Type a part of a tile's name or a tile number.", true);
    const std::string_view kindName = KindName(*list.kind);
    const QString kind = QString::fromLatin1(kindName.data(), static_cast<qsizetype>(kindName.size()));
    std::optional<SearchHit> hit;
    if (const auto number = ReadWholeNumber(text, kDigitsOnly)) {
        if (number->magnitude >= static_cast<std::uint64_t>(list.count))
            return Say(QStringLiteral("The %1 list holds no tile %2.").arg(kind, txtFind_->text()), true);
        hit = SearchHit{static_cast<std::int32_t>(number->magnitude), false};
    } else {
        // One read of the whole file for all the names this search looks at.
        const auto file = TileDataFile::ReadFolder(CorePath(owner_.tileDataPath()));
        if (!file) return ShowReadFailure(QString::fromStdString(file.error().message));
        hit = FindTileByName(*file, *list.kind, list.count, list.selected, direction, text);
        if (!hit) return Say(QStringLiteral("No %1 tile's name contains \"%2\".").arg(kind, txtFind_->text()), true);
    }
    const bool forward = direction == SearchDirection::Next;
    Say(hit->wrapped ? (forward ? "Went on from the start of the list." : "Went on from the end of the list.") : "",
        false);
    owner_.SelectEntry(hit->entry);
}

void FrmFind::reject() {
    const bool active = isActiveWindow();
    QDialog::reject();
    if (active) owner_.activateWindow();
}

// Where no window manager draws a frame, this line tells the dialog from the
// main window under it, as the paths dialog's does.
void FrmFind::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    PaintDialogBorder(*this);
}

void FrmFind::Say(const QString& note, bool open) {
    lblMessage_->setText(note);
    if (open && !isVisible()) Open();
}

void FrmFind::ShowReadFailure(const QString& message) {
    Say({}, false);
    QMessageBox box(QMessageBox::Warning, kApplicationTitle, message, QMessageBox::Ok,
                    isVisible() ? static_cast<QWidget*>(this) : &owner_);
    box.exec();
}

}  // namespace tilewright
