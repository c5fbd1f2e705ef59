// Tool operations: many cell changes recorded as one undo step.
#include "document/File1.h"

int32_t TTileData::ApplyEdits(const std::vector<CellEdit>& edits, bool joinNewest)
{
    // Joining is only possible onto the newest entry; after an undo the
    // changes start a step of their own.
    bool joins = joinNewest && BufList->GetIndex() >= 0 && BufList->GetIndex() == BufList->GetCount() - 1;
    int32_t recorded = 0;
    ExpectCells(edits.size());
    for (const CellEdit& edit : edits) {
        if (edit.X < 0 || edit.X > LastX || edit.Y < 0 || edit.Y > LastY || edit.X >= GridSize ||
            edit.Y >= GridSize)
            continue;
        MapCell& cell = Map[edit.X][edit.Y];
        if (cell == edit.Cell)
            continue;
        HistoryEntry& e = BufList->Add();
        e.X = edit.X;
        e.Y = edit.Y;
        e.Kind = 1;
        e.OldPanel = cell.Panel;
        e.OldCounter = cell.Counter;
        e.OldMask = cell.Mask;
        e.NewPanel = edit.Cell.Panel;
        e.NewCounter = edit.Cell.Counter;
        e.NewMask = edit.Cell.Mask;
        e.Continues = joins;
        joins = true;
        cell = edit.Cell;
        DrawCell(edit.X, edit.Y);
        ++recorded;
    }
    return recorded;
}
