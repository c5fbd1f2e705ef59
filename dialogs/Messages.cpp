#include "dialogs/Messages.h"

#include <QMessageBox>
#include <cstdio>

namespace {
MessageSink& Sink()
{
    static MessageSink sink;
    return sink;
}

bool toStandardError = false;

// True when the text was taken by the sink or standard error.
bool Divert(const QString& text)
{
    if (Sink()) {
        Sink()(text);
        return true;
    }
    if (toStandardError)
        std::fprintf(stderr, "ispln: %s\n", text.toLocal8Bit().constData());
    return toStandardError;
}
}  // namespace

void SendMessagesToStandardError()
{
    toStandardError = true;
}

void SetMessageSink(MessageSink sink)
{
    Sink() = std::move(sink);
}

void ShowMessage(QWidget* parent, const QString& text)
{
    if (Divert(text))
        return;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("ISPLN"), text, QMessageBox::Ok, parent);
    box.exec();
}

void ShowError(QWidget* parent, const QString& text)
{
    if (Divert(text))
        return;
    QMessageBox box(QMessageBox::Critical, QStringLiteral("ISPLN"), text, QMessageBox::Ok, parent);
    box.exec();
}
