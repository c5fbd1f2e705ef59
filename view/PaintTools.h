#pragma once
#include <algorithm>
#include <optional>
#include <vector>

#include "document/File1.h"
#include "view/MapShapes.h"

// The painting tools beside the click tool. Mouse events come in as cells;
// out come the cell changes of one operation, which the caller records as
// one undo step. Nothing here changes the document itself.
enum class PaintTool { Click, Brush, Line, Rect, Fill, Select };

class PaintTools {
public:
    using Cell = map_shapes::Cell;
    using Block = map_shapes::Block;
    using Footprint = map_shapes::Footprint;

    // What a mouse event asks of the map: cell changes, which join the
    // operation the press opened, or the click tool's edit at its pixel.
    struct Action {
        bool click = false;  // run the click tool at this event's pixel instead
        std::vector<CellEdit> edits;

        static Action Click() { return {true, {}}; }
        static Action Edits(std::vector<CellEdit> edits) { return {false, std::move(edits)}; }
    };

    explicit PaintTools(const TTileData& doc) : doc_(doc) {}

    PaintTool Tool() const { return tool_; }
    // Any drag in progress ends; the selection and a floating block go.
    void SetTool(PaintTool tool);

    // `valid` is false for a pointer off the shown map; the cell is then where
    // the pointer would be, for dragging beyond the edge.
    Action Press(Cell cell, bool valid, MouseButton button);
    Action Move(Cell cell, bool valid);
    Action Release(Cell cell, MouseButton button);
    // A drag ends where it is (an undo during a stroke ends the stroke).
    void EndDrag();
    bool Dragging() const { return drag_.has_value(); }

    // The counter brush, line, rectangle and fill give the active panel
    // (clamped to each panel's Max); at 0 they leave a cell of the panel as
    // it is.
    int Level() const { return level_; }
    void SetLevel(int level) { level_ = std::max(0, level); }
    // The highest level the active panel takes (0 for a mask or no steps).
    int LevelLimit() const;

    // Select tool.
    bool HasSelection() const { return selection_.has_value(); }
    // Every selected cell's counter one step up or down, or to its panel's
    // Max or to 0, within 0 .. Max; masks stay.
    enum class CounterChange { Up, Down, ToMax, ToZero };
    std::vector<CellEdit> ChangeCounters(CounterChange change) const;
    // Columns and rows of the selection.
    std::pair<int, int> SelectionSize() const;
    Block Copy() const;
    // The selected cells cleared to entry 0 (for Delete and cut).
    std::vector<CellEdit> ClearSelection() const;
    // Shows the block under the pointer; each left click places it, until
    // Escape or the right button puts it away.
    void Paste(const Block& block);
    bool Floating() const { return floating_.has_value(); }

    // Turns by 60 degrees and mirrors. The floating block (pasted, a stamp,
    // or the selection being dragged) turns where it hangs; the preview shows
    // it as it will land. Each step turns about the same cell, so six turns
    // or two mirrors give it back.
    enum class MirrorAxis { LeftRight, TopBottom };
    void TurnFloating(bool clockwise);
    void MirrorFloating(MirrorAxis axis);
    // The selection turned in place about its middle: the edits of one
    // change. Cells it leaves are cleared as a move clears them, cells that
    // fall off the map are dropped, and the selection becomes the cells it
    // covers then. Nothing while a block floats or a drag is on.
    std::vector<CellEdit> TurnSelection(bool clockwise);
    std::vector<CellEdit> MirrorSelection(MirrorAxis axis);
    // Drops the floating block and the selection; back to the click tool.
    void Escape();

    // Cells the preview shows with what they will hold: the line or rectangle
    // being dragged, a block being moved or pasted, exactly as it would land.
    std::vector<CellEdit> Preview() const;
    // Cells of the selection, to be outlined.
    std::vector<Cell> SelectionCells() const;

private:
    // The selection being dragged, once turned: the block, where it lay at
    // the press, and the cell it turns about there.
    struct TurnedBlock {
        Block Cells;
        Cell Anchor;
        Cell Pivot;
    };
    // One press until its release. It goes as a whole when the drag ends,
    // so nothing of one drag outlives it into the next.
    struct Drag {
        enum class Kind { Stroke, Shape, Select, Move } kind;
        MouseButton button;
        Cell start;               // the press
        Cell current;             // where the drag is now
        std::optional<Cell> last = std::nullopt;  // the stroke's last cell on the map
        bool moved = false;       // the stroke left its first cell
        std::optional<TurnedBlock> turned = std::nullopt;
    };

    // What one cell holds after the tool paints it (or erases it); nothing
    // when it holds that already.
    std::optional<MapCell> Painted(Cell c, bool erase) const;
    std::vector<CellEdit> PaintCells(const std::vector<Cell>& cells, bool erase) const;
    std::vector<Cell> ShapeCells(const Drag& d) const;
    std::vector<CellEdit> MoveEdits(const Drag& d) const;
    // The selection's cells cleared, except where `placed` lands.
    std::vector<CellEdit> ClearedUnder(const std::vector<CellEdit>& placed) const;
    void ReshapeFloating(map_shapes::Reshape how);
    std::vector<CellEdit> ReshapeSelection(map_shapes::Reshape how);
    Action StrokeTo(Drag& d, Cell cell, bool valid);
    Action PressSelect(Cell cell, bool valid);
    MapCell Cleared() const;
    // The selection being dragged, and where it would land now.
    Block MovedBlock(const Drag& d) const;
    Cell MovedAnchor(const Drag& d) const;

    const TTileData& doc_;
    PaintTool tool_ = PaintTool::Click;
    std::optional<Drag> drag_;
    Cell pointer_;            // last cell under the pointer
    std::optional<map_shapes::Footprint> selection_;
    std::optional<Block> floating_;
    Cell floatingPivot_;  // in the floating block's own frame
    // The cell a turned selection turns about, while it is that selection.
    std::optional<std::pair<Footprint, Cell>> selectionPivot_;
    int level_ = 0;
};
