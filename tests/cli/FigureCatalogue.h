#pragma once
// A small catalogue whose figures are easy to follow, and a 4 x 3 map on it.
#include <QByteArray>

#include "CliHarness.h"

inline QByteArray FigureCatalogue(int food1 = 200, int gold = 1)
{
    QByteArray text = "[System]\nMapSize=1\nMapY=12\nMapX=12\nWindow=0\nFood1=" + QByteArray::number(food1) +
                      "\nFood2=1000\nGold=" + QByteArray::number(gold) + "\n[Tile]\nMax=4\n";
    struct Entry {
        int No;
        const char* Name;
        const char* Bmp;
        int Type, Min, Count, Max, Land;
    };
    const Entry entries[] = {
        {0, "海", "sea.bmp", 0, 0, 0, 0, 0},
        {1, "町", "town.bmp", 1, 100, 100, 9, 1},
        {2, "農場", "farm.bmp", 2, 100, 100, 9, 1},
        {3, "工場", "factory.bmp", 3, 100, 100, 9, 1},
        {7, "基地\"A\"\\B", "missile.bmp", 5, 1, 1, 9, 0},
    };
    int i = 0;
    for (const Entry& e : entries) {
        text += "[" + QByteArray::number(i) + "]\nNo=" + QByteArray::number(e.No) + "\nName=" + e.Name +
                "\nBmp=" + e.Bmp + "\nType=" + QByteArray::number(e.Type) + "\nMin=" + QByteArray::number(e.Min) +
                "\nCount=" + QByteArray::number(e.Count) + "\nMax=" + QByteArray::number(e.Max) +
                "\nExt=\nLand=" + QByteArray::number(e.Land) + "\nCode=" + QByteArray::number(97 + i) + "\n";
        ++i;
    }
    text += "[Mask]\nMax=0\n[Mask0]\nNo=0\nName=印\nBmp=mask_mark.bmp\nType=0\n";
    return text;
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
