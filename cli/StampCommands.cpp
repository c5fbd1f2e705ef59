// stamp list, render, save, place: prepared layouts beside the maps.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <charconv>

#include "cli/Commands.h"
#include "cli/CliCommon.h"
#include "files/StampFile.h"
#include "filesystem/ProgramFolder.h"
#include "view/MapRenderer.h"
#include "view/PngEncoder.h"

namespace {

using map_shapes::Block;
using map_shapes::Cell;

// Whole numbers separated by commas, each lo..hi.
bool ParseNumbers(const std::string& text, std::vector<int>& out, size_t count, int lo, int hi)
{
    out.clear();
    const char* p = text.data();
    const char* end = p + text.size();
    while (out.size() < count) {
        int n = 0;
        const auto [next, e] = std::from_chars(p, end, n);
        if (e != std::errc() || n < lo || n > hi)
            return false;
        out.push_back(n);
        p = next;
        if (out.size() < count) {
            if (p == end || *p != ',')
                return false;
            ++p;
        }
    }
    return p == end;
}

bool IsUtf8(const std::string& text)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)QString(utf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size()))));
    return !utf8.hasError();
}

std::string Joined(const std::vector<int>& numbers)
{
    std::string text;
    for (const int n : numbers)
        text += (text.empty() ? "" : ", ") + std::to_string(n);
    return text;
}

// A stamp with panels the catalogue lacks: said on stderr, those cells left out.
Block KnownCells(const TTileData& doc, const Stamp& stamp, const std::string& path)
{
    const std::vector<int> missing = MissingPanels(stamp.Cells, doc);
    if (missing.empty())
        return stamp.Cells;
    Fail("warning: " + path + ": the catalogue has no panel " + Joined(missing) + "; those cells are left out",
         ExitOk);
    return WithoutPanels(stamp.Cells, missing);
}

// Stamps/ beside the isplan.ini the command reads; an installed program
// whose user has no stamps folder lists the shipped one. Nothing is created.
std::string DefaultStampFolder(const Invocation& args)
{
    const QString own = QFileInfo(QString::fromStdString(CataloguePath(args))).absolutePath() + QStringLiteral("/Stamps");
    if (!args.IniPath.empty() || QFileInfo(own).isDir())
        return own.toStdString();
    const SettingsFolder where =
        LocateSettingsFolder(QCoreApplication::applicationDirPath(), QStringLiteral(ISPLN_DATA_FROM_BIN));
    return (where.Installed() ? where.Shipped + QStringLiteral("/Stamps") : own).toStdString();
}

std::string SizeText(int columns, int rows)
{
    return std::to_string(columns) + "x" + std::to_string(rows);
}

}  // namespace

int RunStampList(const Invocation& args, TTileData&)
{
    const std::string folder = args.Operands.empty() ? DefaultStampFolder(args) : args.Operands[0];
    if (!QFileInfo(QString::fromStdString(folder)).isDir())
        return Fail(folder + ": no such folder", ExitFailed);
    const StampList list = ListStamps(folder);
    for (const std::string& refused : list.Refused)
        Fail("warning: " + refused, ExitOk);
    std::string out;
    for (const StampEntry& e : list.Entries)
        out += e.Group + "\t" + e.Name + "\t" + SizeText(e.Columns, e.Rows) + "\t" + e.Path + "\n";
    PrintOut(out);
    return ExitOk;
}

int RunStampRender(const Invocation& args, TTileData& doc)
{
    const std::string& path = args.Operands[0];
    const StampRead read = ReadStampFile(path);
    if (!read.Status)
        return Fail(path + ": " + read.Status.Reason, ExitFailed);
    const Block block = KnownCells(doc, read.Stamp, path);

    MapRenderer renderer(doc);
    const QImage picture = StampPicture(doc, renderer, block, args.Has("--lines"));
    const std::string out = args.Value("-o");
    if (const Result written = WriteOutput(out, EncodePng(picture)); !written)
        return Fail("cannot write " + out + ": " + written.Reason, ExitFailed);
    return ExitOk;
}

int RunStampSave(const Invocation& args, TTileData& doc)
{
    const std::string& path = args.Operands[0];
    std::vector<int> rect;
    if (!ParseNumbers(args.Value("--rect"), rect, 4, 0, GridSize) || rect[2] < 1 || rect[3] < 1)
        return UsageFailure("--rect wants X,Y,W,H with W and H at least 1, not '" + args.Value("--rect") + "'",
                            args.Command);
    Stamp stamp;
    stamp.Name = args.Value("--name");
    stamp.Description = args.Value("--description");
    if (QString::fromStdString(stamp.Name).trimmed().isEmpty() || !IsUtf8(stamp.Name) || !IsUtf8(stamp.Description))
        return UsageFailure("--name and --description want UTF-8 text, and the name some", args.Command);
    const MapRead input = ReadMapInput(doc, path);
    if (!input.Status)
        return Fail(path + ": " + input.Status.Reason, ExitFailed);
    const Cell first{rect[0], rect[1]}, last{rect[0] + rect[2] - 1, rect[1] + rect[3] - 1};
    if (!map_shapes::Shown(doc, first) || !map_shapes::Shown(doc, last))
        return UsageFailure("--rect " + args.Value("--rect") + " leaves the map's " +
                                SizeText(doc.LastX + 1, doc.LastY + 1) + " cells",
                            args.Command);
    stamp.Cells = map_shapes::CopyBlock(doc, first, last);
    const std::string out = args.Value("-o");
    if (const Result written = WriteStampFile(out, stamp); !written)
        return Fail("cannot write " + out + ": " + written.Reason, ExitFailed);
    return ExitOk;
}

int RunStampPlace(const Invocation& args, TTileData& doc)
{
    const std::string &mapPath = args.Operands[0], &stampPath = args.Operands[1];
    std::vector<int> at, turn;
    if (!ParseNumbers(args.Value("--at"), at, 2, -GridSize, 2 * GridSize))
        return UsageFailure("--at wants X,Y (each -31..62), not '" + args.Value("--at") + "'", args.Command);
    if (args.Has("--turn") && !ParseNumbers(args.Value("--turn"), turn, 1, -1000, 1000))
        return UsageFailure("--turn wants a whole number of 60-degree turns, not '" + args.Value("--turn") + "'",
                            args.Command);
    const std::string mirror = args.Value("--mirror");
    if (args.Has("--mirror") && mirror != "x" && mirror != "y")
        return UsageFailure("--mirror wants x (left-right) or y (top-bottom), not '" + mirror + "'", args.Command);

    MapRead input = ReadMapInput(doc, mapPath);
    if (!input.Status)
        return Fail(mapPath + ": " + input.Status.Reason, ExitFailed);
    const StampRead read = ReadStampFile(stampPath);
    if (!read.Status)
        return Fail(stampPath + ": " + read.Status.Reason, ExitFailed);

    // As the window turns a floating block: the mirror first, then the
    // turns, all about the stamp's middle cell.
    Block block = KnownCells(doc, read.Stamp, stampPath);
    Cell pivot = map_shapes::MiddleOf(block);
    if (args.Has("--mirror"))
        block = map_shapes::Reshaped(block,
                                     mirror == "x" ? map_shapes::Reshape::MirrorLeftRight
                                                   : map_shapes::Reshape::MirrorTopBottom,
                                     pivot);
    const int turns = turn.empty() ? 0 : turn[0];
    for (int i = 0; i < std::abs(turns) % 6; ++i)
        block = map_shapes::Reshaped(
            block, turns > 0 ? map_shapes::Reshape::TurnClockwise : map_shapes::Reshape::TurnCounterClockwise, pivot);

    for (const CellEdit& e : PlaceBlock(doc, block, {at[0], at[1]}))
        input.Map.Cells[e.X][e.Y] = e.Cell;
    const std::string out = args.Value("-o");
    if (const Result written = WriteOutput(out, MapFileBytes(input.Map)); !written)
        return Fail("cannot write " + out + ": " + written.Reason, ExitFailed);
    return ExitOk;
}
