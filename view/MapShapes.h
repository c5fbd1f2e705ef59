#pragma once
#include <cstddef>
#include <utility>
#include <vector>

#include "document/MapCell.h"

class TTileData;

// Cell shapes on the staggered grid, where every even row is shifted right
// by half a tile so that each cell has six neighbours. Pure arithmetic on
// cell coordinates; nothing here draws or records.
namespace map_shapes {

struct Cell {
    int X = 0;
    int Y = 0;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// Whether the cell lies inside the shown map (columns 0..LastX, rows 0..LastY).
bool Shown(const TTileData& doc, Cell c);
// The nearest shown cell.
Cell ClampToShown(const TTileData& doc, Cell c);

// The six neighbours (some may lie outside the map).
std::vector<Cell> Neighbours(Cell c);
// Steps between two cells.
int Distance(Cell a, Cell b);
// The straight line of cells from a to b, both included, each next to the one
// before it.
std::vector<Cell> HexLine(Cell a, Cell b);
// Every cell of columns min..max by rows min..max of the two corners.
std::vector<Cell> RectCells(Cell a, Cell b);
// The connected shown cells holding the same panel number as `start`.
std::vector<Cell> FillRegion(const TTileData& doc, Cell start);
// Moves c as the grid's shape moves `from` onto `to`: a shift by an odd
// number of rows moves every row by half a tile, so the shape stays the same.
Cell Translate(Cell c, Cell from, Cell to);

// A copied block of cells with their offsets. The parity of the row it was
// copied from matters: placing it keeps its shape.
struct Block {
    int Columns = 0;
    int Rows = 0;
    bool OriginOdd = false;      // its top row was an odd row
    std::vector<MapCell> Cells;  // row by row
    // Row by row, whether the cell belongs to the block; empty: all do. A
    // turned block is no rectangle, and its corners are left out.
    std::vector<bool> Present{};

    bool Empty() const { return Columns <= 0 || Rows <= 0; }
    MapCell At(int column, int row) const { return Cells[static_cast<size_t>(row * Columns + column)]; }
    bool Has(int column, int row) const
    {
        return Present.empty() || Present[static_cast<size_t>(row * Columns + column)];
    }
    // Cells and presence hold exactly Columns x Rows entries.
    bool Consistent() const;
};

// Turns by 60 degrees and mirrors, on the six-neighbour geometry.
enum class Reshape { TurnClockwise, TurnCounterClockwise, MirrorLeftRight, MirrorTopBottom };

// Where a block lies: its top-left cell and shape. On a row of the other
// parity than the one it came from, alternate rows sit one column over, so
// the cells are not the rectangle of two corners.
struct Footprint {
    Cell Anchor;
    int Columns = 0;
    int Rows = 0;
    bool OriginOdd = false;
    std::vector<bool> Present{};  // as Block::Present

    friend bool operator==(const Footprint&, const Footprint&) = default;
    // Where the block lies with its top-left cell on `anchor`.
    static Footprint Of(const Block& block, Cell anchor);

    // The rectangle two corners span, as a drag selects it.
    static Footprint Spanning(Cell a, Cell b);
    // The block's cells, row by row, each with its column and row in the
    // block; absent cells are left out.
    template <typename Visit>
    void ForEach(Visit visit) const;
    std::vector<Cell> Cells() const;
};

// The cells of the rectangle spanned by two corners, clipped to the shown map.
Block CopyBlock(const TTileData& doc, Cell a, Cell b);
// The block lying at the footprint; a cell off the shown map is copied as
// `outside`.
Block CopyBlock(const TTileData& doc, const Footprint& where, MapCell outside);
// The shown cells the block covers when its top-left cell is put on `anchor`,
// with what they would hold.
std::vector<CellEdit> PlaceBlock(const TTileData& doc, const Block& block, Cell anchor);

// The block lying at `anchor` turned or mirrored about the map cell `pivot`,
// trimmed to the cells it keeps, and the footprint it lies at then. Steps
// about one pivot compose exactly: six turns, or two mirrors, put every
// cell back where it was.
std::pair<Block, Footprint> Reshaped(const Block& block, Cell anchor, Cell pivot, Reshape how);
// The same for a block on its own; `pivot` is a cell in the block's frame
// (top-left cell on column 0 of row 0, or of row 1 when OriginOdd) and is
// moved into the new block's frame, so the next step turns about it too.
Block Reshaped(const Block& block, Reshape how, Cell& pivot);
// The block's middle cell, in its own frame or where it lies.
Cell MiddleOf(const Block& block);
Cell MiddleOf(const Footprint& where);

template <typename Visit>
void Footprint::ForEach(Visit visit) const
{
    const Cell origin{0, OriginOdd ? 1 : 0};
    for (int row = 0; row < Rows; ++row)
        for (int column = 0; column < Columns; ++column)
            if (Present.empty() || Present[static_cast<size_t>(row * Columns + column)])
                visit(Translate({column, origin.Y + row}, origin, Anchor), column, row);
}

}  // namespace map_shapes
