#pragma once
// Controls and fixed dialogs placed at their designed places, given in twips.

#include "twips.h"

#include <QDialog>
#include <QString>

// A new control of kind T on parent, named as in the designer, at its place in twips.
template <typename T>
T* place_control(QWidget* parent, const char* name, double left, double top, double width, double height)
{
    auto* widget = new T(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(twips_rect(left, top, width, height));
    return widget;
}

// A modal dialog that cannot be resized, with a client area of the given twips.
inline void make_fixed_dialog(QDialog& dialog, double width, double height)
{
    dialog.setModal(true);
    dialog.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint);
    dialog.setFixedSize(twips_to_px(width), twips_to_px(height));
}
