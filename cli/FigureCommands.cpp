// stats and breakdown: the figures of the "情報" tab and of "個別情報".
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include "cli/Commands.h"
#include "cli/CliCommon.h"
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

// The figure as the text shows it, as a JSON number.
QJsonValue JsonNumber(const std::string& text)
{
    bool whole = false;
    const qint64 n = QString::fromStdString(text).toLongLong(&whole);
    return whole ? QJsonValue(n) : QJsonValue(QString::fromStdString(text).toDouble());
}

std::string JsonText(const QJsonDocument& json, QJsonDocument::JsonFormat format)
{
    const QByteArray text = json.toJson(format);
    return std::string(text.constData(), static_cast<size_t>(text.size())) +
           (format == QJsonDocument::Compact ? "\n" : "");
}

}  // namespace

int RunStats(const Invocation& args, TTileData& doc)
{
    const std::string& path = args.Operands[0];
    const MapRead input = ReadMapInput(doc, path);
    if (!input.Status)
        return Fail(path + ": " + input.Status.Reason, ExitFailed);
    doc.ComputeStats();

    std::string out;
    const std::vector<FigureLine> figures = Figures(doc.Stats);
    if (args.Has("--json")) {
        QJsonObject object;
        for (const FigureLine& f : figures)
            object.insert(QLatin1String(f.Field), JsonNumber(f.Text));
        out = JsonText(QJsonDocument(object), QJsonDocument::Compact);
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
    const MapRead input = ReadMapInput(doc, path);
    if (!input.Status)
        return Fail(path + ": " + input.Status.Reason, ExitFailed);

    const std::vector<BreakdownRow> rows = BuildBreakdown(doc);
    std::string out;
    if (args.Has("--json")) {
        QJsonArray array;
        for (const BreakdownRow& r : rows)
            array.append(QJsonObject{{"Name", QString::fromStdString(r.Name)},
                                     {"No", r.No},
                                     {"Min", qint64(r.Min)},
                                     {"Max", qint64(r.Max)},
                                     {"Total", qint64(r.Total)},
                                     {"Count", qint64(r.Count)}});
        out = JsonText(QJsonDocument(array), QJsonDocument::Indented);
    } else {
        out = "パネル名\t最小値\t最大値\t合計\t個数\n";
        for (const BreakdownRow& r : rows)
            out += TableCell(r.Name) + "\t" + Number(r.Min) + "\t" + Number(r.Max) + "\t" + Number(r.Total) +
                   "\t" + Number(r.Count) + "\n";
    }
    PrintOut(out);
    return ExitOk;
}
