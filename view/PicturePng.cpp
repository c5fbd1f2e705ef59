#include "view/PicturePng.h"

#include <QSaveFile>

#include "view/PngEncoder.h"

bool SavePicturePng(const QImage& picture, const QString& path, QString* error)
{
    const std::string png = EncodePng(picture);
    if (png.empty()) {
        if (error)
            *error = QStringLiteral("there is no picture");
        return false;
    }
    QSaveFile file(path);
    const auto size = static_cast<qint64>(png.size());
    if (!file.open(QIODevice::WriteOnly) || file.write(png.data(), size) != size || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;  // QSaveFile drops its temporary file itself
    }
    return true;
}
