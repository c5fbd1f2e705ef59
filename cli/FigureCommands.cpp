// stats and breakdown: the figures of the "情報" tab and of "個別情報".
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include "cli/Commands.h"
#include "cli/CliCommon.h"
#include "stats/Breakdown.h"
#include "cli/FigureJson.h"

namespace {

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

std::string JsonText(const QJsonDocument& json, QJsonDocument::JsonFormat format)
{
    const QByteArray text = json.toJson(format);
    return std::string(text.constData(), static_cast<size_t>(text.size())) +
           (format == QJsonDocument::Compact ? "\n" : "");
}

QJsonObject FiguresJson(const std::array<ShownFigureEntry, FigureCount>& figures)
{
    QJsonObject object;
    for (const ShownFigureEntry& f : figures)
        object.insert(QLatin1String(f.Key), qint64(f.Value));
    return object;
}

int RunStats(const Invocation& args, TTileData& doc)
{
    const std::string& path = args.Operands[0];
    const MapRead input = ReadMapInput(doc, path);
    if (!input.Status)
        return Fail(path + ": " + input.Status.Reason, ExitFailed);
    doc.ComputeStats();

    std::string out;
    if (args.Has("--json")) {
        out = JsonText(QJsonDocument(FiguresJson(ShownFigures(doc.Stats))), QJsonDocument::Compact);
    } else {
        for (const ShownFigureEntry& f : ShownFigures(doc.Stats))
            out += std::string(f.Label) + ": " + std::to_string(f.Value) + "\n";
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
        out = QCoreApplication::translate("FigureCommands", "パネル名\t最小値\t最大値\t合計\t個数\n").toStdString();
        for (const BreakdownRow& r : rows)
            out += TableCell(r.Name) + "\t" + Number(r.Min) + "\t" + Number(r.Max) + "\t" + Number(r.Total) +
                   "\t" + Number(r.Count) + "\n";
    }
    PrintOut(out);
    return ExitOk;
}
