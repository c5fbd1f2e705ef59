#include "dialogs/ShiftJisGuard.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <memory>

#include "dialogs/Messages.h"
#include "settings/ShiftJisText.h"

bool ShiftJisCanHold(const QString& text)
{
    return ShiftJisCanEncode(text.toStdString());
}

QString ShiftJisRefusalMessage(const QString& fieldName)
{
    return QCoreApplication::translate("ShiftJisGuard", "%1にShift-JISで表せない文字は使えません。").arg(fieldName);
}

void RefuseTextShiftJisCannotHold(QLineEdit* edit, const QString& fieldName)
{
    auto lastGood = std::make_shared<QString>(edit->text());
    // Text set by the program counts as good when it can be held.
    QObject::connect(edit, &QLineEdit::textChanged, edit, [lastGood](const QString& text) {
        if (ShiftJisCanHold(text))
            *lastGood = text;
    });
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, fieldName, lastGood](const QString& text) {
        if (ShiftJisCanHold(text))
            return;
        const int cursor = edit->cursorPosition() - static_cast<int>(text.size() - lastGood->size());
        edit->setText(*lastGood);
        edit->setCursorPosition(std::max(0, cursor));
        ShowMessage(edit->window(), ShiftJisRefusalMessage(fieldName));
    });
}
