#include "view/PicturePng.h"

#include <QSaveFile>

bool SavePicturePng(const QImage& picture, const QString& path, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (!picture.save(&file, "PNG")) {
        if (error)
            *error = file.error() != QFileDevice::NoError ? file.errorString()
                                                          : QStringLiteral("the picture could not be encoded");
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}
