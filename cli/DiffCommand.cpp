// diff: the figures of two maps side by side, and the cells that differ.
#include <QJsonArray>

#include "cli/Commands.h"
#include "cli/FigureJson.h"
#include "cli/CliCommon.h"
#include "stats/FigureDelta.h"

namespace {

struct MapSide {
    TTileData& Doc;
    MapRead Input;
    std::array<ShownFigureEntry, FigureCount> Figures{};

    int Columns() const { return Doc.LastX + 1; }
    int Rows() const { return Doc.LastY + 1; }
    const MapCell& Cell(int x, int y) const { return Input.Map.Cells[x][y]; }
};

struct ChangedCell {
    int X, Y;
};

std::string SizeText(const MapSide& side)
{
    return std::to_string(side.Columns()) + " × " + std::to_string(side.Rows());
}

std::string Signed(int64_t n) { return (n > 0 ? "+" : "") + std::to_string(n); }

// "町(3)", a mask as "+印"; a panel number no entry carries as "[17]".
std::string CellText(const TTileData& doc, const MapCell& cell)
{
    std::string name = doc.NameOfNo(cell.Panel);
    if (name.empty())
        name = "[" + std::to_string(cell.Panel) + "]";
    std::string text = name + "(" + std::to_string(cell.Counter) + ")";
    if (cell.Mask == 0)
        return text;
    const int index = cell.Mask - 1;
    const bool known = index < doc.MaskCount && index < MaxMasks;
    return text + "+" + (known ? doc.Mask[index].Name : "[mask " + std::to_string(cell.Mask) + "]");
}

QJsonArray CellJson(const MapCell& cell) { return QJsonArray{cell.Panel, cell.Counter, cell.Mask}; }

std::string TextReport(const MapSide& a, const MapSide& b, const std::vector<ChangedCell>& changed, bool listCells)
{
    std::string out = "\tA\tB\tB-A\n";
    for (size_t i = 0; i < a.Figures.size(); ++i)
        out += std::string(a.Figures[i].Label) + "\t" + std::to_string(a.Figures[i].Value) + "\t" +
               std::to_string(b.Figures[i].Value) + "\t" +
               Signed(FigureDifference(a.Figures[i].Value, b.Figures[i].Value)) + "\n";
    out += "cells that differ: " + std::to_string(changed.size()) + "\n";
    if (SizeText(a) != SizeText(b))
        out += "map size differs: " + SizeText(a) + " → " + SizeText(b) + "\n";
    if (listCells)
        for (const ChangedCell& c : changed)
            out += std::to_string(c.X) + "," + std::to_string(c.Y) + ": " + CellText(a.Doc, a.Cell(c.X, c.Y)) +
                   " → " + CellText(b.Doc, b.Cell(c.X, c.Y)) + "\n";
    return out;
}

std::string JsonReport(const MapSide& a, const MapSide& b, const std::vector<ChangedCell>& changed, bool listCells)
{
    QJsonObject delta;
    for (size_t i = 0; i < a.Figures.size(); ++i)
        delta.insert(QLatin1String(a.Figures[i].Key),
                     qint64(FigureDifference(a.Figures[i].Value, b.Figures[i].Value)));
    QJsonObject report{
        {"a", FiguresJson(a.Figures)},
        {"b", FiguresJson(b.Figures)},
        {"delta", delta},
        {"cells", qint64(changed.size())},
        {"size", QJsonObject{{"a", QJsonArray{a.Columns(), a.Rows()}}, {"b", QJsonArray{b.Columns(), b.Rows()}}}},
    };
    if (listCells) {
        QJsonArray list;
        for (const ChangedCell& c : changed)
            list.append(QJsonObject{
                {"x", c.X}, {"y", c.Y}, {"a", CellJson(a.Cell(c.X, c.Y))}, {"b", CellJson(b.Cell(c.X, c.Y))}});
        report.insert("changed", list);
    }
    return JsonText(QJsonDocument(report), QJsonDocument::Compact);
}

}  // namespace

int RunDiff(const Invocation& args, TTileData& docA)
{
    // B gets a document of its own with the same catalogue.
    TTileData docB;
    if (const Result loaded = LoadCatalogue(docB, CataloguePath(args)); !loaded)
        return Fail(loaded.Reason, ExitFailed);
    MapSide sides[2] = {{docA, {}, {}}, {docB, {}, {}}};
    for (int i = 0; i < 2; ++i) {
        MapSide& side = sides[i];
        const std::string& path = args.Operands[static_cast<size_t>(i)];
        side.Input = ReadMapInput(side.Doc, path);
        if (!side.Input.Status)
            return Fail(path + ": " + side.Input.Status.Reason, ExitFailed);
        side.Doc.ComputeStats();
        side.Figures = ShownFigures(side.Doc.Stats);
    }
    const MapSide& a = sides[0];
    const MapSide& b = sides[1];

    // Over the whole grid the files hold, shown part or not, row by row.
    std::vector<ChangedCell> changed;
    for (int y = 0; y < GridSize; ++y)
        for (int x = 0; x < GridSize; ++x)
            if (!(a.Cell(x, y) == b.Cell(x, y)))
                changed.push_back({x, y});

    const bool listCells = args.Has("--cells");
    PrintOut(args.Has("--json") ? JsonReport(a, b, changed, listCells) : TextReport(a, b, changed, listCells));
    const bool differ = !changed.empty() || SizeText(a) != SizeText(b);
    return differ && args.Has("--exit-code") ? ExitDiffers : ExitOk;
}
