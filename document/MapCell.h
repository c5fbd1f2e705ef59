#pragma once
#include <cstdint>

// One grid cell: exactly the three bytes a map file stores for it.
struct MapCell {
    uint8_t Panel = 0;    // the No of the cell's panel kind
    uint8_t Counter = 0;  // step count fed to the value rule
    uint8_t Mask = 0;     // 0 = none, m = mask catalogue entry m - 1

    friend bool operator==(const MapCell&, const MapCell&) = default;
};

// A cell and what it is to hold after an edit.
struct CellEdit {
    int32_t X = 0;
    int32_t Y = 0;
    MapCell Cell;

    friend bool operator==(const CellEdit&, const CellEdit&) = default;
};
