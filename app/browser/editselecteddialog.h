// "Edit selected…": one change for many tiles. Every flag of the layout is a
// three-state box (partly checked = unchanged, checked = set, unchecked =
// clear); every value box and the name box left empty keep each tile's own.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "error.h"
#include "tileedit.h"

class QCheckBox;
class QLineEdit;

namespace tilewright {

class EditSelectedDialog : public QDialog {
    Q_OBJECT
public:
    EditSelectedDialog(TileKind kind, int flagBits, std::size_t selected, QWidget* parent = nullptr);

    // The change the boxes ask for, each value checked as the main window's
    // Compile checks it; a refusal names the box.
    Result<TileEdit> Edit() const;

    QCheckBox* flagBox(int bit) const { return flags_[static_cast<std::size_t>(bit)]; }
    // The box of value column `column` (a kValueFields column), or nullptr
    // when the kind has no such field.
    QLineEdit* valueBox(int column) const;
    QLineEdit* nameBox() const { return name_; }

private:
    TileKind kind_;
    std::vector<QCheckBox*> flags_;
    std::array<QLineEdit*, kValueFieldCount> values_{};
    QLineEdit* name_;
};

// The caption of the main window's box that shows value column `column` for
// a tile of `kind`.
const char* ValueBoxCaption(TileKind kind, int column);

}  // namespace tilewright
