#pragma once
#include "document/TileList.h"

// Mirrors catalogue changes into the palette lists. Each call returns the
// list's item count afterwards, which the document keeps as its count.
class PaletteSink {
public:
    virtual ~PaletteSink() = default;
    virtual int AppendTileItem(const TTileList& entry) = 0;
    virtual void ReplaceTileItem(int index, const TTileList& entry) = 0;
    virtual int DeleteTileItem(int index) = 0;
    virtual int AppendMaskItem(const TMaskTileList& entry) = 0;
};
