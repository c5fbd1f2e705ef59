#pragma once
#include <QStringList>

// `ispln --help` and `ispln --version`: answered on standard output before
// anything needs a display. True when one was asked for (the program then
// ends with `status`).
bool AnswerInfoOptions(int argc, char* argv[], int& status);

// The program's identity on the desktop: the launcher it belongs to and
// its icon, for every window.
void SetDesktopIdentity();

// The map files named on the command line (or dropped together): the first
// one that is a file opens in this window, each further one in a program of
// its own. A name that is no file (missing, a folder, a FIFO, a device)
// opens nothing; with several names they are told together. One missing
// name alone starts the window as usual.
struct StartupFiles {
    QStringList Kept;        // for this window
    QStringList Further;     // each for a window of its own
    QStringList PassedOver;  // to be told
};
StartupFiles SortStartupFiles(const QStringList& args);
// Starts a program for each further file, placed apart from this window
// and from one another.
void OpenFurtherFilesApart(const QStringList& further);
// The file another window handed to this program, else `args`.
QStringList HandedOnFiles(QStringList args);
// How far down the cascade this window starts (0 for the first window).
int CascadeIndex();
QString PassedOverText(const QStringList& names);
