#pragma once
// isplan.ini as one main window uses it: read at start, and on close only
// this window's own changes written back, so another window's stay.
#include <QString>

#include "settings/Config.h"

class QWidget;
class RecentFiles;
class TTileData;

class WindowSettings {
public:
    WindowSettings(const QString& iniPath, QWidget* window);

    // False when the file exists but cannot be read: told on the window,
    // and then the defaults apply and the file is never written.
    bool ReadFile(IniFile& ini);
    // What was read into the document, the recent files and `prefs`.
    void Apply(const IniFile& ini, TTileData& doc, RecentFiles& recent, WindowPrefs& prefs);
    // Writes back what changed since Apply; false when the file could not be
    // written (told on the window, with the reason).
    bool Write(const TTileData& doc, RecentFiles& recent, const WindowPrefs& prefs);

private:
    static constexpr int kLockWaitMs = 5000;
    QString iniPath;
    QWidget* window;
    bool unreadable = false;
    ConfigData startConfig;
};
