#pragma once
#include <QStringList>

class MapFileDialogs;
class MapSession;
class TForm2;

enum class StartupMapResult { Ready, SizeCancelled, Closed };

// The map a start without a restored copy shows: the file the first
// argument names, else the file the settings name, else an empty map of
// the stored size or of the size `sizeDialog` gives. `closed` turns true
// when the window is closed from outside while a message or dialog is up:
// start-up then goes no further.
StartupMapResult OpenStartupMap(const QStringList& args, MapSession& session, MapFileDialogs& files, TForm2* sizeDialog,
                                const bool& closed);
