#pragma once
#include <QImage>
#include <QString>

// Writes the picture as a PNG file through WriteFileChecked, so a failed
// write leaves any previous file whole.
// On failure `error` (when given) receives the system's reason.
bool SavePicturePng(const QImage& picture, const QString& path, QString* error = nullptr);
