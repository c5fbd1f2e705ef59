#include "stats/FigureList.h"

#include "stats/IslandFigures.h"

std::array<ShownFigureEntry, FigureCount> ShownFigures(const IslandStats& s)
{
    return {{
        {"人口", "Population", ShownFigure(s.Population)},
        {"面積", "Area", ShownFigure(s.Area)},
        {"資金増加量", "FundsIncrease", ShownFigure(s.FundsIncrease)},
        {"食料増加量", "FoodIncrease", ShownFigure(s.FoodIncrease)},
        {"農業", "Farming", ShownFigure(s.Farming)},
        {"工業", "Industry", ShownFigure(s.Industry)},
        {"採掘場", "Mine", 0},  // the window's box has no figure behind it
        {"労働者", "Workers", ShownFigure(s.Workers)},
        {"失業者", "Unemployed", ShownFigure(s.Unemployed)},
        {"ミサイル数", "Military", ShownFigure(s.Military)},
    }};
}
