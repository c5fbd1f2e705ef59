#pragma once
#include <QFont>
#include <QWidget>
#include <initializer_list>

// Controls at fixed places, as the dialogs lay them out.

// Forms give font sizes in points only; these captions are drawn `pixels` high.
inline void SetPixelSize(int pixels, std::initializer_list<QWidget*> widgets)
{
    for (QWidget* widget : widgets) {
        QFont font = widget->font();
        font.setPixelSize(pixels);
        widget->setFont(font);
    }
}
