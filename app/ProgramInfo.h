#pragma once
#include <QStringList>

// `ispln --help` and `ispln --version`: answered on standard output before
// anything needs a display. True when one was asked for (the program then
// ends with `status`).
bool AnswerInfoOptions(int argc, char* argv[], int& status);

// The program's identity on the desktop: the launcher it belongs to and
// its icon, for every window.
void SetDesktopIdentity();

// The first map file opens in this window; each further one is handed to
// a program of its own, so that every file gets a window. Returns the
// arguments this window keeps.
QStringList OpenFurtherFilesApart(const QStringList& args);
