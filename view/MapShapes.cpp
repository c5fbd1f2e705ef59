#include "view/MapShapes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "document/File1.h"

namespace map_shapes {

namespace {

// Axial coordinates: q runs along a row, r down the rows, and a step to any
// of the six neighbours changes (q, r) by one of six fixed vectors.
struct Axial {
    int q = 0;
    int r = 0;
};

// Even rows sit half a tile right, so moving down from an odd row to an
// even one keeps the column's left half.
Axial ToAxial(Cell c)
{
    return {c.X - (c.Y + (c.Y & 1)) / 2, c.Y};
}

Cell FromAxial(Axial a)
{
    return {a.q + (a.r + (a.r & 1)) / 2, a.r};
}

// Cube coordinates (q, r, s = -q - r) turn by a rotation of their three
// axes; a mirror swaps two of them.
Axial Reshape1(Axial a, Reshape how)
{
    const int s = -a.q - a.r;
    switch (how) {
    case Reshape::TurnClockwise: return {-a.r, -s};
    case Reshape::TurnCounterClockwise: return {-s, -a.q};
    case Reshape::MirrorLeftRight: return {s, a.r};
    case Reshape::MirrorTopBottom: return {a.q + a.r, -a.r};
    }
    return a;
}

Cell Origin(bool odd)
{
    return {0, odd ? 1 : 0};
}

Cell Rounded(double q, double r)
{
    const double s = -q - r;
    double rq = std::round(q), rr = std::round(r);
    const double rs = std::round(s);
    const double dq = std::abs(rq - q), dr = std::abs(rr - r), ds = std::abs(rs - s);
    if (dq > dr && dq > ds)
        rq = -rr - rs;
    else if (dr > ds)
        rr = -rq - rs;
    return FromAxial({static_cast<int>(rq), static_cast<int>(rr)});
}

}  // namespace

bool Shown(const TTileData& doc, Cell c)
{
    return c.X >= 0 && c.X <= doc.LastX && c.X < GridSize && c.Y >= 0 && c.Y <= doc.LastY && c.Y < GridSize;
}

Cell ClampToShown(const TTileData& doc, Cell c)
{
    return {std::clamp(c.X, 0, std::clamp(doc.LastX, 0, GridSize - 1)),
            std::clamp(c.Y, 0, std::clamp(doc.LastY, 0, GridSize - 1))};
}

std::vector<Cell> Neighbours(Cell c)
{
    const Axial a = ToAxial(c);
    static constexpr Axial steps[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, -1}, {-1, 1}};
    std::vector<Cell> out;
    for (const Axial& s : steps)
        out.push_back(FromAxial({a.q + s.q, a.r + s.r}));
    return out;
}

int Distance(Cell a, Cell b)
{
    const Axial p = ToAxial(a), q = ToAxial(b);
    const int dq = p.q - q.q, dr = p.r - q.r;
    return (std::abs(dq) + std::abs(dr) + std::abs(dq + dr)) / 2;
}

std::vector<Cell> HexLine(Cell a, Cell b)
{
    const int n = Distance(a, b);
    const Axial p = ToAxial(a), q = ToAxial(b);
    // A tiny nudge keeps points on a cell edge from rounding both ways.
    const double nq = 1e-6, nr = 2e-6;
    std::vector<Cell> out;
    out.reserve(static_cast<size_t>(n) + 1);
    for (int i = 0; i <= n; ++i) {
        const double t = n == 0 ? 0.0 : static_cast<double>(i) / n;
        out.push_back(Rounded(p.q + (q.q - p.q) * t + nq, p.r + (q.r - p.r) * t + nr));
    }
    return out;
}

std::vector<Cell> RectCells(Cell a, Cell b)
{
    std::vector<Cell> out;
    for (int y = std::min(a.Y, b.Y); y <= std::max(a.Y, b.Y); ++y)
        for (int x = std::min(a.X, b.X); x <= std::max(a.X, b.X); ++x)
            out.push_back({x, y});
    return out;
}

std::vector<Cell> FillRegion(const TTileData& doc, Cell start)
{
    if (!Shown(doc, start))
        return {};
    const uint8_t panel = doc.Map[start.X][start.Y].Panel;
    bool seen[GridSize][GridSize] = {};
    std::vector<Cell> region{start};
    seen[start.X][start.Y] = true;
    for (size_t i = 0; i < region.size(); ++i)
        for (const Cell& n : Neighbours(region[i])) {
            if (!Shown(doc, n) || seen[n.X][n.Y] || doc.Map[n.X][n.Y].Panel != panel)
                continue;
            seen[n.X][n.Y] = true;
            region.push_back(n);
        }
    return region;
}

Cell Translate(Cell c, Cell from, Cell to)
{
    const Axial a = ToAxial(c), f = ToAxial(from), t = ToAxial(to);
    return FromAxial({a.q + t.q - f.q, a.r + t.r - f.r});
}

Block CopyBlock(const TTileData& doc, Cell a, Cell b)
{
    a = ClampToShown(doc, a);
    b = ClampToShown(doc, b);
    Block block;
    block.Columns = std::abs(a.X - b.X) + 1;
    block.Rows = std::abs(a.Y - b.Y) + 1;
    block.OriginOdd = std::min(a.Y, b.Y) % 2 != 0;
    for (const Cell& c : RectCells(a, b))
        block.Cells.push_back(doc.Map[c.X][c.Y]);
    return block;
}

Footprint Footprint::Spanning(Cell a, Cell b)
{
    const int top = std::min(a.Y, b.Y);
    return {{std::min(a.X, b.X), top}, std::abs(a.X - b.X) + 1, std::abs(a.Y - b.Y) + 1, top % 2 != 0};
}

std::vector<Cell> Footprint::Cells() const
{
    std::vector<Cell> out;
    out.reserve(static_cast<size_t>(std::max(0, Columns * Rows)));
    ForEach([&](Cell c, int, int) { out.push_back(c); });
    return out;
}

Footprint Footprint::Of(const Block& block, Cell anchor)
{
    return {anchor, block.Columns, block.Rows, block.OriginOdd, block.Present};
}

bool Block::Consistent() const
{
    const size_t n = static_cast<size_t>(std::max(0, Columns)) * static_cast<size_t>(std::max(0, Rows));
    return Cells.size() == n && (Present.empty() || Present.size() == n);
}

Block CopyBlock(const TTileData& doc, const Footprint& where, MapCell outside)
{
    const size_t n = static_cast<size_t>(std::max(0, where.Columns * where.Rows));
    Block block{where.Columns, where.Rows, where.OriginOdd, std::vector<MapCell>(n, outside), where.Present};
    where.ForEach([&](Cell c, int column, int row) {
        if (Shown(doc, c))
            block.Cells[static_cast<size_t>(row * where.Columns + column)] = doc.Map[c.X][c.Y];
    });
    return block;
}

std::vector<CellEdit> PlaceBlock(const TTileData& doc, const Block& block, Cell anchor)
{
    std::vector<CellEdit> out;
    if (block.Empty() || !block.Consistent())
        return out;
    // The block's own cells, on a row of the parity it was copied from.
    Footprint::Of(block, anchor).ForEach([&](Cell target, int column, int row) {
        if (Shown(doc, target))
            out.push_back({target.X, target.Y, block.At(column, row)});
    });
    return out;
}

std::pair<Block, Footprint> Reshaped(const Block& block, Cell anchor, Cell pivot, Reshape how)
{
    const Footprint from = Footprint::Of(block, anchor);
    if (block.Empty() || !block.Consistent())
        return {block, from};
    struct Moved {
        Cell At;
        MapCell Holds;
    };
    std::vector<Moved> moved;
    moved.reserve(block.Cells.size());
    const Axial p = ToAxial(pivot);
    Cell low{0, 0}, high{0, 0};
    from.ForEach([&](Cell c, int column, int row) {
        const Axial a = ToAxial(c);
        const Axial d = Reshape1({a.q - p.q, a.r - p.r}, how);
        const Cell to = FromAxial({d.q + p.q, d.r + p.r});
        low = moved.empty() ? to : Cell{std::min(low.X, to.X), std::min(low.Y, to.Y)};
        high = moved.empty() ? to : Cell{std::max(high.X, to.X), std::max(high.Y, to.Y)};
        moved.push_back({to, block.At(column, row)});
    });
    if (moved.empty())
        return {block, from};

    // On a top row of its own parity the block's cells are the plain
    // rectangle from `low`, column for column.
    Block out{high.X - low.X + 1, high.Y - low.Y + 1, (low.Y & 1) != 0, {}, {}};
    const size_t n = static_cast<size_t>(out.Columns * out.Rows);
    out.Cells.assign(n, MapCell{});
    out.Present.assign(n, false);
    for (const Moved& m : moved) {
        const size_t i = static_cast<size_t>((m.At.Y - low.Y) * out.Columns + (m.At.X - low.X));
        out.Cells[i] = m.Holds;
        out.Present[i] = true;
    }
    if (moved.size() == n)
        out.Present.clear();
    return {out, Footprint::Of(out, low)};
}

Block Reshaped(const Block& block, Reshape how, Cell& pivot)
{
    auto [out, where] = Reshaped(block, Origin(block.OriginOdd), pivot, how);
    pivot = Translate(pivot, where.Anchor, Origin(out.OriginOdd));
    return out;
}

Cell MiddleOf(const Footprint& where)
{
    const Cell origin = Origin(where.OriginOdd);
    return Translate({where.Columns / 2, origin.Y + where.Rows / 2}, origin, where.Anchor);
}

Cell MiddleOf(const Block& block)
{
    return MiddleOf(Footprint::Of(block, Origin(block.OriginOdd)));
}

}  // namespace map_shapes
