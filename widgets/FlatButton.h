#pragma once
#include <QRect>
#include <QString>
#include <QToolButton>

// A flat tool button with a caption at a fixed place, as the windows'
// toolbars and tabs use them.
inline QToolButton* FlatButton(QWidget* parent, const QString& caption, QRect geometry)
{
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setGeometry(geometry);
    return button;
}
