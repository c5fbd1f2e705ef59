#include "dialogs/Messages.h"

#include <QMessageBox>

namespace {
MessageSink& Sink()
{
    static MessageSink sink;
    return sink;
}
}  // namespace

void SetMessageSink(MessageSink sink)
{
    Sink() = std::move(sink);
}

void ShowMessage(QWidget* parent, const QString& text)
{
    if (Sink()) {
        Sink()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("ISPLN"), text, QMessageBox::Ok, parent);
    box.exec();
}

void ShowError(QWidget* parent, const QString& text)
{
    if (Sink()) {
        Sink()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("ISPLN"), text, QMessageBox::Ok, parent);
    box.exec();
}
