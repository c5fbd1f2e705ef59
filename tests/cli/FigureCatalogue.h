#pragma once
// A small catalogue whose figures are easy to follow, and a 4 x 3 map on it.
#include <QByteArray>

#include "CliHarness.h"
#include "TestCatalogue.h"

inline QByteArray FigureCatalogue(int food1 = 200, int gold = 1)
{
    TestCatalogue c;
    c.Masks = 1;
    c.Keys("Food1=" + QByteArray::number(food1) + "\nFood2=1000\nGold=" + QByteArray::number(gold));
    c.Add({.No = 0, .Bmp = "sea.bmp", .Name = "海"})
        .Add({.No = 1, .Bmp = "town.bmp", .Name = "町", .Type = 1, .Min = 100, .Count = 100, .Max = 9, .Land = true})
        .Add({.No = 2, .Bmp = "farm.bmp", .Name = "農場", .Type = 2, .Min = 100, .Count = 100, .Max = 9, .Land = true})
        .Add({.No = 3, .Bmp = "factory.bmp", .Name = "工場", .Type = 3, .Min = 100, .Count = 100, .Max = 9, .Land = true})
        .Add({.No = 7, .Bmp = "missile.bmp", .Name = "基地\"A\"\\B", .Type = 5, .Min = 1, .Count = 1, .Max = 9});
    return c.Ini();
}

// Population 1000, farming 300, industry 500, two missile bases worth 1 and
// 5, and a base in the hidden part of the grid that must not count.
inline MapFileInfo FigureMap()
{
    return MapOf(4, 3, {{0, 0, {1, 9, 0}},
                        {1, 0, {2, 2, 0}},
                        {2, 0, {3, 4, 0}},
                        {3, 0, {7, 0, 1}},
                        {0, 1, {7, 4, 0}},
                        {5, 5, {7, 9, 0}}});
}
