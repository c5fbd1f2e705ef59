#include "app/AppWindows.h"

AppWindows::AppWindows(const QString& exeDir, const QStringList& args)
{
    Form1 = std::make_unique<TForm1>(exeDir, args);
    Form3 = std::make_unique<TForm3>(Form1.get());
    Form5 = std::make_unique<TForm5>(Form1.get());
    Form2 = std::make_unique<TForm2>(Form1.get());
    Form4 = std::make_unique<TForm4>(Form1.get());
    Form6 = std::make_unique<TForm6>(Form1.get());
    Form1->SetDialogs({Form3.get(), Form5.get(), Form2.get(), Form4.get(), Form6.get()});
}

AppWindows::~AppWindows()
{
    // Dialogs are children of the main window; release them first.
    Form6.reset();
    Form4.reset();
    Form2.reset();
    Form5.reset();
    Form3.reset();
    Form1.reset();
}
