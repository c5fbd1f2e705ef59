#pragma once
// isplan.ini texts for widget tests.
#include <QByteArray>
#include <QString>

// A catalogue of `panels` panel kinds (No i, tile sea.bmp / plains.bmp /
// town.bmp in turn, or `missing.bmp` for indexes in missingFrom..) and the
// shipped masks, shown 12 x 12.
inline QByteArray CatalogueText(int panels, int missingFrom = 1 << 30, const char* system = nullptr)
{
    QByteArray text = system ? QByteArray(system)
                             : QByteArray("[System]\nMapSize=1\nMapY=12\nMapX=12\nWindow=0\n");
    text += "[Tile]\nMax=" + QByteArray::number(panels - 1) + "\n";
    const char* bitmaps[] = {"sea.bmp", "plains.bmp", "town.bmp"};
    for (int i = 0; i < panels; ++i) {
        text += "[" + QByteArray::number(i) + "]\nNo=" + QByteArray::number(i) + "\nName=パネル" +
                QByteArray::number(i) + "\nBmp=" + (i >= missingFrom ? "missing.bmp" : bitmaps[i % 3]) +
                "\nType=1\nMin=10\nCount=5\nMax=3\nExt=人\nLand=1\nCode=" + QByteArray::number(97 + i % 26) +
                "\n";
    }
    text += "[Mask]\nMax=2\n"
            "[Mask0]\nNo=0\nName=印\nBmp=mask_mark.bmp\nType=0\n"
            "[Mask1]\nNo=1\nName=範囲1\nBmp=mask_area1.bmp\nType=1\n"
            "[Mask2]\nNo=2\nName=範囲2\nBmp=mask_area2.bmp\nType=2\n";
    return text;
}
