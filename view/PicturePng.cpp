#include "view/PicturePng.h"

#include <QFile>

#include "document/CheckedFile.h"
#include "view/PngEncoder.h"

bool SavePicturePng(const QImage& picture, const QString& path, QString* error)
{
    const std::string png = EncodePng(picture);
    if (png.empty()) {
        if (error)
            *error = QStringLiteral("there is no picture");
        return false;
    }
    std::string reason;
    if (WriteFileChecked(QFile::encodeName(path).toStdString(), png, &reason))
        return true;
    if (error)
        *error = QString::fromLocal8Bit(reason.c_str());
    return false;
}
