#pragma once
#include <QPlainTextEdit>

// The converter's code box. "Set" joins the lines without separators, so a
// large paste can be laid out again in lines of a fixed length without
// changing its meaning: one endless line, or a million short ones, would
// freeze the box for minutes.
class CodeBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void insertFromMimeData(const QMimeData* source) override;
};
