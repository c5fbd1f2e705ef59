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

int32_t TBufList::OperationFirst(int32_t position) const
{
    if (position < 0 || position >= GetCount())
        return position;
    while (position > 0 && List[static_cast<size_t>(position)]->Continues)
        --position;
    return position;
}

int32_t TBufList::OperationLast(int32_t position) const
{
    if (position < 0 || position >= GetCount())
        return position;
    while (position + 1 < GetCount() && List[static_cast<size_t>(position) + 1]->Continues)
        ++position;
    return position;
}

void TBufList::JoinOperation(int32_t first)
{
    if (first < 0)
        return;
    for (int32_t p = first + 1; p <= Index; ++p)
        List[static_cast<size_t>(p)]->Continues = true;
}
