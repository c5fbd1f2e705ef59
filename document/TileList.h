#pragma once
#include <cstdint>
#include <string>

// Panel categories, as the catalogue's Type field numbers them.
enum PanelType : int32_t {
    TypeTerrain = 0,
    TypePopulation = 1,
    TypeFarming = 2,
    TypeIndustry = 3,
    TypeFunds = 4,
    TypeMilitary = 5,
};

// One panel kind of the catalogue.
struct TTileList {
    int32_t No = 0;
    std::string Bmp;   // full path of the 32 x 32 tile bitmap
    std::string Name;
    int32_t Type = 0;  // 0..5, -1 when the configuration gives none
    int32_t Min = 0;
    int32_t Count = 0;
    int32_t Max = 0;
    std::string Ext;   // unit text appended to a value
    bool Land = false;
    uint8_t Code = 0;  // letter in the pseudo-map code

    friend bool operator==(const TTileList&, const TTileList&) = default;
};

// One mask (overlay marker) kind.
struct TMaskTileList {
    int32_t No = 0;
    std::string Bmp;   // full path of the 96 x 32 mask strip
    std::string Name;
    int32_t Type = 0;  // area radius of the mask tool; 0 = the clicked cell only

    friend bool operator==(const TMaskTileList&, const TMaskTileList&) = default;
};

// Start-up settings, mirrored in the "System" section of isplan.ini.
struct TSysList {
    bool MapSize = false;
    int32_t MapY = 0;
    int32_t MapX = 0;
    bool Window = false;
    bool Load = false;
    std::string LoadFile;

    friend bool operator==(const TSysList&, const TSysList&) = default;
};
