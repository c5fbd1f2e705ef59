#include "view/PaintTools.h"

#include <algorithm>

using namespace map_shapes;

namespace {

// The steps a cell of the panel may count, as the click tool counts them.
int StepsOf(const TTileList& entry)
{
    return std::clamp(entry.Max, 0, 255);
}

}  // namespace

int PaintTools::LevelLimit() const
{
    return doc_.Selected >= 0 && doc_.Selected < MaxTiles ? StepsOf(doc_.GetTile(doc_.Selected)) : 0;
}

std::vector<CellEdit> PaintTools::ChangeCounters(CounterChange change) const
{
    std::vector<CellEdit> edits;
    for (const Cell& c : SelectionCells()) {
        const MapCell now = doc_.Map[c.X][c.Y];
        const int steps = std::clamp(doc_.MaxOfNo(now.Panel), 0, 255);
        int counter = now.Counter;
        switch (change) {
        case CounterChange::Up: counter = std::min(counter + 1, steps); break;
        case CounterChange::Down: counter = std::max(counter - 1, 0); break;
        case CounterChange::ToMax: counter = steps; break;
        case CounterChange::ToZero: counter = 0; break;
        }
        // A count above Max (from a file) is only ever lowered.
        if (change == CounterChange::Up && now.Counter > steps)
            counter = now.Counter;
        if (counter != now.Counter)
            edits.push_back({c.X, c.Y, MapCell{now.Panel, static_cast<uint8_t>(counter), now.Mask}});
    }
    return edits;
}

void PaintTools::SetTool(PaintTool tool)
{
    EndDrag();
    if (tool != tool_) {
        selection_.reset();
        selectionPivot_.reset();
        floating_.reset();
    }
    tool_ = tool;
}

void PaintTools::EndDrag()
{
    drag_.reset();
}

PaintTools::Action PaintTools::Press(Cell cell, bool valid, MouseButton button)
{
    if (valid)
        pointer_ = cell;
    if (tool_ == PaintTool::Click)
        return Action::Click();
    // A second button during a drag, and the middle button (the pan), do nothing here.
    if (Dragging() || button == MouseButton::Middle)
        return {};
    if (tool_ == PaintTool::Select) {
        if (button == MouseButton::Left)
            return PressSelect(cell, valid);
        floating_.reset();  // the right button puts a placed block away
        return {};
    }
    if (!valid)
        return {};
    const bool erase = button == MouseButton::Right;
    if (tool_ == PaintTool::Fill)
        return Action::Edits(PaintCells(FillRegion(doc_, cell), erase));
    const auto kind = tool_ == PaintTool::Brush ? Drag::Kind::Stroke : Drag::Kind::Shape;
    drag_ = Drag{.kind = kind, .button = button, .start = cell, .current = cell, .last = cell};
    return {};
}

PaintTools::Action PaintTools::PressSelect(Cell cell, bool valid)
{
    if (!valid) {
        if (!floating_)
            selection_.reset();
        return {};
    }
    if (floating_) {
        Action placed = Action::Edits(PlaceBlock(doc_, *floating_, cell));
        // Exactly the cells the block covers, whatever the row's parity. The
        // block stays under the pointer for the next click.
        selection_ = Footprint::Of(*floating_, cell);
        return placed;
    }
    const std::vector<Cell> selected = SelectionCells();
    const bool inside = std::find(selected.begin(), selected.end(), cell) != selected.end();
    drag_ = Drag{.kind = inside ? Drag::Kind::Move : Drag::Kind::Select,
                 .button = MouseButton::Left, .start = cell, .current = cell};
    if (!inside)
        selection_ = Footprint::Spanning(cell, cell);
    return {};
}

PaintTools::Action PaintTools::Move(Cell cell, bool valid)
{
    if (valid)
        pointer_ = cell;
    if (!drag_)
        return {};
    if (drag_->kind == Drag::Kind::Stroke)
        return StrokeTo(*drag_, cell, valid);
    drag_->current = ClampToShown(doc_, cell);
    if (drag_->kind == Drag::Kind::Select)
        selection_ = Footprint::Spanning(drag_->start, drag_->current);
    return {};
}

PaintTools::Action PaintTools::StrokeTo(Drag& d, Cell cell, bool valid)
{
    if (valid && d.last && cell == *d.last)
        return {};
    // Every cell the pointer enters, also those a fast move skipped over.
    std::vector<Cell> cells;
    if (!d.moved) {
        d.moved = true;
        cells.push_back(d.start);
    }
    if (valid) {
        if (d.last) {
            const std::vector<Cell> path = HexLine(*d.last, cell);
            cells.insert(cells.end(), path.begin() + 1, path.end());
        } else {
            cells.push_back(cell);
        }
        d.last = cell;
    } else {
        d.last.reset();  // off the map: coming back starts where it enters
    }
    return Action::Edits(PaintCells(cells, d.button == MouseButton::Right));
}

PaintTools::Action PaintTools::Release(Cell cell, MouseButton button)
{
    if (!drag_ || button != drag_->button)
        return {};
    Drag d = std::move(*drag_);
    drag_.reset();
    if (d.kind == Drag::Kind::Stroke) {
        if (d.moved)
            return {};
        // A click without a stroke: the left button counts as the click
        // tool does, the right one erases as its strokes do.
        return d.button == MouseButton::Right ? Action::Edits(PaintCells({d.start}, true)) : Action::Click();
    }
    d.current = ClampToShown(doc_, cell);
    switch (d.kind) {
    case Drag::Kind::Shape:
        return Action::Edits(PaintCells(ShapeCells(d), button == MouseButton::Right));
    case Drag::Kind::Select:
        selection_ = Footprint::Spanning(d.start, d.current);
        return {};
    case Drag::Kind::Move: {
        Action moved = Action::Edits(MoveEdits(d));
        const Cell to = MovedAnchor(d);
        if (d.turned)
            selection_ = Footprint::Of(d.turned->Cells, to);
        else
            selection_->Anchor = to;
        return moved;
    }
    default:
        return {};
    }
}

std::optional<MapCell> PaintTools::Painted(Cell c, bool erase) const
{
    if (!Shown(doc_, c))
        return std::nullopt;
    const MapCell now = doc_.Map[c.X][c.Y];
    if (doc_.Selected < MaxTiles) {
        const TTileList& entry = doc_.GetTile(erase ? 0 : doc_.Selected);
        const auto panel = static_cast<uint8_t>(entry.No & 0xFF);
        const auto counter = static_cast<uint8_t>(erase ? 0 : std::min(level_, StepsOf(entry)));
        // At level 0 a cell of the panel keeps its count, as it always has.
        if (now.Panel == panel && (counter == 0 || now.Counter == counter))
            return std::nullopt;
        return MapCell{panel, counter, now.Mask};
    }
    const auto mask = static_cast<uint8_t>(erase ? 0 : (doc_.Selected - MaxTiles + 1) & 0xFF);
    if (now.Mask == mask)
        return std::nullopt;
    return MapCell{now.Panel, now.Counter, mask};
}

std::vector<CellEdit> PaintTools::PaintCells(const std::vector<Cell>& cells, bool erase) const
{
    std::vector<CellEdit> edits;
    for (const Cell& c : cells)
        if (const auto painted = Painted(c, erase))
            edits.push_back({c.X, c.Y, *painted});
    return edits;
}

std::vector<PaintTools::Cell> PaintTools::ShapeCells(const Drag& d) const
{
    return tool_ == PaintTool::Line ? HexLine(d.start, d.current) : RectCells(d.start, d.current);
}

MapCell PaintTools::Cleared() const
{
    return MapCell{static_cast<uint8_t>(doc_.GetTile(0).No & 0xFF), 0, 0};
}

std::vector<CellEdit> PaintTools::MoveEdits(const Drag& d) const
{
    if (!selection_ || (d.current == d.start && !d.turned))
        return {};
    return ClearedUnder(PlaceBlock(doc_, MovedBlock(d), MovedAnchor(d)));
}

std::vector<CellEdit> PaintTools::ClearedUnder(const std::vector<CellEdit>& placed) const
{
    // One change per cell: where the block lands, it wins over the clearing.
    bool lands[GridSize][GridSize] = {};
    for (const CellEdit& e : placed)
        lands[e.X][e.Y] = true;
    std::vector<CellEdit> edits;
    for (const CellEdit& e : ClearSelection())
        if (!lands[e.X][e.Y])
            edits.push_back(e);
    edits.insert(edits.end(), placed.begin(), placed.end());
    return edits;
}

PaintTools::Block PaintTools::MovedBlock(const Drag& d) const
{
    return d.turned ? d.turned->Cells : Copy();
}

PaintTools::Cell PaintTools::MovedAnchor(const Drag& d) const
{
    return Translate(d.turned ? d.turned->Anchor : selection_->Anchor, d.start, d.current);
}

namespace {

Reshape TurnOf(bool clockwise)
{
    return clockwise ? Reshape::TurnClockwise : Reshape::TurnCounterClockwise;
}

Reshape MirrorOf(PaintTools::MirrorAxis axis)
{
    return axis == PaintTools::MirrorAxis::LeftRight ? Reshape::MirrorLeftRight : Reshape::MirrorTopBottom;
}

}  // namespace

void PaintTools::TurnFloating(bool clockwise)
{
    ReshapeFloating(TurnOf(clockwise));
}

void PaintTools::MirrorFloating(MirrorAxis axis)
{
    ReshapeFloating(MirrorOf(axis));
}

std::vector<CellEdit> PaintTools::TurnSelection(bool clockwise)
{
    return ReshapeSelection(TurnOf(clockwise));
}

std::vector<CellEdit> PaintTools::MirrorSelection(MirrorAxis axis)
{
    return ReshapeSelection(MirrorOf(axis));
}

void PaintTools::ReshapeFloating(Reshape how)
{
    if (floating_) {
        floating_ = Reshaped(*floating_, how, floatingPivot_);
        return;
    }
    if (!drag_ || drag_->kind != Drag::Kind::Move || !selection_)
        return;
    std::optional<TurnedBlock>& moving = drag_->turned;
    if (!moving)
        moving = TurnedBlock{Copy(), selection_->Anchor, MiddleOf(*selection_)};
    auto [turned, where] = Reshaped(moving->Cells, moving->Anchor, moving->Pivot, how);
    moving->Cells = std::move(turned);
    moving->Anchor = where.Anchor;
}

std::vector<CellEdit> PaintTools::ReshapeSelection(Reshape how)
{
    if (!selection_ || floating_ || Dragging())
        return {};
    Block block = Copy();
    // Cells off the map hold nothing to turn.
    block.Present.resize(block.Cells.size(), true);
    bool any = false;
    selection_->ForEach([&](Cell c, int column, int row) {
        const bool shown = Shown(doc_, c);
        block.Present[static_cast<size_t>(row * block.Columns + column)] = shown;
        any = any || shown;
    });
    if (!any)
        return {};
    if (!selectionPivot_ || selectionPivot_->first != *selection_)
        selectionPivot_.emplace(*selection_, MiddleOf(*selection_));
    const Cell pivot = selectionPivot_->second;
    const auto [turned, where] = Reshaped(block, selection_->Anchor, pivot, how);
    std::vector<CellEdit> edits = ClearedUnder(PlaceBlock(doc_, turned, where.Anchor));
    selection_ = where;
    selectionPivot_.emplace(where, pivot);
    return edits;
}

std::pair<int, int> PaintTools::SelectionSize() const
{
    if (!selection_)
        return {0, 0};
    return {selection_->Columns, selection_->Rows};
}

PaintTools::Block PaintTools::Copy() const
{
    // Cells of a placed block that fell off the map copy as cleared ones.
    return selection_ ? CopyBlock(doc_, *selection_, Cleared()) : Block{};
}

std::vector<CellEdit> PaintTools::ClearSelection() const
{
    std::vector<CellEdit> edits;
    for (const Cell& c : SelectionCells())
        edits.push_back({c.X, c.Y, Cleared()});
    return edits;
}

void PaintTools::Paste(const Block& block)
{
    if (block.Empty())
        return;
    SetTool(PaintTool::Select);
    floating_ = block;
    floatingPivot_ = MiddleOf(block);
}

void PaintTools::Escape()
{
    SetTool(PaintTool::Click);
    selection_.reset();
    floating_.reset();
}

std::vector<CellEdit> PaintTools::Preview() const
{
    if (floating_)
        return PlaceBlock(doc_, *floating_, pointer_);
    if (drag_ && drag_->kind == Drag::Kind::Move)
        return PlaceBlock(doc_, MovedBlock(*drag_), MovedAnchor(*drag_));
    if (!drag_ || drag_->kind != Drag::Kind::Shape)
        return {};
    std::vector<CellEdit> cells;
    for (const Cell& c : ShapeCells(*drag_))
        if (Shown(doc_, c))
            cells.push_back({c.X, c.Y, Painted(c, drag_->button == MouseButton::Right).value_or(doc_.Map[c.X][c.Y])});
    return cells;
}

std::vector<PaintTools::Cell> PaintTools::SelectionCells() const
{
    std::vector<Cell> cells;
    if (selection_)
        selection_->ForEach([&](Cell c, int, int) {
            if (Shown(doc_, c))
                cells.push_back(c);
        });
    return cells;
}
