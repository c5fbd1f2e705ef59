#pragma once
#include <QImage>
#include <string>

// How a 32 x 32 tile picture is made: the palette's look makes silver
// transparent and shows the placeholder tile when the file gives no picture;
// the plain look keeps every colour and is blank then.
enum class TileLook { Palette, Plain };

// The 32 x 32 picture of a bitmap file: its top-left frame, in `look`.
QImage PaletteTileImage(const std::string& path, TileLook look = TileLook::Palette);
