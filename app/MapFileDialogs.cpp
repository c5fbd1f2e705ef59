#include "app/MapFileDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "dialogs/Messages.h"
#include "files/MapFile.h"
#include "files/NativePath.h"
#include "session/MapSession.h"

namespace {

QString NotMapFileText()
{
    return QCoreApplication::translate("MapFileDialogs", "指定されたファイルはISPLNファイルではありませんでした。");
}
QString MissingFileText()
{
    return QCoreApplication::translate("MapFileDialogs", "指定されたファイルがありませんでした。");
}

// Qt's own dialog rather than the desktop's, so it looks and answers the
// same everywhere (tests included). It starts in `folder` (when given)
// with `name` typed in. An empty result means cancelled.
QString AskFile(QWidget* parent, const QString& title, QFileDialog::AcceptMode mode, const QStringList& filters,
                const QString& suffix, const QString& folder = {}, const QString& name = {})
{
    QFileDialog dialog(parent, title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    // Opening accepts a name that does not exist; nothing happens then.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffix);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    if (!name.isEmpty())
        dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

// The save and open dialogs of maps share everything but title and mode.
QString AskMapFile(QWidget* parent, QFileDialog::AcceptMode mode, const QString& folder, const QString& name = {})
{
    const QString title = mode == QFileDialog::AcceptSave
                              ? QCoreApplication::translate("MapFileDialogs", "Tidemark擬似Map 保存")
                              : QCoreApplication::translate("MapFileDialogs", "Tidemark擬似Map 読み込み");
    return AskFile(parent, title, mode,
                   {QCoreApplication::translate("MapFileDialogs", "Tidemark擬似Map (*.kpl)"),
                    QCoreApplication::translate("MapFileDialogs", "ALL (*.*)")},
                   QStringLiteral("kpl"), folder, name.isEmpty() ? QStringLiteral("*.kpl") : name);
}

}  // namespace

MapFileDialogs::MapFileDialogs(MapSession& session, QWidget* window)
    : QObject(window), session(session), window(window)
{
    connect(&session, &MapSession::fileChanged, this, [this](const QString& path) {
        if (!path.isEmpty())
            lastFolder = QFileInfo(path).absolutePath();
        restoredOverFile = false;
    });
    connect(&session, &MapSession::changedOnDisk, this, &MapFileDialogs::FollowChangeOnDisk);
}

void MapFileDialogs::FollowChangeOnDisk(const QString& path)
{
    // One question at a time: the file may change again while it is up.
    if (offeringReload)
        return;
    offeringReload = true;
    // Unsaved work is never replaced: the change is only shown until the next save.
    const bool reload = !session.Modified() && !asking && QFileInfo(path).isFile() &&
                        AskReloadChangedFile(window, QDir::toNativeSeparators(path));
    offeringReload = false;
    if (reload && path == session.FilePath() && !session.Modified()) {
        if (Load(path)) {
            emit openTried(false);
            return;
        }
    }
    session.MarkChangedOnDisk();
}

void MapFileDialogs::OpenFromDialog()
{
    // Asked before the dialog: cancelling keeps everything as it was.
    if (!ConfirmDiscard())
        return;
    const QString path = AskMapFile(window, QFileDialog::AcceptOpen, lastFolder);
    if (path.isEmpty())
        return;
    lastFolder = QFileInfo(path).absolutePath();
    OpenUnasked(path, true);
}

bool MapFileDialogs::Open(const QString& path)
{
    // A path that names no file does nothing, so there is nothing to ask.
    if (!MapFilePresent(NativePath(path)) || !ConfirmDiscard())
        return false;
    return OpenUnasked(path, true);
}

void MapFileDialogs::OpenRecent(const QString& path)
{
    // An entry taken off the list is named: the list may hold several
    // files of one name, and the user should know which one went.
    const QString shown = QDir::toNativeSeparators(path);
    if (!MapFilePresent(NativePath(path))) {
        ShowMessage(window, QCoreApplication::translate("MapFileDialogs", "%1 は見つかりません").arg(shown));
        session.ForgetRecent(path);
        return;
    }
    if (!ConfirmDiscard())
        return;
    const bool loaded = session.Load(path).Ok;
    emit openTried(true);
    if (!loaded) {
        ShowMessage(window, NotMapFileText() +
                                QCoreApplication::translate("MapFileDialogs", "\n%1 を一覧から外しました").arg(shown));
        session.ForgetRecent(path);
    }
}

void MapFileDialogs::OpenDropped(const QStringList& files)
{
    // A folder or a vanished file does nothing. The window keeps its size,
    // as it always has on a drop.
    if (files.isEmpty() || !MapFilePresent(NativePath(files.constFirst())) || !ConfirmDiscard())
        return;
    OpenUnasked(files.constFirst(), false);
}

bool MapFileDialogs::OpenUnasked(const QString& path, bool fitWindow)
{
    const bool loaded = MapFilePresent(NativePath(path)) && Load(path);
    emit openTried(fitWindow);
    return loaded;
}

bool MapFileDialogs::Load(const QString& path, bool namedFromOutside)
{
    const Result loaded = session.Load(path);
    if (!loaded.Ok)
        ShowMessage(
            window, NotMapFileText(),
            namedFromOutside ? QStringLiteral("%1: %2").arg(path, QString::fromStdString(loaded.Reason)) : QString());
    return loaded.Ok;
}

void MapFileDialogs::TellMissing()
{
    ShowMessage(window, MissingFileText());
}

QString MapFileDialogs::AskPicture()
{
    return AskFile(window, QCoreApplication::translate("MapFileDialogs", "Tidemark擬似Map 画像保存"),
                   QFileDialog::AcceptSave, {QCoreApplication::translate("MapFileDialogs", "PNG画像 (*.png)")},
                   QStringLiteral("png"));
}

bool MapFileDialogs::Save()
{
    const QString open = session.FilePath();
    return open.isEmpty() || restoredOverFile ? SaveAs() : SaveTo(open);
}

bool MapFileDialogs::SaveAs()
{
    const QFileInfo open(session.FilePath());
    const QString path = session.FilePath().isEmpty()
                             ? AskMapFile(window, QFileDialog::AcceptSave, lastFolder)
                             : AskMapFile(window, QFileDialog::AcceptSave, open.absolutePath(), open.fileName());
    return !path.isEmpty() && SaveTo(path);
}

bool MapFileDialogs::SaveTo(const QString& path)
{
    // Another window or program saved the open file since we read it: its
    // work would be lost without a word.
    const bool ontoOpenFile = !session.FilePath().isEmpty() &&
                              QFileInfo(path).absoluteFilePath() == QFileInfo(session.FilePath()).absoluteFilePath();
    if (ontoOpenFile && session.FileChangedOnDisk() &&
        !AskOverwriteChangedFile(window, QDir::toNativeSeparators(path)))
        return false;
    if (const Result saved = session.Save(path); !saved) {
        ShowError(window, QCoreApplication::translate("MapFileDialogs", "%1 に書き込めません: %2")
                              .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(saved.Reason.c_str())));
        return false;
    }
    restoredOverFile = false;
    return true;
}

bool MapFileDialogs::ConfirmDiscard()
{
    if (!session.Modified())
        return true;
    asking = true;
    bool goOn = false;
    switch (AskSaveChanges(window)) {
    case UnsavedAnswer::Save:
        goOn = Save();
        break;
    case UnsavedAnswer::Discard:
        goOn = true;
        break;
    case UnsavedAnswer::Cancel:
        break;
    }
    asking = false;
    return goOn;
}
