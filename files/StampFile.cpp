#include "files/StampFile.h"

#include <QDir>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <optional>
#include <tuple>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "filesystem/CheckedFile.h"
#include "document/File1.h"
#include "files/MapFile.h"
#include "view/MapRenderer.h"

namespace {

constexpr char FormatName[] = "ispln-stamp";
constexpr int FormatVersion = 1;
// Long enough for any sensible caption, short enough for a list row.
constexpr qsizetype NameLimit = 200;
constexpr qsizetype DescriptionLimit = 4000;

QString Q(const std::string& s) { return QString::fromStdString(s); }

StampRead Refused(std::string reason)
{
    return {Result::Failure(std::move(reason)), {}};
}

// A whole number lo..hi, or nothing (fractions, strings and huge values alike).
std::optional<int> WholeIn(const QJsonValue& v, int lo, int hi)
{
    if (!v.isDouble())
        return std::nullopt;
    const double d = v.toDouble();
    if (!(d >= lo && d <= hi) || std::floor(d) != d)
        return std::nullopt;
    return static_cast<int>(d);
}

std::optional<MapCell> CellOf(const QJsonValue& v)
{
    const QJsonArray a = v.toArray();
    if (!v.isArray() || a.size() != 3)
        return std::nullopt;
    const auto panel = WholeIn(a[0], 0, 255), counter = WholeIn(a[1], 0, 255), mask = WholeIn(a[2], 0, 255);
    if (!panel || !counter || !mask)
        return std::nullopt;
    return MapCell{static_cast<uint8_t>(*panel), static_cast<uint8_t>(*counter), static_cast<uint8_t>(*mask)};
}

Result CellsInto(const QJsonArray& cells, map_shapes::Block& block)
{
    const size_t n = static_cast<size_t>(block.Columns * block.Rows);
    if (static_cast<size_t>(cells.size()) != n)
        return Result::Failure("it has " + std::to_string(cells.size()) + " cells where " +
                               std::to_string(block.Columns) + " x " + std::to_string(block.Rows) + " needs " +
                               std::to_string(n));
    block.Cells.assign(n, MapCell{});
    block.Present.assign(n, true);
    bool any = false;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (cells[i].isNull()) {
            block.Present[static_cast<size_t>(i)] = false;
            continue;
        }
        const std::optional<MapCell> cell = CellOf(cells[i]);
        if (!cell)
            return Result::Failure("cell " + std::to_string(i) +
                                   " is not [panel, counter, mask] with each a whole number 0..255 (or null)");
        block.Cells[static_cast<size_t>(i)] = *cell;
        any = true;
    }
    if (!any)
        return Result::Failure("every cell is left out");
    if (std::all_of(block.Present.begin(), block.Present.end(), [](bool p) { return p; }))
        block.Present.clear();
    return Result::Success();
}

std::string CheckedBlock(const map_shapes::Block& b)
{
    if (b.Columns < 1 || b.Columns > GridSize || b.Rows < 1 || b.Rows > GridSize)
        return "its size is not 1..31 columns by 1..31 rows";
    return b.Consistent() ? std::string() : "its cells do not fill its size";
}

}  // namespace

std::string StampBytes(const Stamp& stamp)
{
    const map_shapes::Block& b = stamp.Cells;
    QJsonArray cells;
    for (size_t i = 0; i < b.Cells.size(); ++i) {
        const MapCell c = b.Cells[i];
        const bool present = b.Present.empty() || (i < b.Present.size() && b.Present[i]);
        cells.append(present ? QJsonValue(QJsonArray{c.Panel, c.Counter, c.Mask}) : QJsonValue());
    }
    QJsonObject o{{"format", FormatName},        {"version", FormatVersion}, {"name", Q(stamp.Name)},
                  {"columns", b.Columns},        {"rows", b.Rows},           {"oddTopRow", b.OriginOdd},
                  {"cells", cells}};
    if (!stamp.Description.empty())
        o.insert("description", Q(stamp.Description));
    return QJsonDocument(o).toJson(QJsonDocument::Compact).toStdString() + "\n";
}

StampRead ParseStamp(const std::string& bytes)
{
    if (bytes.size() > StampFileLimit)
        return Refused("longer than " + std::to_string(StampFileLimit) + " bytes");
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (utf8.hasError())
        return Refused("not UTF-8 text");
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(bytes), &error);
    if (error.error != QJsonParseError::NoError)
        return Refused("not JSON: " + error.errorString().toStdString() + " at byte " +
                       std::to_string(error.offset));
    const QJsonObject o = json.object();
    if (!json.isObject() || o.value("format").toString() != FormatName)
        return Refused("not a stamp: no \"format\": \"ispln-stamp\"");
    if (o.value("version").toInt(-1) != FormatVersion)
        return Refused("a stamp of another version than 1");

    StampRead read;
    Stamp& s = read.Stamp;
    const QJsonValue name = o.value("name"), description = o.value("description");
    if (!name.isString() || name.toString().trimmed().isEmpty() || name.toString().size() > NameLimit)
        return Refused("\"name\" is not a text of 1.." + std::to_string(NameLimit) + " characters");
    if (!description.isUndefined() && (!description.isString() || description.toString().size() > DescriptionLimit))
        return Refused("\"description\" is not a text of up to " + std::to_string(DescriptionLimit) + " characters");
    s.Name = name.toString().toStdString();
    s.Description = description.toString().toStdString();

    const auto columns = WholeIn(o.value("columns"), 1, GridSize), rows = WholeIn(o.value("rows"), 1, GridSize);
    if (!columns || !rows)
        return Refused("\"columns\" and \"rows\" are not whole numbers 1..31");
    if (!o.value("oddTopRow").isBool())
        return Refused("\"oddTopRow\" is not true or false");
    s.Cells.Columns = *columns;
    s.Cells.Rows = *rows;
    s.Cells.OriginOdd = o.value("oddTopRow").toBool();
    if (!o.value("cells").isArray())
        return Refused("\"cells\" is not a list");
    if (const Result cells = CellsInto(o.value("cells").toArray(), s.Cells); !cells)
        return Refused(cells.Reason);
    return read;
}

StampRead ReadStampFile(const std::string& path)
{
    // Looked at before opening: a link could lead anywhere, a FIFO blocks.
    struct stat before;
    if (::lstat(path.c_str(), &before) != 0)
        return Refused(std::strerror(errno));
    if (S_ISLNK(before.st_mode))
        return Refused("a link; stamps are read from regular files only");
    if (!S_ISREG(before.st_mode))
        return Refused("not a regular file");
    if (static_cast<unsigned long long>(before.st_size) > StampFileLimit)
        return Refused("longer than " + std::to_string(StampFileLimit) + " bytes");
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Refused(std::strerror(errno));
    struct stat opened;
    std::string bytes;
    std::string failure;
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_ino != before.st_ino ||
        opened.st_dev != before.st_dev) {
        failure = "changed while being opened";
    } else {
        // One byte past the limit tells a file that grew meanwhile.
        bytes.resize(StampFileLimit + 1);
        size_t got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                failure = std::strerror(errno);
                break;
            }
            if (n == 0)
                break;
            got += static_cast<size_t>(n);
        }
        bytes.resize(got);
    }
    ::close(fd);
    if (!failure.empty())
        return Refused(failure);
    return ParseStamp(bytes);
}

Result WriteStampFile(const std::string& path, const Stamp& stamp)
{
    if (const std::string fault = CheckedBlock(stamp.Cells); !fault.empty())
        return Result::Failure("not written: " + fault);
    const std::string bytes = StampBytes(stamp);
    if (const StampRead back = ParseStamp(bytes); !back.Status)
        return Result::Failure("not written: " + back.Status.Reason);
    return WriteFileChecked(path, bytes);
}

StampList ListStamps(const std::string& folder)
{
    StampList list;
    const QDir root(QDir(Q(folder)).absolutePath());
    QDirIterator it(Q(folder), {QStringLiteral("*") + QLatin1String(StampSuffix)},
                    QDir::Files | QDir::NoSymLinks | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const StampRead read = ReadStampFile(path.toStdString());
        if (!read.Status) {
            list.Refused.push_back(path.toStdString() + ": " + read.Status.Reason);
            continue;
        }
        const QString group = root.relativeFilePath(it.fileInfo().absolutePath());
        const map_shapes::Block& b = read.Stamp.Cells;
        list.Entries.push_back({group == QStringLiteral(".") ? std::string() : group.toStdString(), read.Stamp.Name,
                                read.Stamp.Description, b.Columns, b.Rows, path.toStdString()});
    }
    std::sort(list.Entries.begin(), list.Entries.end(), [](const StampEntry& a, const StampEntry& b) {
        return std::tie(a.Group, a.Name, a.Path) < std::tie(b.Group, b.Name, b.Path);
    });
    std::sort(list.Refused.begin(), list.Refused.end());
    return list;
}

std::vector<int> MissingPanels(const map_shapes::Block& block, const TTileData& doc)
{
    bool known[256] = {};
    for (int32_t i = 0; i < std::clamp(doc.TileCount, 0, MaxTiles); ++i) {
        const int32_t no = doc.GetTile(i).No;
        if (no >= 0 && no < 256)
            known[no] = true;
    }
    bool missing[256] = {};
    for (size_t i = 0; i < block.Cells.size(); ++i)
        if (block.Present.empty() || (i < block.Present.size() && block.Present[i]))
            missing[block.Cells[i].Panel] = !known[block.Cells[i].Panel];
    std::vector<int> out;
    for (int no = 0; no < 256; ++no)
        if (missing[no])
            out.push_back(no);
    return out;
}

map_shapes::Block WithoutPanels(map_shapes::Block block, const std::vector<int>& panels)
{
    if (panels.empty() || !block.Consistent())
        return block;
    block.Present.resize(block.Cells.size(), true);
    for (size_t i = 0; i < block.Cells.size(); ++i)
        if (std::find(panels.begin(), panels.end(), block.Cells[i].Panel) != panels.end())
            block.Present[i] = false;
    return block;
}

QImage StampPicture(TTileData& scratch, MapRenderer& renderer, const map_shapes::Block& block, bool lines)
{
    const map_shapes::Cell anchor{0, block.OriginOdd ? 1 : 0};
    MapFileInfo map;
    map.LastX = static_cast<uint8_t>(std::clamp(block.Columns - 1, 0, GridSize - 1));
    map.LastY = static_cast<uint8_t>(std::clamp(block.Rows - 1 + anchor.Y, 0, GridSize - 1));
    const MapCell cleared{static_cast<uint8_t>(scratch.TileCount > 0 ? scratch.GetTile(0).No & 0xFF : 0), 0, 0};
    for (auto& column : map.Cells)
        for (MapCell& c : column)
            c = cleared;
    scratch.SetLastX(map.LastX);
    scratch.SetLastY(map.LastY);
    for (const CellEdit& e : PlaceBlock(scratch, block, anchor))
        map.Cells[e.X][e.Y] = e.Cell;
    scratch.MaskShow = true;
    scratch.LineMode = lines;
    scratch.TakeMap(map);
    renderer.Show(scratch.TakeChange());
    return renderer.Picture();
}
