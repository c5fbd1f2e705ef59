#include "app/WindowSettings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>

#include "dialogs/Messages.h"
#include "document/File1.h"
#include "settings/RecentFiles.h"

WindowSettings::WindowSettings(const QString& iniPath, QWidget* window) : iniPath(iniPath), window(window) {}

bool WindowSettings::ReadFile(IniFile& ini)
{
    if (ini.Load(iniPath.toStdString()) || !QFileInfo::exists(iniPath))
        return true;
    // Start with the defaults; the file is not ours to overwrite.
    unreadable = true;
    ShowError(window, QCoreApplication::translate("WindowSettings", "%1 を読み込めません").arg(iniPath));
    return false;
}

void WindowSettings::Apply(const IniFile& ini, TTileData& doc, RecentFiles& recent, WindowPrefs& prefs)
{
    startConfig = ReadConfig(ini, doc.ExePath);
    ApplyConfig(startConfig, doc);
    prefs = startConfig.View;
    recent.Read(ini);
}

bool WindowSettings::Write(const TTileData& doc, RecentFiles& recent, const WindowPrefs& prefs)
{
    if (unreadable)
        return true;
    // Rewrite the file we read so that keys we do not own stay as they were;
    // one that can no longer be read is not overwritten.
    const std::string path = iniPath.toStdString();
    // Windows closing together (a logout ends them all) take turns, so no
    // window's merge is lost under another's write.
    QLockFile lock(iniPath + QStringLiteral(".lock"));
    lock.setStaleLockTime(kLockWaitMs * 4);
    IniFile ini;
    Result done = lock.tryLock(kLockWaitMs) ? ini.Load(path)
                                            : Result::Failure("another window kept the file locked");
    if (done || (lock.isLocked() && !QFileInfo::exists(iniPath))) {
        // Another window may have written the file since this one read it.
        // The language is the file's alone: no window changes it.
        WindowPrefs view = prefs;
        view.Language = startConfig.View.Language;
        if (WriteConfigChanges(ini, startConfig, doc, view, doc.ExePath, false).Any() && AskOverwriteCatalogue(window))
            WriteConfigChanges(ini, startConfig, doc, view, doc.ExePath, true);
        RecentFiles onDisk;
        onDisk.Read(ini);
        recent.MergeSession(onDisk);
        recent.Write(ini);
        done = ini.Save(path);
        if (done)
            return true;
    }
    // The user is never trapped in a window that cannot close: tell, then end.
    ShowError(window, QCoreApplication::translate("WindowSettings", "%1 に書き込めません").arg(iniPath) +
                          QStringLiteral(": ") + QString::fromLocal8Bit(done.Reason.c_str()));
    return false;
}
