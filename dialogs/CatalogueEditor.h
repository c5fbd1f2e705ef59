#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/TileList.h"

class TTileData;

// The panel catalogue editor's working copy: the list the dialog shows and
// edits, applied to the document only when the user confirms.
class CatalogueEditor {
public:
    static constexpr int32_t Capacity = 256;   // as many entries as the catalogue holds
    static constexpr int32_t LastFixedNo = 17; // panels up to this number are built in
    static constexpr int32_t ColumnCount = 8;  // texts of a row: caption + 7 shown sub-items
    static constexpr int32_t LowestCode = 'a';
    static constexpr int32_t HighestCode = 'z';

    // Texts of one row: the caption (Name), then No, type, 初期値, 増加値,
    // largest value, 単位, 土地, and the bitmap path that no column shows.
    using RowTexts = std::array<std::string, ColumnCount + 1>;

    std::array<TTileList, Capacity> WorkTile{};
    // The catalogue index each entry was loaded from, NewEntry for an added
    // one; it follows its entry through moves so the caller can find it again.
    static constexpr int32_t NewEntry = -1;
    std::array<int32_t, Capacity> Origin{};
    int32_t WorkCount = 0;

    void Reset();
    // Reset, then every loaded catalogue entry of the document, in order.
    void Load(const TTileData& doc);
    // Makes the document's catalogue equal to the list, through the
    // operations that keep the palette in step.
    void WriteBack(TTileData& doc) const;

    bool Append(const TTileList& entry);  // false when the list is full
    bool Replace(int32_t index, const TTileList& entry);
    bool Remove(int32_t index);           // refuses what CanRemove refuses
    bool MoveUp(int32_t index);
    bool MoveDown(int32_t index);

    bool CanAppend() const { return WorkCount < Capacity; }
    // Never the first row, never a built-in panel.
    bool CanRemove(int32_t index) const;
    bool CanMoveUp(int32_t index) const { return InList(index) && index > 0; }
    bool CanMoveDown(int32_t index) const { return InList(index) && index < WorkCount - 1; }
    bool InList(int32_t index) const { return index >= 0 && index < WorkCount; }
    // Where the entry loaded from catalogue index `origin` now stands; -1
    // when it was removed.
    int32_t IndexOfOrigin(int32_t origin) const;

    // The lowest panel number no entry of the list carries; 19 when every
    // number 0..255 is taken.
    int32_t FirstFreeNo() const;

    // The first code letter a..z no entry of the list uses, so a new kind
    // keeps its own letter through "Get" and "Set"; "a" when all are taken.
    int32_t FirstFreeCode() const;
    // One line per letter that two or more entries share, "コード b: 浅瀬 と 森".
    std::vector<std::string> SharedCodeLines() const;

    static bool IsFixed(const TTileList& entry) { return entry.No <= LastFixedNo; }
    // The category's name, or the bare number for a type outside 0..5.
    static std::string TypeName(int32_t type);
    // 増加値 x 最大値 + 初期値, the largest value a cell of the panel reaches,
    // kept inside the 32-bit range.
    static int32_t LargestValue(int32_t min, int32_t count, int32_t max);
    static RowTexts Row(const TTileList& entry);
};
