#include "dialogs/Messages.h"

#include <QCoreApplication>
#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <QPushButton>

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

void SendMessagesToStandardError(bool on)
{
    toStandardError = on;
}

void RejectOpenDialogs()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible())
            dialog->reject();
}

void SetMessageSink(MessageSink sink)
{
    Sink() = std::move(sink);
}

void ShowMessage(QWidget* parent, const QString& text)
{
    ShowMessage(parent, text, QString());
}

void ShowMessage(QWidget* parent, const QString& text, const QString& details)
{
    if (toStandardError && !Sink() && !details.isEmpty())
        return void(Divert(text + QLatin1Char(' ') + details));
    if (Divert(text))
        return;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("ISPLN"), text, QMessageBox::Ok, parent);
    box.setInformativeText(details);
    box.exec();
}

void ShowError(QWidget* parent, const QString& text)
{
    if (Divert(text))
        return;
    QMessageBox box(QMessageBox::Critical, QStringLiteral("ISPLN"), text, QMessageBox::Ok, parent);
    box.exec();
}

UnsavedAnswer AskSaveChanges(QWidget* parent)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("ISPLN"),
                    QCoreApplication::translate("Messages", "地図の変更が保存されていません。保存しますか？"),
                    QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(QCoreApplication::translate("Messages", "保存"), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(QCoreApplication::translate("Messages", "保存しない"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QCoreApplication::translate("Messages", "キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return UnsavedAnswer::Save;
    if (box.clickedButton() == discard)
        return UnsavedAnswer::Discard;
    return UnsavedAnswer::Cancel;
}

RecoveryAnswer AskRestore(QWidget* parent, const QStringList& copies)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("ISPLN"),
                    QCoreApplication::translate("Messages", "保存されていない地図が残っています。復元しますか？"),
                    QMessageBox::NoButton, parent);
    QStringList lines;
    for (const QString& copy : copies)
        lines << (lines.isEmpty() ? QStringLiteral("▶ ") : QStringLiteral("　 ")) + copy;
    if (copies.size() > 1)
        lines << QCoreApplication::translate("Messages", "(復元・破棄は ▶ の地図について)");
    box.setInformativeText(lines.join(QLatin1Char('\n')));
    QPushButton* restore = box.addButton(QCoreApplication::translate("Messages", "復元"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QCoreApplication::translate("Messages", "破棄"), QMessageBox::DestructiveRole);
    // Escape and the close box need a button to stand for them; an unseen
    // one means "not now", so the copy is kept.
    QPushButton* keep = box.addButton(QMessageBox::Cancel);
    keep->hide();
    box.setDefaultButton(restore);
    box.setEscapeButton(keep);
    box.exec();
    if (box.clickedButton() == restore)
        return RecoveryAnswer::Restore;
    if (box.clickedButton() == discard)
        return RecoveryAnswer::Discard;
    return RecoveryAnswer::Keep;
}

bool AskOverwriteCatalogue(QWidget* parent)
{
    const QString text = QCoreApplication::translate("Messages",
                                                     "isplan.ini のパネル設定は別のウィンドウでも変更されています。"
                                                     "このウィンドウの設定で上書きしますか？");
    if (Divert(text + QCoreApplication::translate("Messages", " (上書きしません)")))
        return false;
    QMessageBox box(QMessageBox::Question, QStringLiteral("ISPLN"), text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool AskKeepSharedCodes(QWidget* parent, const QStringList& lines)
{
    const QString text =
        lines.join(QLatin1Char('\n')) +
        QCoreApplication::translate("Messages", "\n\n同じコードの種類は擬似ＭＡＰの Set で一つの種類になります。");
    if (Divert(text + QCoreApplication::translate("Messages", " (このまま閉じます)")))
        return true;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("ISPLN"), text, QMessageBox::NoButton, parent);
    QPushButton* back = box.addButton(QCoreApplication::translate("Messages", "戻る"), QMessageBox::RejectRole);
    box.addButton(QCoreApplication::translate("Messages", "このまま"), QMessageBox::AcceptRole);
    box.setDefaultButton(back);
    box.exec();
    return box.clickedButton() != back;
}

namespace {

bool AskYesNo(QWidget* parent, const QString& text, QMessageBox::StandardButton byDefault, const QString& unanswered)
{
    if (Divert(text + unanswered))
        return false;
    QMessageBox box(QMessageBox::Question, QStringLiteral("ISPLN"), text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(byDefault);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace

bool AskOverwriteChangedFile(QWidget* parent, const QString& path)
{
    return AskYesNo(parent,
                    QCoreApplication::translate("Messages", "%1 は他で変更されています。上書きしますか？").arg(path),
                    QMessageBox::No, QCoreApplication::translate("Messages", " (上書きしません)"));
}

bool AskReloadChangedFile(QWidget* parent, const QString& path)
{
    return AskYesNo(parent,
                    QCoreApplication::translate("Messages", "%1 は他で変更されました。読み込み直しますか？").arg(path),
                    QMessageBox::Yes, QCoreApplication::translate("Messages", " (読み込み直しません)"));
}
