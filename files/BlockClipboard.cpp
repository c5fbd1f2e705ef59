#include "files/BlockClipboard.h"

#include <cctype>
#include <charconv>
#include <memory>
#include <string_view>

#include "document/File1.h"

namespace block_clipboard {

namespace {

constexpr size_t HeaderBytes = 3;  // columns, rows, parity of the top row
constexpr char OddMarker[] = "odd";  // after the code's "@": the top row was odd

// Whether the text after the code's end mark is the odd-row marker alone.
bool MarkedOdd(std::string_view text)
{
    const size_t mark = text.find('@');
    if (mark == std::string_view::npos)
        return false;
    text.remove_prefix(mark + 1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text == OddMarker;
}

bool ValidSize(int columns, int rows)
{
    return columns >= 1 && columns <= GridSize && rows >= 1 && rows <= GridSize;
}

// A scratch document of the block's size with the catalogue's letters.
std::unique_ptr<TTileData> ScratchMap(const TTileData& doc, int columns, int rows)
{
    auto scratch = std::make_unique<TTileData>();
    for (int i = 0; i < MaxTiles; ++i) {
        scratch->Tile[i].No = doc.Tile[i].No;
        scratch->Tile[i].Code = doc.Tile[i].Code;
    }
    scratch->LastX = columns - 1;
    scratch->LastY = rows - 1;
    return scratch;
}

}  // namespace

std::string ToBytes(const map_shapes::Block& block)
{
    std::string bytes;
    bytes += static_cast<char>(block.Columns);
    bytes += static_cast<char>(block.Rows);
    bytes += static_cast<char>(block.OriginOdd ? 1 : 0);
    for (const MapCell& c : block.Cells) {
        bytes += static_cast<char>(c.Panel);
        bytes += static_cast<char>(c.Counter);
        bytes += static_cast<char>(c.Mask);
    }
    // A turned block's absent cells follow, one byte a cell; older readers
    // refuse the longer bytes rather than misread them.
    for (const bool present : block.Present)
        bytes += static_cast<char>(present ? 1 : 0);
    return bytes;
}

std::optional<map_shapes::Block> FromBytes(const std::string& bytes)
{
    if (bytes.size() < HeaderBytes)
        return std::nullopt;
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(bytes[i]); };
    map_shapes::Block block{byte(0), byte(1), byte(2) != 0, {}};
    if (!ValidSize(block.Columns, block.Rows))
        return std::nullopt;
    const size_t n = static_cast<size_t>(block.Columns * block.Rows);
    const size_t cellsEnd = HeaderBytes + 3 * n;
    if (bytes.size() != cellsEnd && bytes.size() != cellsEnd + n)
        return std::nullopt;
    for (size_t i = HeaderBytes; i < cellsEnd; i += 3)
        block.Cells.push_back({byte(i), byte(i + 1), byte(i + 2)});
    for (size_t i = cellsEnd; i < bytes.size(); ++i)
        block.Present.push_back(byte(i) != 0);
    return block;
}

std::string ToText(const TTileData& doc, const map_shapes::Block& block)
{
    if (block.Empty())
        return {};
    const auto scratch = ScratchMap(doc, block.Columns, block.Rows);
    for (int row = 0; row < block.Rows; ++row)
        for (int column = 0; column < block.Columns; ++column)
            scratch->Map[column][row] = block.At(column, row);
    // The code's grammar ignores what follows "@"; the marker keeps a block
    // from an odd top row in its shape.
    return std::to_string(block.Columns) + "x" + std::to_string(block.Rows) + " " + scratch->EncodeMapCode() +
           (block.OriginOdd ? OddMarker : "");
}

std::optional<map_shapes::Block> FromText(const TTileData& doc, const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    int columns = 0, rows = 0;
    const char* end = text.data() + text.size();
    const auto c = std::from_chars(text.data() + i, end, columns);
    if (c.ec != std::errc() || c.ptr == end || (*c.ptr != 'x' && *c.ptr != 'X'))
        return std::nullopt;
    const auto r = std::from_chars(c.ptr + 1, end, rows);
    if (r.ec != std::errc() || !ValidSize(columns, rows))
        return std::nullopt;

    const auto scratch = ScratchMap(doc, columns, rows);
    const std::string code(r.ptr, end);
    scratch->ApplyMapCode(code);
    map_shapes::Block block{columns, rows, MarkedOdd(code), {}};
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            block.Cells.push_back(scratch->Map[column][row]);
    return block;
}

}  // namespace block_clipboard
