#include "browserfilterbar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>

#include "flagcaptions.h"
#include "tiledatalayout.h"

namespace tilewright {
namespace {

enum FlagState { kAny, kSet, kClear };
constexpr const char* kStateTexts[] = {"any", "set", "clear"};

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

}  // namespace

BrowserFilterBar::BrowserFilterBar(QWidget* parent) : QWidget(parent) {
    text_ = new QLineEdit(this);
    text_->setObjectName("filter");
    text_->setAccessibleName("Filter");
    text_->setPlaceholderText("Name, number or range (100-200)");
    text_->setClearButtonEnabled(true);
    withPicture_ = MakeCheckBox(this, "withPicture", "With picture");
    withoutPicture_ = MakeCheckBox(this, "withoutPicture", "Without picture");
    freeSlots_ = MakeCheckBox(this, "freeSlots", "Free slots");
    flags_ = new QComboBox(this);
    flags_->setObjectName("flagList");
    flags_->setAccessibleName("Flag");
    flags_->setToolTip("A flag to filter by, with its state beside it");
    state_ = new QComboBox(this);
    state_->setObjectName("flagState");
    state_->setAccessibleName("Flag state");
    for (const char* text : kStateTexts) state_->addItem(QString::fromLatin1(text));

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(text_, 1);
    for (QWidget* w : std::initializer_list<QWidget*>{withPicture_, withoutPicture_, flags_, state_, freeSlots_})
        row->addWidget(w);

    connect(text_, &QLineEdit::textChanged, this, &BrowserFilterBar::Changed);
    for (QCheckBox* box : {withPicture_, withoutPicture_, freeSlots_})
        connect(box, &QCheckBox::toggled, this, &BrowserFilterBar::Changed);
    connect(flags_, &QComboBox::currentIndexChanged, this, &BrowserFilterBar::ShowFlagState);
    connect(state_, &QComboBox::activated, this, &BrowserFilterBar::OnStateChosen);
    SetFlagBits(32);
}

void BrowserFilterBar::SetFlagBits(int flagBits) {
    if (flags_->count() == flagBits) return;
    const QSignalBlocker quiet(flags_);
    const std::uint64_t kept = flagBits == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << flagBits) - 1;
    const bool dropped = (mask_ & ~kept) != 0;
    mask_ &= kept;
    values_ &= kept;
    flags_->clear();
    for (int bit = 0; bit < flagBits; ++bit) {
        flags_->addItem(QString(), bit);
        ShowFlagText(bit);
    }
    ShowFlagState();
    if (dropped) emit Changed();
}

int BrowserFilterBar::StateOf(int bit) const {
    return !(mask_ & FlagMask(bit)) ? kAny : (values_ & FlagMask(bit)) ? kSet : kClear;
}

void BrowserFilterBar::ShowFlagText(int bit) {
    flags_->setItemText(bit, QStringLiteral("%1: %2").arg(FlagCaption(bit), kStateTexts[StateOf(bit)]));
}

void BrowserFilterBar::ShowFlagState() {
    if (const int bit = flags_->currentIndex(); bit >= 0) state_->setCurrentIndex(StateOf(bit));
}

void BrowserFilterBar::OnStateChosen(int state) {
    const int bit = flags_->currentIndex();
    if (bit < 0) return;
    const std::uint64_t m = FlagMask(bit);
    mask_ = state == kAny ? mask_ & ~m : mask_ | m;
    values_ = state == kSet ? values_ | m : values_ & ~m;
    ShowFlagText(bit);
    emit Changed();
}

void BrowserFilterBar::Reset() {
    {
        const QSignalBlocker quiet(this);
        text_->clear();
        for (QCheckBox* box : {withPicture_, withoutPicture_, freeSlots_}) box->setChecked(false);
        mask_ = values_ = 0;
        for (int bit = 0; bit < flags_->count(); ++bit) ShowFlagText(bit);
        ShowFlagState();
    }
    emit Changed();
}

BrowserFilter BrowserFilterBar::filter() const {
    BrowserFilter f;
    f.text = text_->text().toStdString();
    f.withPicture = withPicture_->isChecked();
    f.withoutPicture = withoutPicture_->isChecked();
    f.freeSlots = freeSlots_->isChecked();
    f.flagMask = mask_;
    f.flagValues = values_;
    return f;
}

}  // namespace tilewright
