#include "document/BufList.h"

void TBufList::SetIndex(int32_t v)
{
    if (List.empty() || v < 0)
        Index = -1;
    else if (v > GetCount() - 1)
        Index = GetCount() - 1;
    else
        Index = v;
}

HistoryEntry& TBufList::Add()
{
    // A new change discards everything that was undone.
    if (CleanIndex > Index)
        CleanReachable = false;
    while (GetCount() > Index + 1)
        List.pop_back();
    List.push_back(std::make_unique<HistoryEntry>());
    Index = GetCount() - 1;
    return *List.back();
}

void TBufList::Delete(int32_t position)
{
    if (position < 0 || position >= GetCount())
        return;
    List.erase(List.begin() + position);
    if (position <= CleanIndex)
        CleanReachable = false;
    SetIndex(Index);
}

void TBufList::Clear()
{
    List.clear();
    Index = -1;
    CleanReachable = false;
}
