// Any bytes as a stamp file: the reader never crashes, a stamp it takes is
// whole and writes back to itself, and turning or placing it stays on the
// grid.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "document/File1.h"
#include "files/StampFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TTileData doc;  // large; built once
    const StampRead read = ParseStamp(std::string(reinterpret_cast<const char*>(data), size));
    if (!read.Status)
        return 0;
    const map_shapes::Block& b = read.Stamp.Cells;
    if (b.Columns < 1 || b.Columns > GridSize || b.Rows < 1 || b.Rows > GridSize || !b.Consistent())
        std::abort();
    const StampRead again = ParseStamp(StampBytes(read.Stamp));
    if (!again.Status || again.Stamp.Name != read.Stamp.Name || again.Stamp.Cells.Present != b.Present ||
        again.Stamp.Cells.OriginOdd != b.OriginOdd)
        std::abort();
    doc.LastX = doc.LastY = GridSize - 1;
    map_shapes::Cell pivot = map_shapes::MiddleOf(b);
    const map_shapes::Block turned = map_shapes::Reshaped(b, map_shapes::Reshape::TurnClockwise, pivot);
    if (!turned.Consistent())
        std::abort();
    for (const CellEdit& e : PlaceBlock(doc, turned, {static_cast<int>(size % 40) - 5, 3}))
        if (e.X < 0 || e.X >= GridSize || e.Y < 0 || e.Y >= GridSize)
            std::abort();
    (void)MissingPanels(b, doc);
    return 0;
}
