#pragma once
// A whole program run in a temporary folder: its own isplan.ini (the shipped
// one unless the test gives its own text) and a copy of the shipped Image/.
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/AppWindows.h"
#include "dialogs/Messages.h"
#include "document/File1.h"

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
