#pragma once
// A whole program run in a temporary folder: its own isplan.ini (the shipped
// one unless the test gives its own text) and a copy of the shipped Image/.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QStringEncoder>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/AppWindows.h"
#include "dialogs/Messages.h"
#include "document/File1.h"

// While it lives, answers every message box that comes up with the button
// of that text ("Escape" presses Escape) and notes each box's text.
class AnswerBoxes {
public:
    explicit AnswerBoxes(const QString& button)
    {
        QObject::connect(&timer, &QTimer::timeout, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            asked << box->windowTitle() + "|" + box->text();
            if (button == "Escape")
                return QTest::keyClick(box, Qt::Key_Escape);
            for (QAbstractButton* b : box->buttons())
                if (b->text().remove('&') == button)
                    return b->click();
            box->reject();
        });
        timer.start(5);
    }
    QStringList asked;

private:
    QTimer timer;
};

class TestApp {
public:
    // iniText: UTF-8 text written as Shift-JIS isplan.ini; empty = shipped file.
    explicit TestApp(const QByteArray& iniText = {}, const QStringList& args = {}, bool show = true)
    {
        const QString dir = folder.path();
        QDir().mkpath(dir + "/Image");
        const QDir images(QStringLiteral(ISPLN_DATA_DIR "/Image"));
        for (const QString& name : images.entryList(QDir::Files))
            QFile::copy(images.filePath(name), dir + "/Image/" + name);
        if (iniText.isEmpty())
            QFile::copy(QStringLiteral(ISPLN_DATA_DIR "/isplan.ini"), dir + "/isplan.ini");
        else
            WriteShiftJis(dir + "/isplan.ini", iniText);
        SetMessageSink([this](const QString& text) { messages << text; });
        windows = std::make_unique<AppWindows>(dir, args);
        if (show)
            Show();
    }
    ~TestApp()
    {
        windows.reset();
        SetMessageSink({});
    }

    void Show()
    {
        windows->Form1->show();
        QTest::qWaitForWindowExposed(windows->Form1.get(), 200);
    }

    static void WriteShiftJis(const QString& path, const QByteArray& utf8)
    {
        QStringEncoder encoder("Shift_JIS");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(encoder.encode(QString::fromUtf8(utf8)));
    }

    QString Path(const QString& name) const { return folder.path() + "/" + name; }
    TForm1& Form1() { return *windows->Form1; }
    TTileData& Doc() { return *windows->Form1->TileData; }

    QTemporaryDir folder;
    QStringList messages;
    std::unique_ptr<AppWindows> windows;
};
