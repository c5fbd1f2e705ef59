#pragma once
#include <QFont>
#include <QLabel>
#include <QRect>
#include <QScrollBar>
#include <QString>

// Controls at fixed places, as the dialogs lay them out.

// A label whose font is `pixels` high.
inline QLabel* PixelLabel(QWidget* parent, const QString& text, int pixels, QRect geometry)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPixelSize(pixels);
    label->setFont(font);
    label->setGeometry(geometry);
    return label;
}

// A horizontal scroll bar over lo..hi.
inline QScrollBar* HorizontalBar(QWidget* parent, QRect geometry, int lo, int hi)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setGeometry(geometry);
    bar->setRange(lo, hi);
    bar->setFocusPolicy(Qt::StrongFocus);  // arrows and Page keys change it
    return bar;
}
