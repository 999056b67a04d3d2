// Small factories for the controls of the editor's windows, each made with
// its object name, caption, hint and fixed geometry.
#pragma once

#include <QRect>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tilewright {

// "group(index)", the name of a control of a control array.
QString Indexed(const char* group, int index);

QGroupBox* MakeFrame(QWidget* parent, const char* name, const char* caption, QRect geometry);
QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, const char* tooltip, QRect geometry);
QLabel* MakeLabel(QWidget* parent, const QString& name, const char* caption, QRect geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
QLineEdit* MakeBox(QWidget* parent, const QString& name, const char* tooltip, QRect geometry);
// The 13-pixel boxes have room for a line of text only without the style's
// 2-pixel frame, so they get a single-line border instead.
QLineEdit* MakeSmallBox(QWidget* parent, const QString& name, const char* tooltip, QRect geometry);

// Shows a box's text from its first character, so that a text that is
// longer than the box is cut at its end, not its start.
void SetBoxText(QLineEdit* box, const QString& text);

// The single-line border a dialog without a title bar, or under a window
// manager that draws no frame, shows to stand apart from the window under
// it; called from the dialog's paintEvent.
void PaintDialogBorder(QWidget& dialog);

}  // namespace tilewright
