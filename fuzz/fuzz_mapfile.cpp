// Any bytes as a map file: the loader never crashes, refuses exactly what
// the byte reader refuses, and a refused file leaves the document as it was.
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "document/File1.h"
#include "files/MapFile.h"

namespace {

// The document's state that a load may change.
struct Snapshot {
    MapCell Map[GridSize][GridSize];
    int32_t LastX, LastY, Count, Index;

    explicit Snapshot(const TTileData& doc)
        : LastX(doc.LastX), LastY(doc.LastY), Count(doc.BufList->GetCount()), Index(doc.BufList->GetIndex())
    {
        std::memcpy(Map, doc.Map, sizeof Map);
    }
    bool operator==(const Snapshot& o) const
    {
        return std::memcmp(Map, o.Map, sizeof Map) == 0 && LastX == o.LastX && LastY == o.LastY &&
               Count == o.Count && Index == o.Index;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    static const std::string path = (dir.path() + "/fuzz.kpl").toStdString();
    static TTileData doc;  // large; built once

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    // A document with a history and a map that differs from any input.
    doc.BufList->Clear();
    for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y)
            doc.Map[x][y] = {static_cast<uint8_t>(x), static_cast<uint8_t>(y), 7};
    doc.SetLastX(12);
    doc.SetLastY(13);
    doc.ChangeCell(1, 1, 1, 3);
    const Snapshot before(doc);

    MapFileInfo info;
    const bool readable = ReadMapBytes(bytes, info);
    const bool loaded = doc.LoadMapFile(path).Ok;
    if (loaded != readable)
        std::abort();
    if (!loaded && !(Snapshot(doc) == before))
        std::abort();
    if (loaded) {
        if (doc.BufList->GetCount() != 0 || doc.LastX < 0 || doc.LastX > 30 || doc.LastY < 0 || doc.LastY > 30)
            std::abort();
        // What was loaded saves back to the same cells.
        MapFileInfo again;
        if (!ReadMapBytes(MapFileBytes(doc), again) ||
            std::memcmp(again.Cells, info.Cells, sizeof info.Cells) != 0)
            std::abort();
    }
    return 0;
}
