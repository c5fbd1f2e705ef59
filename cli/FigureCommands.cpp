// stats and breakdown: the figures of the "情報" tab and of "個別情報".
#include <QString>

#include "cli/Commands.h"
#include "cli/JsonText.h"
#include "cli/Session.h"
#include "stats/Breakdown.h"
#include "stats/IslandFigures.h"

namespace {

struct FigureLine {
    const char* Label;
    const char* Field;
    std::string Text;
};

std::vector<FigureLine> Figures(const IslandStats& s)
{
    return {
        {"人口", "Population", FigureText(s.Population)},
        {"面積", "Area", FigureText(s.Area)},
        {"資金増加量", "FundsIncrease", FigureText(s.FundsIncrease)},
        {"食料増加量", "FoodIncrease", FigureText(s.FoodIncrease)},
        {"農業", "Farming", FigureText(s.Farming)},
        {"工業", "Industry", FigureText(s.Industry)},
        {"採掘場", "Mine", "0"},  // the window's box has no figure behind it
        {"労働者", "Workers", FigureText(s.Workers)},
        {"失業者", "Unemployed", FigureText(s.Unemployed)},
        {"ミサイル数", "Military", FigureText(s.Military)},
    };
}

// A tab or line break inside a name would break the row apart.
std::string TableCell(const std::string& text)
{
    std::string cell = text;
    for (char& c : cell)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    return cell;
}

std::string Number(int64_t n) { return std::to_string(n); }

}  // namespace

int RunStats(const Invocation& args, TTileData& doc)
{
    const std::string& path = args.Operands[0];
    const MapInput input = ReadMapInput(doc, path);
    if (!input.Loaded)
        return Fail(path + ": " + input.Problem, ExitFailed);
    doc.ComputeStats();

    std::string out;
    const std::vector<FigureLine> figures = Figures(doc.Stats);
    if (args.Has("--json")) {
        out = "{";
        for (size_t i = 0; i < figures.size(); ++i)
            out += (i ? ", " : "") + JsonString(figures[i].Field) + ": " + figures[i].Text;
        out += "}\n";
    } else {
        for (const FigureLine& f : figures)
            out += std::string(f.Label) + ": " + f.Text + "\n";
    }
    PrintOut(out);
    return ExitOk;
}

int RunBreakdown(const Invocation& args, TTileData& doc)
{
    const std::string& path = args.Operands[0];
    const MapInput input = ReadMapInput(doc, path);
    if (!input.Loaded)
        return Fail(path + ": " + input.Problem, ExitFailed);

    const std::vector<BreakdownRow> rows = BuildBreakdown(doc);
    std::string out;
    if (args.Has("--json")) {
        out = "[";
        for (size_t i = 0; i < rows.size(); ++i) {
            const BreakdownRow& r = rows[i];
            out += std::string(i ? "," : "") + "\n  {\"Name\": " + JsonString(r.Name) +
                   ", \"No\": " + Number(r.No) + ", \"Min\": " + Number(r.Min) + ", \"Max\": " + Number(r.Max) +
                   ", \"Total\": " + Number(r.Total) + ", \"Count\": " + Number(r.Count) + "}";
        }
        out += rows.empty() ? "]\n" : "\n]\n";
    } else {
        out = "パネル名\t最小値\t最大値\t合計\t個数\n";
        for (const BreakdownRow& r : rows)
            out += TableCell(r.Name) + "\t" + Number(r.Min) + "\t" + Number(r.Max) + "\t" + Number(r.Total) +
                   "\t" + Number(r.Count) + "\n";
    }
    PrintOut(out);
    return ExitOk;
}
