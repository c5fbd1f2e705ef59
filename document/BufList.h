#pragma once
#include <cstdint>
#include <memory>
#include <vector>

// One recorded change of one cell, with all three bytes on both sides.
struct HistoryEntry {
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Kind = 0;  // 1 = panel placed or mask set, 0 = counter stepped
    uint8_t OldPanel = 0;
    uint8_t OldCounter = 0;
    uint8_t OldMask = 0;
    uint8_t NewPanel = 0;
    uint8_t NewCounter = 0;
    uint8_t NewMask = 0;
};

// Linear undo list with the position of the last applied entry.
class TBufList {
public:
    TBufList() = default;
    virtual ~TBufList() = default;
    TBufList(const TBufList&) = delete;
    TBufList& operator=(const TBufList&) = delete;

    int32_t GetCount() const { return static_cast<int32_t>(List.size()); }
    HistoryEntry& GetItem(int32_t position) { return *List.at(static_cast<size_t>(position)); }
    const HistoryEntry& GetItem(int32_t position) const { return *List.at(static_cast<size_t>(position)); }
    int32_t GetIndex() const { return Index; }

    void SetIndex(int32_t v);
    HistoryEntry& Add();
    void Delete(int32_t position);
    void Clear();

    // The clean position, as an undo stack's clean index: the position at
    // the last save or load. Undoing or redoing back to it makes the map
    // unchanged again, unless it was discarded (an edit after undoing past
    // it, Clear, Delete before it) or reset (a change the history does not
    // record).
    void SetClean() { CleanIndex = Index, CleanReachable = true; }
    void ResetClean() { CleanReachable = false; }
    bool IsClean() const { return CleanReachable && Index == CleanIndex; }

private:
    std::vector<std::unique_ptr<HistoryEntry>> List;
    int32_t Index = -1;
    int32_t CleanIndex = -1;
    bool CleanReachable = true;
};
