#pragma once
#include <bitset>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "document/BufList.h"
#include "document/IslandStats.h"
#include "document/MapCell.h"
#include "document/MapChange.h"
#include "document/Result.h"
#include "document/TileList.h"

struct MapFileInfo;

constexpr int GridSize = 31;          // the grid is always 31 x 31
constexpr int MaxTiles = 256;
constexpr int MaxMasks = 30;

struct CellRectangle {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    friend bool operator==(const CellRectangle&, const CellRectangle&) = default;
};

enum class MouseButton { Left, Right, Middle };

// The island document: grid, catalogues, settings, figures and history.
// Operations are grouped by subsystem; the editing, file, code and figure
// operations are implemented beside their subsystem (view/, files/, stats/).
// The shown size a pseudo-map code carries after its end mark ("@12x9").
struct MapCodeSize {
    int Columns = 0;
    int Rows = 0;
    bool operator==(const MapCodeSize&) const = default;
};
// The size written after the code's first "@", or none when the text there
// is not exactly a size of 1..31 by 1..31.
std::optional<MapCodeSize> MapCodeSizeOf(const std::string& text);

class TTileData {
public:
    TTileData();
    virtual ~TTileData();
    TTileData(const TTileData&) = delete;
    TTileData& operator=(const TTileData&) = delete;

    MapCell Map[GridSize][GridSize] = {};  // Map[x][y], column-major
    TTileList Tile[MaxTiles];
    TMaskTileList Mask[MaxMasks];
    int32_t LastX = 0;
    int32_t LastY = 0;
    std::string ExePath;  // program folder, with its trailing separator
    int32_t Selected = 0; // 0..255 panel index, 256 + i mask index i
    int32_t CursorX = 0;
    int32_t CursorY = 0;
    bool CursorValid = false;
    bool LineMode = false;
    int32_t TileCount = 0;
    int32_t MaskCount = 0;
    bool MaskShow = true;
    std::unique_ptr<TBufList> BufList;
    IslandStats Stats;
    int32_t Food1 = 0;
    int32_t Food2 = 0;
    int32_t Gold = 0;
    TSysList Sys;
    // A click's area mask is one undo step instead of one per cell.
    bool UndoByOperation = false;

    // What changed since the last call: cells, size, catalogue, rates and
    // display switches (the last two found by comparing with the values
    // then). The session hands it on; without one nothing needs it.
    MapChange TakeChange();

    // Cells and catalogue lookups.
    MapCell GetCell(int32_t x, int32_t y) const;
    void SetCell(int32_t x, int32_t y, MapCell cell);
    void ClearPanels();
    void ClearMasks();
    const TTileList& GetTile(int32_t index) const;
    const TMaskTileList& GetMaskTile(int32_t index) const;
    int32_t IndexOfNo(int32_t no) const;
    std::string NameOfNo(int32_t no) const;
    std::string ExtOfNo(int32_t no) const;
    int32_t MaxOfNo(int32_t no) const;
    int32_t NoOfCode(uint8_t code) const;
    uint8_t CodeOfNo(int32_t no) const;
    int32_t CellValue(int32_t x, int32_t y) const;
    // The value rule for a counter on catalogue entry `index`, as CellValue.
    int32_t EntryValue(int32_t index, uint8_t counter) const;
    std::string ValueText(int32_t x, int32_t y) const;
    void SetLastX(int32_t n);
    void SetLastY(int32_t n);

    // History.
    void Undo();
    void Redo();
    bool CanUndo() const;
    bool CanRedo() const;

    // Catalogue changes, told to the palettes by the change.
    void AddTile(const TTileList& entry);
    void ReplaceTile(int32_t index, const TTileList& entry);
    void DeleteTile(int32_t index);
    void AddMaskTile(const TMaskTileList& entry);

    // Geometry (view/), and what is to be drawn again: recorded in the
    // change, drawn by whoever takes it.
    static CellRectangle CellRect(int32_t x, int32_t y);
    // The cell under picture pixel (px, py); `valid` false off the shown map.
    struct CellAtPixel {
        int32_t X = 0;
        int32_t Y = 0;
        bool Valid = false;
    };
    CellAtPixel CellAt(int32_t px, int32_t py) const;
    // The cell under the pointer into CursorX, CursorY and CursorValid.
    void PixelToCell(int32_t px, int32_t py);
    void DrawCell(int32_t x, int32_t y);  // a cell beyond the shown size is not drawn
    void DrawRuler();
    void RedrawMap();

    // The editing tool (view/).
    void EditAt(int32_t px, int32_t py, MouseButton button);
    void ChangeCell(int32_t x, int32_t y, int32_t mode, int32_t value);
    void ChangeMask(int32_t x, int32_t y, int32_t m);
    // Records and applies a tool's cell changes as one undo step, one entry
    // per cell that changes (cells outside the shown map are skipped);
    // `joinNewest` adds them to the step of the newest entry (the session's
    // open operation). Returns the number of entries recorded.
    int32_t ApplyEdits(const std::vector<CellEdit>& edits, bool joinNewest = false);

    // Map files (files/), through WriteFileChecked and ReadMapFile.
    Result SaveMapFile(const std::string& fileName) const;
    Result LoadMapFile(const std::string& fileName);
    // Takes a map read from a file: cells, shown size, a fresh picture and
    // an empty history.
    void TakeMap(const MapFileInfo& info);

    // Pseudo-map code (files/).
    std::string EncodeMapCode() const;
    // The code followed by the shown size, "…@31x31", which readers of the
    // bare code ignore.
    std::string EncodeMapCodeWithSize() const;
    // Writes the cells the code describes from (0, 0) on, in reading order,
    // and returns the first cell not written; trace receives one line per step
    // (the first 200, then one line counting the rest).
    std::pair<int32_t, int32_t> DecodeMapCode(const std::string& text,
                                              std::vector<std::string>* trace = nullptr);
    // Rebuilds the whole grid from code text: everything cleared, history
    // emptied, the code decoded, the rest of the shown map filled with "a".
    // Returns how many cells of the code did not fit in the shown map.
    int64_t ApplyMapCode(const std::string& text, std::vector<std::string>* trace = nullptr);

    // Island figures (stats/).
    void ComputeStats();

private:
    void ResizePicture();
    // Room for `cells` more drawn cells, so a whole-map step grows the list once.
    void ExpectCells(size_t cells);

    MapChange change_;
    std::bitset<GridSize * GridSize> marked_;  // the cells in change_.Cells
    // The values the last change was taken with.
    struct Taken {
        int32_t Food1 = 0, Food2 = 0, Gold = 0;
        bool LineMode = false, MaskShow = true;
    } taken_;
    Taken Current() const { return {Food1, Food2, Gold, LineMode, MaskShow}; }
};
