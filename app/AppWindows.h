#pragma once
#include <QStringList>
#include <memory>

#include "app/Unit1.h"
#include "dialogs/Unit2.h"
#include "dialogs/Unit3.h"
#include "dialogs/Unit4.h"
#include "files/Unit6.h"
#include "stats/Unit5.h"

// The six windows of a run, created in the program's order and kept until
// the end: main window, catalogue editor, breakdown, size dialog, system
// settings, code converter.
struct AppWindows {
    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TForm3> Form3;
    std::unique_ptr<TForm5> Form5;
    std::unique_ptr<TForm2> Form2;
    std::unique_ptr<TForm4> Form4;
    std::unique_ptr<TForm6> Form6;

    AppWindows(const QString& exeDir, const QStringList& args);
    ~AppWindows();
};
