#include "view/PicturePng.h"

#include <QFile>

#include "filesystem/CheckedFile.h"
#include "view/PngEncoder.h"

bool SavePicturePng(const QImage& picture, const QString& path, QString* error)
{
    const std::string png = EncodePng(picture);
    if (png.empty()) {
        if (error)
            *error = QStringLiteral("there is no picture");
        return false;
    }
    const Result written = WriteFileChecked(QFile::encodeName(path).toStdString(), png);
    if (!written && error)
        *error = QString::fromLocal8Bit(written.Reason.c_str());
    return written.Ok;
}
