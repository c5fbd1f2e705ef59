// Map files, the picture export and the map size.
#include "app/Unit1.h"

void TForm1::SpeedButton_SaveClick() {}
void TForm1::SpeedButton_LoadClick() {}
void TForm1::SpeedButton_PngClick() {}
void TForm1::DropDst1FileDrop(const QStringList&, QPoint) {}
void TForm1::SpeedButton_bClick() {}

void TForm1::FileOpenAtStart()
{
    TTileData& doc = *TileData;
    doc.SetLastY(doc.Sys.MapY - 1);
    doc.SetLastX(doc.Sys.MapX - 1);
    if (doc.Sys.Window)
        FitWindowToMap(doc.LastY, doc.LastX);
    doc.RedrawMap();
}
