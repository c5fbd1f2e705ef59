#include "settings/ShiftJisText.h"

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

bool ShiftJisCanEncode(const std::string& text)
{
    constexpr QStringConverter::Flags flags = QStringConverter::Flag::Stateless;
    QStringEncoder encoder("Shift_JIS", flags);
    const QByteArray bytes = encoder.encode(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    if (encoder.hasError()) return false;
    // Some characters map one way only; only an exact round trip is safe.
    QStringDecoder decoder("Shift_JIS", flags);
    const QString back = decoder.decode(bytes);
    return !decoder.hasError() && back.toStdString() == text;
}
