// The tile browser's filter controls: the "Filter" box, "With picture",
// "Without picture", the flag list with each flag's "any", "set" or "clear",
// and "Free slots". Changed() follows every change.
#pragma once

#include <QWidget>

#include "tilebrowserfilter.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace tilewright {

class BrowserFilterBar : public QWidget {
    Q_OBJECT
public:
    explicit BrowserFilterBar(QWidget* parent = nullptr);

    // The flags of a layout of `flagBits` bits; states of bits it lacks are dropped.
    void SetFlagBits(int flagBits);
    BrowserFilter filter() const;
    QLineEdit* textBox() const { return text_; }
    // Shows every tile again: no text, no box ticked, every flag "any".
    void Reset();

signals:
    void Changed();

private:
    int StateOf(int bit) const;
    void ShowFlagText(int bit);
    void ShowFlagState();
    void OnStateChosen(int state);

    QLineEdit* text_;
    QCheckBox* withPicture_;
    QCheckBox* withoutPicture_;
    QCheckBox* freeSlots_;
    QComboBox* flags_;
    QComboBox* state_;
    std::uint64_t mask_ = 0;
    std::uint64_t values_ = 0;
};

}  // namespace tilewright
