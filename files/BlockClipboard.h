#pragma once
#include <optional>
#include <string>

#include "view/MapShapes.h"

class TTileData;

// A copied block on the clipboard: whole cells in a private format, and as
// text the block's pseudo-map code after its size ("5x3 b0c2a@", with "odd"
// after the "@" when its top row was odd), which any window with the same
// catalogue letters can paste. The private format carries the cells a
// turned block leaves out; the text fills them with what the block holds
// there (cleared cells).
namespace block_clipboard {

inline constexpr char MimeType[] = "application/x-ispln-block";

std::string ToBytes(const map_shapes::Block& block);
// Nothing unless the bytes are exactly a block of 1..31 by 1..31 cells.
std::optional<map_shapes::Block> FromBytes(const std::string& bytes);

// Panel kinds only: the code carries no counters and no masks.
std::string ToText(const TTileData& doc, const map_shapes::Block& block);
// Nothing unless the text starts with "COLSxROWS" (each 1..31).
std::optional<map_shapes::Block> FromText(const TTileData& doc, const std::string& text);

}  // namespace block_clipboard
