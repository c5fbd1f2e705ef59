#include "stats/FigureList.h"

#include <QCoreApplication>

#include "stats/IslandFigures.h"

namespace {

std::string Label(const char* japanese)
{
    return QCoreApplication::translate("FigureList", japanese).toStdString();
}

}  // namespace

std::array<ShownFigureEntry, FigureCount> ShownFigures(const IslandStats& s)
{
    return {{
        {Label(QT_TRANSLATE_NOOP("FigureList", "人口")), "Population", ShownFigure(s.Population)},
        {Label(QT_TRANSLATE_NOOP("FigureList", "面積")), "Area", ShownFigure(s.Area)},
        {Label(QT_TRANSLATE_NOOP("FigureList", "資金増加量")), "FundsIncrease", ShownFigure(s.FundsIncrease)},
        {Label(QT_TRANSLATE_NOOP("FigureList", "食料増加量")), "FoodIncrease", ShownFigure(s.FoodIncrease)},
        {Label(QT_TRANSLATE_NOOP("FigureList", "農業")), "Farming", ShownFigure(s.Farming)},
        {Label(QT_TRANSLATE_NOOP("FigureList", "工業")), "Industry", ShownFigure(s.Industry)},
        {Label(QT_TRANSLATE_NOOP("FigureList", "採掘場")), "Mine", 0},  // the window's box has no figure behind it
        {Label(QT_TRANSLATE_NOOP("FigureList", "労働者")), "Workers", ShownFigure(s.Workers)},
        {Label(QT_TRANSLATE_NOOP("FigureList", "失業者")), "Unemployed", ShownFigure(s.Unemployed)},
        {Label(QT_TRANSLATE_NOOP("FigureList", "ミサイル数")), "Military", ShownFigure(s.Military)},
    }};
}
