#pragma once
#include <QImage>
#include <string>

// The 32 x 32 palette picture of a bitmap file: its top-left frame, silver
// made transparent; the placeholder tile when the file gives no picture.
QImage PaletteTileImage(const std::string& path);
