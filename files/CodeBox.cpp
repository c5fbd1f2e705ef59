#include "files/CodeBox.h"

#include <QMimeData>

void CodeBox::insertFromMimeData(const QMimeData* source)
{
    constexpr qsizetype Small = 4096, LineLength = 1024;
    if (!source->hasText() || source->text().size() <= Small) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QString text = source->text();
    text.removeIf([](QChar c) { return c == u'\n' || c == u'\r'; });
    QString lines;
    lines.reserve(text.size() + text.size() / LineLength + 1);
    for (qsizetype at = 0; at < text.size(); at += LineLength) {
        if (at > 0)
            lines += u'\n';
        lines += QStringView(text).mid(at, LineLength);
    }
    text.clear();
    textCursor().insertText(lines);
    ensureCursorVisible();
}
