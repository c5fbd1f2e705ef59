#include "dialogs/CataloguePictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "dialogs/CatalogueEditor.h"

namespace {

bool SameContent(const QString& a, const QString& b)
{
    QFile fa(a), fb(b);
    if (fa.size() != fb.size() || !fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly))
        return false;
    return fa.readAll() == fb.readAll();
}

bool InFolder(const QString& path, const QString& folder)
{
    const QString parent = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    return !parent.isEmpty() && parent == QFileInfo(folder).canonicalFilePath();
}

// Copies a picture into the folder under its own name, or the first free
// "name_n" when another file already has it; a file there with the same
// content is used as it is. Empty when nothing could be copied.
QString CopyIntoFolder(const QString& source, const QString& folder)
{
    const QFileInfo info(source);
    if (!info.isFile() || !QDir().mkpath(folder))
        return {};
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    for (int n = 1; n < 1000; ++n) {
        const QString name =
            n == 1 ? info.fileName() : QStringLiteral("%1_%2%3").arg(info.completeBaseName()).arg(n).arg(suffix);
        const QString target = QDir(folder).filePath(name);
        if (!QFileInfo::exists(target))
            return QFile::copy(source, target) ? target : QString();
        if (SameContent(source, target))
            return target;
    }
    return {};
}

}  // namespace

std::vector<PictureCopy> CopyPicturesIntoFolder(CatalogueEditor& work, const std::vector<std::string>& openedBmp,
                                                const QString& folder)
{
    std::vector<PictureCopy> touched;
    for (int i = 0; i < work.WorkCount; ++i) {
        TTileList e = work.WorkTile[i];
        const int origin = work.Origin[i];
        const std::string previous = origin >= 0 && origin < int(openedBmp.size()) ? openedBmp[origin] : std::string();
        if (e.Bmp.empty() || e.Bmp == previous || InFolder(QString::fromStdString(e.Bmp), folder))
            continue;
        const QString copy = CopyIntoFolder(QString::fromStdString(e.Bmp), folder);
        touched.push_back({i, e.Bmp, !copy.isEmpty()});
        e.Bmp = copy.isEmpty() ? previous : copy.toStdString();
        work.Replace(i, e);
    }
    return touched;
}
