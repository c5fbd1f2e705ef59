#include "dialogs/CatalogueEditor.h"

#include <QCoreApplication>
#include <algorithm>
#include <bitset>
#include <limits>
#include <utility>

#include "document/File1.h"

namespace {

// The editor's words, in the interface's language.
std::string Text(const char* japanese)
{
    return QCoreApplication::translate("CatalogueEditor", japanese).toStdString();
}

}  // namespace

void CatalogueEditor::Reset()
{
    WorkTile.fill(TTileList{});
    Origin.fill(NewEntry);
    WorkCount = 0;
}

void CatalogueEditor::Load(const TTileData& doc)
{
    Reset();
    const int32_t count = std::clamp(doc.TileCount, 0, Capacity);
    for (int32_t i = 0; i < count; ++i)
        if (Append(doc.GetTile(i)))
            Origin[i] = i;
}

void CatalogueEditor::WriteBack(TTileData& doc) const
{
    for (int32_t i = 0; i < WorkCount; ++i) {
        if (i < doc.TileCount)
            doc.ReplaceTile(i, WorkTile[i]);
        else
            doc.AddTile(WorkTile[i]);
    }
    // Bounded, so a catalogue that refuses a deletion cannot loop forever.
    for (int32_t surplus = doc.TileCount - WorkCount; surplus > 0; --surplus)
        doc.DeleteTile(WorkCount);
}

bool CatalogueEditor::Append(const TTileList& entry)
{
    if (!CanAppend())
        return false;
    Origin[WorkCount] = NewEntry;
    WorkTile[WorkCount++] = entry;
    return true;
}

bool CatalogueEditor::Replace(int32_t index, const TTileList& entry)
{
    if (!InList(index))
        return false;
    WorkTile[index] = entry;
    return true;
}

bool CatalogueEditor::CanRemove(int32_t index) const
{
    return InList(index) && index != 0 && !IsFixed(WorkTile[index]);
}

bool CatalogueEditor::Remove(int32_t index)
{
    if (!CanRemove(index))
        return false;
    std::move(WorkTile.begin() + index + 1, WorkTile.begin() + WorkCount, WorkTile.begin() + index);
    std::move(Origin.begin() + index + 1, Origin.begin() + WorkCount, Origin.begin() + index);
    WorkTile[--WorkCount] = TTileList{};
    Origin[WorkCount] = NewEntry;
    return true;
}

bool CatalogueEditor::MoveUp(int32_t index)
{
    if (!CanMoveUp(index))
        return false;
    std::swap(WorkTile[index], WorkTile[index - 1]);
    std::swap(Origin[index], Origin[index - 1]);
    return true;
}

bool CatalogueEditor::MoveDown(int32_t index)
{
    if (!CanMoveDown(index))
        return false;
    std::swap(WorkTile[index], WorkTile[index + 1]);
    std::swap(Origin[index], Origin[index + 1]);
    return true;
}

int32_t CatalogueEditor::IndexOfOrigin(int32_t origin) const
{
    if (origin < 0)
        return -1;
    for (int32_t i = 0; i < WorkCount; ++i)
        if (Origin[i] == origin)
            return i;
    return -1;
}

int32_t CatalogueEditor::FirstFreeNo() const
{
    std::bitset<256> used;
    for (int32_t i = 0; i < WorkCount; ++i)
        if (WorkTile[i].No >= 0 && WorkTile[i].No < 256)
            used.set(static_cast<size_t>(WorkTile[i].No));
    for (int32_t no = 0; no < 256; ++no)
        if (!used.test(static_cast<size_t>(no)))
            return no;
    return 19;
}

int32_t CatalogueEditor::FirstFreeCode() const
{
    std::bitset<HighestCode - LowestCode + 1> used;
    for (int32_t i = 0; i < WorkCount; ++i)
        if (WorkTile[i].Code >= LowestCode && WorkTile[i].Code <= HighestCode)
            used.set(static_cast<size_t>(WorkTile[i].Code - LowestCode));
    for (int32_t code = LowestCode; code <= HighestCode; ++code)
        if (!used.test(static_cast<size_t>(code - LowestCode)))
            return code;
    return LowestCode;
}

std::vector<std::string> CatalogueEditor::SharedCodeLines() const
{
    std::vector<std::string> lines;
    for (int32_t code = LowestCode; code <= HighestCode; ++code) {
        std::string names;
        int32_t sharing = 0;
        for (int32_t i = 0; i < WorkCount; ++i)
            if (WorkTile[i].Code == code) {
                names += (sharing++ ? Text(QT_TRANSLATE_NOOP("CatalogueEditor", " と ")) : "") + WorkTile[i].Name;
            }
        if (sharing > 1)
            lines.push_back(Text(QT_TRANSLATE_NOOP("CatalogueEditor", "コード ")) +
                            std::string(1, static_cast<char>(code)) + ": " + names);
    }
    return lines;
}

std::string CatalogueEditor::TypeName(int32_t type)
{
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("CatalogueEditor", "地形"), QT_TRANSLATE_NOOP("CatalogueEditor", "人口"),
        QT_TRANSLATE_NOOP("CatalogueEditor", "農業"), QT_TRANSLATE_NOOP("CatalogueEditor", "工業"),
        QT_TRANSLATE_NOOP("CatalogueEditor", "資金"), QT_TRANSLATE_NOOP("CatalogueEditor", "軍事")};
    if (type >= 0 && type < 6)
        return Text(names[type]);
    return std::to_string(type);
}

int32_t CatalogueEditor::LargestValue(int32_t min, int32_t count, int32_t max)
{
    const int64_t value = int64_t{count} * max + min;
    return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

CatalogueEditor::RowTexts CatalogueEditor::Row(const TTileList& e)
{
    return {e.Name,
            std::to_string(e.No),
            TypeName(e.Type),
            std::to_string(e.Min),
            std::to_string(e.Count),
            std::to_string(LargestValue(e.Min, e.Count, e.Max)),
            e.Ext,
            e.Land ? "○" : "×",
            e.Bmp};
}
