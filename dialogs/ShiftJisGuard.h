#pragma once
#include <QString>

class QLineEdit;

// isplan.ini is Shift-JIS: text it cannot hold is refused as it is typed,
// with a message naming the field, and the box keeps its last good text.
void RefuseTextShiftJisCannotHold(QLineEdit* edit, const QString& fieldName);
// The message shown for such text.
QString ShiftJisRefusalMessage(const QString& fieldName);
bool ShiftJisCanHold(const QString& text);
