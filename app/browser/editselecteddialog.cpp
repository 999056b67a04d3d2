#include "editselecteddialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QVBoxLayout>

#include "flagcaptions.h"
#include "numberconversion.h"
#include "valueboxes.h"
#include "tilerow.h"

namespace tilewright {
namespace {

constexpr int kFlagColumns = 4;

}  // namespace

const char* ValueBoxCaption(TileKind kind, int column) {
    for (int box = 0; box < static_cast<int>(kValueBoxes.size()); ++box)
        if (FieldOfBox(kind, box) == column - kFirstValueColumn) return kValueBoxes[static_cast<std::size_t>(box)].caption;
    return "";
}

EditSelectedDialog::EditSelectedDialog(TileKind kind, int flagBits, std::size_t selected, QWidget* parent)
    : QDialog(parent), kind_(kind) {
    setObjectName("editSelected");
    setWindowTitle(QStringLiteral("Edit %1 selected %2").arg(selected).arg(selected == 1 ? "tile" : "tiles"));

    auto* flagFrame = new QGroupBox("Flags", this);
    auto* flagGrid = new QGridLayout(flagFrame);
    const int rows = (flagBits + kFlagColumns - 1) / kFlagColumns;
    auto* legend = new QLabel("Square: unchanged \u00B7 ticked: set \u00B7 empty: clear", flagFrame);
    flagGrid->addWidget(legend, rows, 0, 1, kFlagColumns);
    // The window's style draws a partly checked box as a checked one; this
    // style draws it as a filled square, so the three states stay apart.
    QStyle* threeStates = QStyleFactory::create("Fusion");
    if (threeStates) threeStates->setParent(this);
    for (int bit = 0; bit < flagBits; ++bit) {
        auto* box = new QCheckBox(FlagCaption(bit), flagFrame);
        if (threeStates) box->setStyle(threeStates);
        box->setObjectName(QStringLiteral("flag(%1)").arg(bit));
        box->setTristate(true);
        box->setCheckState(Qt::PartiallyChecked);
        box->setToolTip("Partly checked: unchanged; checked: set; unchecked: clear");
        flagGrid->addWidget(box, bit % rows, bit / rows);
        flags_.push_back(box);
    }

    auto* valueFrame = new QGroupBox("Values (empty: unchanged)", this);
    auto* form = new QFormLayout(valueFrame);
    for (int column = kFirstValueColumn; column < kFirstFlagColumn; ++column) {
        const ValueField& field = ValueFieldOf(column);
        if (field.kind != kind) continue;
        auto* box = new QLineEdit(valueFrame);
        box->setObjectName(QString::fromLatin1(field.column.data(), static_cast<int>(field.column.size())));
        box->setToolTip(QStringLiteral("%1 - %2").arg(field.min).arg(field.max));
        form->addRow(ValueBoxCaption(kind_, column), box);
        values_[static_cast<std::size_t>(column - kFirstValueColumn)] = box;
    }
    name_ = new QLineEdit(valueFrame);
    name_->setObjectName("name");
    name_->setMaxLength(static_cast<int>(kNameSize));
    form->addRow("Tile Name :", name_);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("Apply", QDialogButtonBox::AcceptRole)->setObjectName("apply");
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(flagFrame, 1);
    boxes->addWidget(valueFrame);
    layout->addLayout(boxes);
    layout->addWidget(buttons);
}

QLineEdit* EditSelectedDialog::valueBox(int column) const {
    return IsValueColumn(column) ? values_[static_cast<std::size_t>(column - kFirstValueColumn)] : nullptr;
}

Result<TileEdit> EditSelectedDialog::Edit() const {
    TileEdit edit;
    edit.kind = kind_;
    for (std::size_t bit = 0; bit < flags_.size(); ++bit) {
        const Qt::CheckState state = flags_[bit]->checkState();
        if (state == Qt::PartiallyChecked) continue;
        edit.flagMask |= FlagMask(static_cast<int>(bit));
        if (state == Qt::Checked) edit.flagValues |= FlagMask(static_cast<int>(bit));
    }
    for (int column = kFirstValueColumn; column < kFirstFlagColumn; ++column) {
        const QLineEdit* box = valueBox(column);
        if (!box || box->text().isEmpty()) continue;
        const ValueField& field = ValueFieldOf(column);
        const auto value = ConvertWholeNumber(box->text().toStdU16String(), ValueBoxCaption(kind_, column), field.min, field.max);
        RETURN_IF_ERROR(value);
        const int v = column - kFirstValueColumn;
        edit.valueMask |= static_cast<std::uint16_t>(1u << v);
        edit.values[static_cast<std::size_t>(v)] = static_cast<std::int32_t>(*value);
    }
    if (!name_->text().isEmpty()) {
        const QByteArray latin1 = name_->text().toLatin1();
        if (QString::fromLatin1(latin1) != name_->text())
            return Error{ErrorKind::InvalidValue,
                         "The name in \"Tile Name :\" holds a character that a tile name cannot hold."};
        edit.hasName = true;
        std::copy_n(latin1.begin(), std::min<qsizetype>(latin1.size(), kNameSize), edit.name.begin());
    }
    return edit;
}

}  // namespace tilewright
