// Map files, the map size and the map picture.
#include <QCoreApplication>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

#include "app/MapFileDialogs.h"
#include "app/StartupMap.h"
#include "app/Unit1.h"
#include "dialogs/Messages.h"
#include "view/MapRenderer.h"
#include "view/PicturePng.h"

bool TForm1::SaveMap()
{
    return Files->Save();
}

bool TForm1::OpenMapFile(const QString& path)
{
    return Files->Open(path);
}

void TForm1::DropDst1FileDrop(const QStringList& files, QPoint)
{
    Files->OpenDropped(files);
}

void TForm1::FileOpenAtStart()
{
    switch (OpenStartupMap(args, *Session, *Files, Dialogs.Form2, closed)) {
    case StartupMapResult::Ready:
        FollowMapSize();
        break;
    case StartupMapResult::SizeCancelled:
        // Cancelling the size ends the program.
        startupClosed = true;
        close();
        break;
    case StartupMapResult::Closed:
        startupClosed = true;
        break;
    }
}

void TForm1::SpeedButton_PngClick()
{
    const QString path = Files->AskPicture();
    if (path.isEmpty())
        return;
    if (QString reason; !SavePicturePng(PictureToSave(), path, &reason))
        ShowError(this, QCoreApplication::translate("Unit1Files", "%1 に書き込めません: %2")
                            .arg(QDir::toNativeSeparators(path), reason));
}

QImage TForm1::PictureToSave() const
{
    // Exactly what Image1 shows at 100 %: header, ruler, tiles, masks and
    // outlines as they stand now.
    return Renderer->Picture();
}

void TForm1::CopyPicture()
{
    QGuiApplication::clipboard()->setImage(PictureToSave());
}
