#pragma once
#include <cstdint>

// Whether the map differs from what was last saved or loaded, judged from the
// history position as an undo stack's clean index is: undoing back to the
// saved position makes the map unchanged again, unless that position has
// since been discarded.
class UnsavedChanges {
public:
    // After a save or a load, at the given history position.
    void MarkSaved(int32_t historyIndex)
    {
        savedIndex = historyIndex;
        reachable = true;
    }
    // A recording edit moved the history from `before` to `after`; entries it
    // recorded replace the undone ones, so a saved position among those is gone.
    void Edited(int32_t before, int32_t after)
    {
        if (after != before && before < savedIndex)
            reachable = false;
    }
    // The cells were rewritten and the history emptied (clears, code, a
    // restored copy): no history position leads back to the saved map.
    void Rebuilt() { reachable = false; }

    bool Modified(int32_t historyIndex) const { return !reachable || historyIndex != savedIndex; }

private:
    int32_t savedIndex = -1;
    bool reachable = true;
};
