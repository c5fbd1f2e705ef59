#include "files/Unit6.h"

#include <QCoreApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QToolButton>

#include "document/File1.h"
#include "widgets/FlatButton.h"

namespace {

// "Set" joins the lines without separators, so a large paste can be laid
// out again in lines of a fixed length without changing its meaning: one
// endless line, or a million short ones, would freeze the box for minutes.
class CodeBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void insertFromMimeData(const QMimeData* source) override
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
};

QPlainTextEdit* Memo(QPlainTextEdit* memo, QRect geometry)
{
    memo->setGeometry(geometry);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The code has no spaces; long runs must still wrap.
    memo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    return memo;
}

}  // namespace

TForm6::TForm6(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QCoreApplication::translate("Unit6", "擬似ＭＡＰ"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(254, 151);

    Label1 = new QLabel(QCoreApplication::translate("Unit6", "擬似ＭＡＰコード コンバーター"), this);
    Label1->move(2, 6);
    Label1->adjustSize();
    SpeedButton1 = FlatButton(this, QStringLiteral("Get"), QRect(168, 0, 41, 22));
    SpeedButton2 = FlatButton(this, QStringLiteral("Set"), QRect(212, 0, 41, 22));
    Memo1 = Memo(new CodeBox(this), QRect(0, 22, 254, 99));
    Label2 = new QLabel(QCoreApplication::translate("Unit6", "暫定バージョン"), this);
    QFont noteFont = Label2->font();
    noteFont.setPixelSize(19);
    Label2->setFont(noteFont);
    Label2->move(2, 128);
    Label2->adjustSize();
    SpeedButton3 = FlatButton(this, QCoreApplication::translate("Unit6", "コピー"), QRect(136, 125, 41, 24));
    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setGeometry(178, 124, 75, 25);
    Button1->setAutoDefault(false);
    Memo2 = Memo(new QPlainTextEdit(this), QRect(0, 152, 254, 133));

    connect(SpeedButton1, &QToolButton::clicked, this, &TForm6::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm6::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm6::SpeedButton3Click);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}


void TForm6::SpeedButton1Click()
{
    Memo2->clear();
    Memo1->clear();
    if (doc_)
        Memo1->appendPlainText(QString::fromStdString(doc_->EncodeMapCodeWithSize()));
}

void TForm6::SpeedButton2Click()
{
    // Line by line: Set drops the breaks anyway, and a large paste is not
    // copied once more as a whole.
    QString code;
    for (QTextBlock block = Memo1->document()->begin(); block.isValid(); block = block.next())
        code += block.text().remove(QChar::LineSeparator);
    emit setRequested(code);
}

void TForm6::ShowTrace(const std::vector<std::string>& trace)
{
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(trace.size()));
    for (const std::string& line : trace)
        lines << QString::fromStdString(line);
    Memo2->setPlainText(lines.join(QLatin1Char('\n')));
}

void TForm6::SpeedButton3Click()
{
    if (Memo1->toPlainText().isEmpty())
        SpeedButton1Click();
    QGuiApplication::clipboard()->setText(Memo1->toPlainText());
}
