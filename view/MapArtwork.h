#pragma once
#include <QImage>

// Artwork the program draws itself: the header strip with the column
// numbers, the row-number images and the "no picture" tile.
namespace artwork {
constexpr int HeaderWidth = 979;
constexpr int HeaderHeight = 48;

QImage HeaderStrip();
QImage RulerImage(int row);  // 16 x 32, the number row on sea
QImage PlaceholderTile();    // 32 x 32, for a cell whose bitmap is missing
}  // namespace artwork
