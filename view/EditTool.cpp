// The geometry and editing operations of the document.
#include "document/File1.h"
#include "view/MapGeometry.h"

#include <algorithm>

using namespace geometry;

CellRectangle TTileData::CellRect(int32_t x, int32_t y)
{
    CellRectangle r;
    r.Top = TileSize * y + TopBand;
    r.Bottom = r.Top + TileSize;
    const bool odd = (y % 2) != 0;
    r.Left = TileSize * x + (odd ? 0 : RowStagger);
    r.Right = r.Left + TileSize;
    return r;
}

TTileData::CellAtPixel TTileData::CellAt(int32_t px, int32_t py) const
{
    // Truncating division on purpose: the ruler and the header band give
    // negative offsets that must not round down into a neighbouring cell.
    CellAtPixel at{0, 0, true};
    if (py - TopBand < 0) {
        at.Y = -1;
        at.Valid = false;
    } else {
        at.Y = (py - TopBand) / TileSize;
    }
    if (at.Valid) {
        if (at.Y % 2 != 0) {
            at.X = px / TileSize;
        } else if (px - RowStagger < 0) {
            at.X = -1;
            at.Valid = false;
        } else {
            at.X = (px - RowStagger) / TileSize;
        }
    }
    if (at.Y > LastY || at.X > LastX)
        at.Valid = false;
    return at;
}

void TTileData::PixelToCell(int32_t px, int32_t py)
{
    const CellAtPixel at = CellAt(px, py);
    CursorX = at.X;
    CursorY = at.Y;
    CursorValid = at.Valid;
}

namespace {

// Column span [from, to] of row dy (relative to the centre) in the staggered
// hexagon of radius R around a centre in a row of the given parity.
bool AreaRowSpan(int R, int dy, bool centreOdd, int& from, int& to)
{
    switch (dy < 0 ? -dy : dy) {
    case 0:
        from = -R + 1;
        to = R - 1;
        return true;
    case 1:
        from = centreOdd ? -R + 1 : -R + 2;
        to = centreOdd ? R - 2 : R - 1;
        return true;
    case 2:
        from = -R + 2;
        to = R - 2;
        return true;
    default:
        return false;
    }
}

}  // namespace

void TTileData::EditAt(int32_t px, int32_t py, MouseButton button)
{
    PixelToCell(px, py);
    if (!CursorValid || button == MouseButton::Middle)
        return;
    const int32_t x = CursorX, y = CursorY;
    const MapCell c = Map[x][y];
    const bool left = button == MouseButton::Left;

    if (Selected < MaxTiles) {
        const int32_t n = GetTile(Selected).No;
        if (n != c.Panel) {
            ChangeCell(x, y, 1, n);
        } else if (left) {
            if (MaxOfNo(n) > c.Counter && c.Counter < 255)
                ChangeCell(x, y, 0, +1);
        } else if (c.Counter >= 1) {
            ChangeCell(x, y, 0, -1);
        }
        return;
    }

    const int32_t i = Selected - MaxTiles;
    const int32_t m = left ? i + 1 : 0;
    const int32_t t = GetMaskTile(i).Type;
    if (t == 0) {
        if (left ? c.Mask != m : c.Mask != 0)
            ChangeMask(x, y, m);
        return;
    }
    // Rows further than two from the centre get no cells, so only a few
    // rows are visited even for a huge Type.
    const int R = static_cast<int>(std::min<int64_t>(int64_t{t} + 1, 64));
    const int32_t first = BufList->GetIndex() + 1;
    for (int dy = -2; dy <= 2; ++dy) {
        if (dy < -R + 1 || dy > R - 1)
            continue;
        int from = 0, to = -1;
        if (!AreaRowSpan(R, dy, y % 2 != 0, from, to))
            continue;
        for (int dx = from; dx <= to; ++dx)
            ChangeMask(x + dx, y + dy, m);
    }
    if (UndoByOperation && BufList->GetIndex() >= first)
        BufList->JoinOperation(first);
}

namespace {

// A history entry for the cell as it stands, before and after alike; the
// caller then writes in what its change made of the cell.
HistoryEntry& RecordCell(TBufList& history, const MapCell& cell, int32_t x, int32_t y, int32_t kind)
{
    HistoryEntry& e = history.Add();
    e.X = x;
    e.Y = y;
    e.Kind = kind;
    e.OldPanel = e.NewPanel = cell.Panel;
    e.OldCounter = e.NewCounter = cell.Counter;
    e.OldMask = e.NewMask = cell.Mask;
    return e;
}

}  // namespace

void TTileData::ChangeCell(int32_t x, int32_t y, int32_t mode, int32_t value)
{
    if (y < 0 || y > LastY || x < 0 || x > LastX)
        return;
    MapCell& cell = Map[x][y];
    HistoryEntry& e = RecordCell(*BufList, cell, x, y, mode);
    if (mode != 0) {
        cell.Panel = static_cast<uint8_t>(value & 0xFF);
        cell.Counter = 0;
    } else if (value >= 1) {
        ++cell.Counter;
    } else if (value <= -1) {
        --cell.Counter;
    }
    e.NewPanel = cell.Panel;
    e.NewCounter = cell.Counter;
    DrawCell(x, y);
}

void TTileData::ChangeMask(int32_t x, int32_t y, int32_t m)
{
    if (y < 0 || y > LastY || x < 0 || x > LastX)
        return;
    MapCell& cell = Map[x][y];
    HistoryEntry& e = RecordCell(*BufList, cell, x, y, 1);
    cell.Mask = e.NewMask = static_cast<uint8_t>(m & 0xFF);
    DrawCell(x, y);
}
