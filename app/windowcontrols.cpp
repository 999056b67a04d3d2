#include "windowcontrols.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace tilewright {

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

QLabel* MakeLabel(QWidget* parent, const QString& name, const char* caption, QRect geometry,
                  Qt::Alignment alignment) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

QLineEdit* MakeBox(QWidget* parent, const QString& name, const char* tooltip, QRect geometry) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setToolTip(tooltip);
    box->setGeometry(geometry);
    return box;
}

QLineEdit* MakeSmallBox(QWidget* parent, const QString& name, const char* tooltip, QRect geometry) {
    QLineEdit* box = MakeBox(parent, name, tooltip, geometry);
    box->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid palette(dark); padding: 0px; "
                                      "background: palette(base); }"));
    return box;
}

void SetBoxText(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setCursorPosition(0);
}

void PaintDialogBorder(QWidget& dialog) {
    QPainter painter(&dialog);
    painter.setPen(dialog.palette().color(QPalette::WindowText));
    painter.drawRect(dialog.rect().adjusted(0, 0, -1, -1));
}

}  // namespace tilewright
