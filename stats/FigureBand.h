#pragma once
#include <QImage>

#include "document/IslandStats.h"

// The map picture, untouched at the top left, with a band under it that
// shows the ten figures of the "情報" tab as label and value. Needs a
// QGuiApplication (fonts).
QImage PictureWithFigures(const QImage& map, const IslandStats& stats);

// The size PictureWithFigures gives a map picture of this size.
QSize PictureWithFiguresSize(QSize map);
