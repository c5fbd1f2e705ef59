#include "document/File1.h"

#include <algorithm>
#include <utility>

namespace {

bool InGrid(int32_t x, int32_t y)
{
    return x >= 0 && x < GridSize && y >= 0 && y < GridSize;
}

// Value and cap of the value rule, in 64 bits so extreme catalogue values
// cannot overflow; the result is kept inside int32.
int32_t CappedValue(const TTileList& e, int counter)
{
    const int64_t v = int64_t{e.Min} + int64_t{counter} * e.Count;
    const int64_t cap = int64_t{e.Min} + int64_t{e.Count} * e.Max;
    const int64_t r = std::min(v, cap);
    return static_cast<int32_t>(std::clamp<int64_t>(r, INT32_MIN, INT32_MAX));
}

}  // namespace

TTileData::TTileData() : BufList(std::make_unique<TBufList>())
{
    MaskShow = true;
}

TTileData::~TTileData()
{
    BufList.reset();
}

MapCell TTileData::GetCell(int32_t x, int32_t y) const
{
    return InGrid(x, y) ? Map[x][y] : Map[0][0];
}

void TTileData::SetCell(int32_t x, int32_t y, MapCell cell)
{
    if (InGrid(x, y))
        Map[x][y] = cell;
}

void TTileData::ClearPanels()
{
    for (auto& column : Map)
        for (auto& cell : column) {
            cell.Panel = 0;
            cell.Counter = 0;
        }
}

void TTileData::ClearMasks()
{
    for (auto& column : Map)
        for (auto& cell : column)
            cell.Mask = 0;
}

const TTileList& TTileData::GetTile(int32_t index) const
{
    return (index >= 0 && index < MaxTiles) ? Tile[index] : Tile[0];
}

const TMaskTileList& TTileData::GetMaskTile(int32_t index) const
{
    return (index >= 0 && index < MaxMasks) ? Mask[index] : Mask[0];
}

// The lookups scan every slot, loaded or not, and the lowest index wins.
int32_t TTileData::IndexOfNo(int32_t no) const
{
    for (int i = 0; i < MaxTiles; ++i)
        if (Tile[i].No == no)
            return i;
    return 0;
}

std::string TTileData::NameOfNo(int32_t no) const
{
    for (const auto& t : Tile)
        if (t.No == no)
            return t.Name;
    return {};
}

std::string TTileData::ExtOfNo(int32_t no) const
{
    for (const auto& t : Tile)
        if (t.No == no)
            return t.Ext;
    return {};
}

int32_t TTileData::MaxOfNo(int32_t no) const
{
    return Tile[IndexOfNo(no)].Max;
}

int32_t TTileData::NoOfCode(uint8_t code) const
{
    for (const auto& t : Tile)
        if (t.Code == code)
            return t.No;
    return -1;
}

uint8_t TTileData::CodeOfNo(int32_t no) const
{
    for (const auto& t : Tile)
        if (t.No == no)
            return t.Code;
    return 255;
}

int32_t TTileData::CellValue(int32_t x, int32_t y) const
{
    const MapCell c = GetCell(x, y);
    return EntryValue(IndexOfNo(c.Panel), c.Counter);
}

int32_t TTileData::EntryValue(int32_t index, uint8_t counter) const
{
    if (index <= 0 || index >= MaxTiles || Tile[index].Type < 0)
        return 0;
    return CappedValue(Tile[index], counter);
}

std::string TTileData::ValueText(int32_t x, int32_t y) const
{
    const MapCell c = GetCell(x, y);
    const int32_t i = IndexOfNo(c.Panel);
    if (i == 0 || Tile[i].Max <= 0)
        return {};
    return std::to_string(CappedValue(Tile[i], c.Counter)) + ExtOfNo(c.Panel);
}

void TTileData::SetLastX(int32_t n)
{
    if (n < 0 || n >= GridSize)
        return;
    LastX = n;
    ResizePicture();
}

void TTileData::SetLastY(int32_t n)
{
    if (n < 0 || n >= GridSize)
        return;
    LastY = n;
    ResizePicture();
}

void TTileData::ResizePicture()
{
    change_.Size = true;
    change_.Cells.clear();  // the whole picture is drawn again
}

void TTileData::Undo()
{
    if (!CanUndo())
        return;
    // A tool operation is one step: all its entries go, newest first.
    const int32_t last = BufList->GetIndex();
    const int32_t first = BufList->OperationFirst(last);
    ExpectCells(static_cast<size_t>(last - first + 1));
    for (int32_t p = last; p >= first; --p) {
        const HistoryEntry& e = BufList->GetItem(p);
        SetCell(e.X, e.Y, MapCell{e.OldPanel, e.OldCounter, e.OldMask});
        DrawCell(e.X, e.Y);
    }
    BufList->SetIndex(first - 1);
}

void TTileData::Redo()
{
    if (!CanRedo())
        return;
    const int32_t first = BufList->GetIndex() + 1;
    const int32_t last = BufList->OperationLast(first);
    ExpectCells(static_cast<size_t>(last - first + 1));
    for (int32_t p = first; p <= last; ++p) {
        const HistoryEntry& e = BufList->GetItem(p);
        SetCell(e.X, e.Y, MapCell{e.NewPanel, e.NewCounter, e.NewMask});
        DrawCell(e.X, e.Y);
    }
    BufList->SetIndex(last);
}

bool TTileData::CanUndo() const
{
    return BufList->GetCount() > 0 && BufList->GetIndex() != -1;
}

bool TTileData::CanRedo() const
{
    return BufList->GetCount() > 0 && BufList->GetIndex() != BufList->GetCount() - 1;
}

void TTileData::AddTile(const TTileList& entry)
{
    if (TileCount < 0 || TileCount >= MaxTiles)
        return;
    Tile[TileCount++] = entry;
    change_.Catalogue = true;
}

void TTileData::ReplaceTile(int32_t index, const TTileList& entry)
{
    if (index < 0 || index >= TileCount)
        return;
    Tile[index] = entry;
    change_.Catalogue = true;
}

void TTileData::DeleteTile(int32_t index)
{
    if (index < 0 || index >= TileCount)
        return;
    for (int32_t i = index; i < TileCount - 1; ++i)
        Tile[i] = Tile[i + 1];
    --TileCount;
    change_.Catalogue = true;
    // The freed slot becomes a blank record: the lookups scan every slot, and
    // a deleted kind's number or code left behind would still be found.
    Tile[std::clamp(TileCount, 0, MaxTiles - 1)] = TTileList{};
}

void TTileData::AddMaskTile(const TMaskTileList& entry)
{
    if (MaskCount < 0 || MaskCount >= MaxMasks)
        return;
    Mask[MaskCount++] = entry;
    change_.Catalogue = true;
}

void TTileData::DrawCell(int32_t x, int32_t y)
{
    // A cell beyond the shown size has no place on the picture; drawing it
    // would cover the ruler or the background.
    if (x < 0 || x > LastX || y < 0 || y > LastY || x >= GridSize || y >= GridSize)
        return;
    if (change_.WholeMap || change_.Size || marked_[static_cast<size_t>(x * GridSize + y)])
        return;
    marked_.set(static_cast<size_t>(x * GridSize + y));
    change_.Cells.push_back({x, y});
}

void TTileData::ExpectCells(size_t cells)
{
    if (!change_.WholeMap && !change_.Size)
        change_.Cells.reserve(std::min<size_t>(change_.Cells.size() + cells, GridSize * GridSize));
}

void TTileData::DrawRuler()
{
    change_.Display = true;
}

void TTileData::RedrawMap()
{
    change_.WholeMap = true;
    change_.Cells.clear();
}

MapChange TTileData::TakeChange()
{
    const Taken now = Current();
    if (now.Food1 != taken_.Food1 || now.Food2 != taken_.Food2 || now.Gold != taken_.Gold)
        change_.Rates = true;
    if (now.LineMode != taken_.LineMode || now.MaskShow != taken_.MaskShow)
        change_.Display = true;
    taken_ = now;
    marked_.reset();
    return std::exchange(change_, MapChange{});
}
