#pragma once

// Pixel geometry of the staggered map picture.
namespace geometry {
constexpr int TileSize = 32;
constexpr int TopBand = 16;     // header band above row 0
constexpr int RowStagger = 16;  // even rows are shifted right by this
constexpr int RulerWidth = 16;

constexpr int PictureWidth(int lastX) { return TileSize * lastX + 48; }
constexpr int PictureHeight(int lastY) { return TileSize * lastY + 48; }
// Where the row-number image of an odd row starts.
constexpr int OddRulerLeft(int lastX) { return TileSize * lastX + 32; }
}  // namespace geometry
