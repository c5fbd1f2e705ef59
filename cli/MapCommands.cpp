// render, code, decode, convert, check: map files in and out.
#include <QPainter>
#include <charconv>
#include <cmath>
#include <optional>

#include "cli/Commands.h"
#include "cli/CliCommon.h"
#include "stats/FigureBand.h"
#include "view/CellValues.h"
#include "view/MapRenderer.h"
#include "view/PngEncoder.h"

namespace {

// "COLSxROWS", each 1..31.
bool ParseSize(const std::string& text, int& columns, int& rows)
{
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos)
        return false;
    const char* begin = text.data();
    const char* end = begin + text.size();
    const auto [afterColumns, e1] = std::from_chars(begin, begin + x, columns);
    const auto [afterRows, e2] = std::from_chars(begin + x + 1, end, rows);
    return e1 == std::errc() && e2 == std::errc() && afterColumns == begin + x && afterRows == end &&
           columns >= 1 && columns <= GridSize && rows >= 1 && rows <= GridSize;
}

// A header byte above 30 is not a size: the window keeps the size it has.
std::string HeaderNote(const char* what, uint8_t stored, const char* unit)
{
    if (stored < GridSize)
        return {};
    return std::string("note: the header's ") + what + " is " + std::to_string(stored) +
           ", beyond 30; the window keeps the " + unit + " it has (1 when the file is opened at start-up)\n";
}

int WriteOrFail(const std::string& path, const std::string& bytes)
{
    if (const Result written = WriteOutput(path, bytes); !written)
        return Fail("cannot write " + path + ": " + written.Reason, ExitFailed);
    return ExitOk;
}

// The map picture at `width`, its shape kept.
QSize ScaledToWidth(QSize map, int width)
{
    return {width, std::max(1, static_cast<int>(std::lround(double(map.height()) * width / map.width())))};
}

// The longer side of the map with the figure band under it.
int LongerSideWithFigures(QSize map)
{
    const QSize whole = PictureWithFiguresSize(map);
    return std::max(whole.width(), whole.height());
}

// The largest size, no larger than the map's own, the map may have so that
// it and the figure band under it fit in limit x limit (no limit: 0). The
// band's columns follow the width, so the fit is tried width by width.
std::optional<QSize> FittingMapSize(QSize map, int limit)
{
    for (int width = map.width(); width >= 1; --width)
        if (limit <= 0 || LongerSideWithFigures(ScaledToWidth(map, width)) <= limit)
            return ScaledToWidth(map, width);
    return std::nullopt;
}

int SmallestSizeWithFigures(QSize map)
{
    int smallest = LongerSideWithFigures(map);
    for (int width = map.width() - 1; width >= 1; --width)
        smallest = std::min(smallest, LongerSideWithFigures(ScaledToWidth(map, width)));
    return smallest;
}

}  // namespace

int RunRender(const Invocation& args, TTileData& doc)
{
    const std::string& path = args.Operands[0];
    int maxSize = 0;
    if (args.Has("--max-size")) {
        const std::string text = args.Value("--max-size");
        const auto [end, e] = std::from_chars(text.data(), text.data() + text.size(), maxSize);
        if (e != std::errc() || end != text.data() + text.size() || maxSize < 1)
            return UsageFailure("--max-size wants a whole number of pixels above 0, not '" + text + "'", "render");
    }
    MapRenderer renderer(doc);
    doc.MaskShow = !args.Has("--no-masks");
    doc.LineMode = args.Has("--lines");
    // As at the window's start-up, before the file is opened.
    doc.SetLastX(0);
    doc.SetLastY(0);
    const MapRead input = ReadMapInput(doc, path);
    if (!input.Status)
        return Fail(path + ": " + input.Status.Reason, ExitFailed);
    renderer.Show(doc.TakeChange());

    QImage picture = renderer.Picture();
    if (args.Has("--values")) {
        QPainter painter(&picture);
        DrawCellValues(painter, doc, picture.rect(), 100);
    }
    if (args.Has("--figures")) {
        // Only the map shrinks: the band's text stays at its readable size.
        const std::optional<QSize> map = FittingMapSize(picture.size(), maxSize);
        if (!map)
            return UsageFailure("--max-size " + std::to_string(maxSize) +
                                    " leaves no room for the map beside the figure band; give at least " +
                                    std::to_string(SmallestSizeWithFigures(picture.size())) + " or leave out --figures",
                                "render");
        if (*map != picture.size())
            picture = picture.scaled(*map, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        doc.ComputeStats();
        picture = PictureWithFigures(picture, doc.Stats);
    } else if (maxSize > 0 && (picture.width() > maxSize || picture.height() > maxSize)) {
        // Only ever smaller: a thumbnail, never an enlargement.
        picture = picture.scaled(maxSize, maxSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    return WriteOrFail(args.Value("-o"), EncodePng(picture));
}

int RunCode(const Invocation& args, TTileData& doc)
{
    const std::string& path = args.Operands[0];
    const MapRead input = ReadMapInput(doc, path);
    if (!input.Status)
        return Fail(path + ": " + input.Status.Reason, ExitFailed);
    PrintOut((args.Has("--bare") ? doc.EncodeMapCode() : doc.EncodeMapCodeWithSize()) + "\n");
    return ExitOk;
}

int RunDecode(const Invocation& args, TTileData& doc)
{
    const std::string& code = args.Operands[0];
    const std::optional<MapCodeSize> carried = MapCodeSizeOf(code);
    int columns = carried ? carried->Columns : 0, rows = carried ? carried->Rows : 0;
    if (args.Has("--size")) {
        const std::string size = args.Value("--size");
        if (!ParseSize(size, columns, rows))
            return UsageFailure("--size wants COLSxROWS with each 1..31, not '" + size + "'", "decode");
        if (carried && !(*carried == MapCodeSize{columns, rows}))
            return UsageFailure("--size " + size + " disagrees with the code's size " +
                                    std::to_string(carried->Columns) + "x" + std::to_string(carried->Rows),
                                "decode");
    } else if (!carried) {
        return UsageFailure("decode needs --size COLSxROWS or a code ending in @COLSxROWS", "decode");
    }
    doc.SetLastY(rows - 1);
    doc.SetLastX(columns - 1);
    if (const int64_t leftOver = doc.ApplyMapCode(code); leftOver > 0)
        std::fprintf(stderr, "ispln-cli: warning: %lld cells of the code did not fit in the %dx%d map\n",
                     static_cast<long long>(leftOver), columns, rows);
    return WriteOrFail(args.Value("-o"), MapFileBytes(doc));
}

int RunConvert(const Invocation& args, TTileData& doc)
{
    const std::string& path = args.Operands[0];
    const MapRead input = ReadMapInput(doc, path);
    if (!input.Status)
        return Fail(path + ": " + input.Status.Reason, ExitFailed);
    return WriteOrFail(args.Value("-o"), MapFileBytes(input.Map));
}

int RunCheck(const Invocation& args, TTileData& doc)
{
    const std::string& path = args.Operands[0];
    const MapRead input = ReadMapInput(doc, path);
    if (!input.Status) {
        PrintOut(path + ": refused: " + input.Status.Reason + "\n");
        return ExitFailed;
    }
    const MapFileInfo& stored = input.Map;
    const bool older = stored.Layout == MapLayout::Older;
    PrintOut(path + ": loads as " + (older ? "KPL02 (older layout, no masks)" : "KPL03") + ", " +
             std::to_string(doc.LastX + 1) + " columns × " + std::to_string(doc.LastY + 1) + " rows\n" +
             HeaderNote("column index", stored.LastX, "columns") + HeaderNote("row index", stored.LastY, "rows"));
    return ExitOk;
}
