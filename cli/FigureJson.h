#pragma once
// JSON output shared by the figure commands.
#include <QJsonDocument>
#include <QJsonObject>
#include <string>

#include "stats/FigureList.h"

// The document as text; a compact one ends in a line break.
std::string JsonText(const QJsonDocument& json, QJsonDocument::JsonFormat format);
// The ten figures under the keys of `stats --json`.
QJsonObject FiguresJson(const std::array<ShownFigureEntry, FigureCount>& figures);
