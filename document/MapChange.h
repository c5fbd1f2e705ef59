#pragma once
#include <cstdint>
#include <vector>

struct CellPlace {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const CellPlace&, const CellPlace&) = default;
};

// What the document changed since the change was last taken: the session
// hands it on as one notice, and the picture, the palettes and the figures
// follow it.
struct MapChange {
    // Cells to draw again, each once, all within the shown size; empty when
    // the whole map or the size changed (every cell is drawn then).
    std::vector<CellPlace> Cells;
    bool WholeMap = false;   // every cell may hold something else
    bool Size = false;       // the shown size (the picture is sized again)
    bool Catalogue = false;  // panel or mask entries
    bool Rates = false;      // the growth rates the figures use
    // How cells are drawn (lines, masks shown, the ruler): the whole
    // picture again, the island itself the same.
    bool Display = false;
    // The cells join the undo step the change before began (a stroke
    // reaching further cells): one operation still.
    bool Continues = false;

    bool Empty() const { return Cells.empty() && !WholeMap && !Size && !Catalogue && !Rates && !Display; }
    // Whether the island's figures may differ.
    bool Island() const { return !Cells.empty() || WholeMap || Size || Catalogue || Rates; }
    // Whether every cell of the picture is drawn again.
    bool WholePicture() const { return WholeMap || Size || Catalogue || Display; }
};
