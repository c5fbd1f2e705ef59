#pragma once
// A whole program run in a temporary folder: its own isplan.ini (the shipped
// one unless the test gives its own text) and a copy of the shipped Image/.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

#include "TestCatalogue.h"
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

// A window's control by its object name, as the window's form names it.
template <class T>
T* Control(const QObject& window, const char* name)
{
    T* control = window.findChild<T*>(QString::fromLatin1(name));
    if (!control)
        ADD_FAILURE() << "no control " << name;
    return control;
}

class TestApp {
public:
    // iniText: UTF-8 text written as Shift-JIS isplan.ini; empty = shipped file.
    explicit TestApp(const QByteArray& iniText = {}, const QStringList& args = {}, bool show = true)
    {
        MakeProgramFolder(folder.path(), iniText);
        SetMessageSink([this](const QString& text) { messages << text; });
        windows = std::make_unique<AppWindows>(folder.path(), args);
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
        // Offscreen windows need not report exposure; the wait only lets them settle.
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(windows->Form1.get(), 200);
    }

    QString Path(const QString& name) const { return folder.path() + "/" + name; }
    TForm1& Form1() { return *windows->Form1; }
    TTileData& Doc() { return *windows->Form1->TileData; }

    QTemporaryDir folder;
    QStringList messages;
    std::unique_ptr<AppWindows> windows;
};
