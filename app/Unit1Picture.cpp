// Saving the map picture.
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QFileDialog>

#include "dialogs/Messages.h"
#include "app/Unit1.h"
#include "view/MapRenderer.h"
#include "view/PicturePng.h"

namespace {

// Qt's own dialog rather than the desktop's, so it looks and answers the
// same everywhere (tests included). An empty result means cancelled.
QString AskPictureFile(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Tidemark擬似Map 画像保存"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PNG画像 (*.png)"));
    dialog.setDefaultSuffix(QStringLiteral("png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void TForm1::SpeedButton_PngClick()
{
    const QString path = AskPictureFile(this);
    if (path.isEmpty())
        return;
    if (!SavePicturePng(PictureToSave(), path))
        ShowError(this, QStringLiteral("%1 に書き込めません").arg(QDir::toNativeSeparators(path)));
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
