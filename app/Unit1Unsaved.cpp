// Unsaved changes: the caption, the question before they are lost, and the
// recovery copy that outlives a crash.
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>

#include "BuildInfo.h"
#include "dialogs/Messages.h"
#include "app/Unit1.h"
#include "files/MapFile.h"

namespace {

constexpr int RecoveryDelayMs = 30 * 1000;

// A recovery copy is never larger than the current layout.
bool IsMapFile(const QString& path)
{
    QFile file(path);
    if (!MapFilePresent(path.toStdString()) || !file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(static_cast<qint64>(CurrentMapFileSize));
    MapFileInfo info;
    return ReadMapBytes(std::string(head.constData(), static_cast<size_t>(head.size())), info);
}

bool SameFile(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

}  // namespace

bool TForm1::Modified() const
{
    return unsaved.Modified(TileData->BufList->GetIndex());
}

void TForm1::UpdateCaption()
{
    QString caption = QStringLiteral("ISPLN  Ver " ISPLN_CAPTION_VERSION);
    if (!openFile.isEmpty())
        caption += QStringLiteral(" - ") + QFileInfo(openFile).fileName();
    if (Modified())
        caption += QStringLiteral(" *");
    setWindowTitle(caption);
}

void TForm1::CellsChanged()
{
    UpdateCaption();
    SetFiguresStale(true);
    RecoveryTimer()->start();
}

QTimer* TForm1::RecoveryTimer()
{
    if (!recoveryTimer) {
        recoveryTimer = new QTimer(this);
        recoveryTimer->setSingleShot(true);
        recoveryTimer->setInterval(RecoveryDelayMs);
        connect(recoveryTimer, &QTimer::timeout, this, [this] {
            if (Modified())
                WriteRecovery();
            else
                RemoveRecovery();
        });
    }
    return recoveryTimer;
}

void TForm1::SetRecoveryDelay(int milliseconds)
{
    RecoveryTimer()->setInterval(milliseconds);
}

void TForm1::MarkSaved(const QString& path)
{
    openFile = path;
    lastFolder = QFileInfo(path).absolutePath();
    unsaved.MarkSaved(TileData->BufList->GetIndex());
    UpdateCaption();
}

void TForm1::SetFiguresStale(bool stale)
{
    for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10})
        edit->setEnabled(!stale);
}

bool TForm1::ConfirmDiscard()
{
    if (!Modified())
        return true;
    asking = true;
    bool goOn = false;
    switch (AskSaveChanges(this)) {
    case UnsavedAnswer::Save:
        goOn = SaveMap();
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

QString TForm1::RecoveryPath() const
{
    return QFileInfo(IniPath()).absolutePath() + QStringLiteral("/isplan-recovery.kpl");
}

void TForm1::WriteRecovery()
{
    // A map the user opened under this very name is theirs, not a copy.
    if (recoveryKept || !SettingsProblem.isEmpty() || SameFile(openFile, RecoveryPath()))
        return;
    TileData->SaveMapFile(RecoveryPath().toStdString());
}

void TForm1::RemoveRecovery()
{
    if (recoveryKept || SameFile(openFile, RecoveryPath()))
        return;
    QFile::remove(RecoveryPath());
}

void TForm1::RecoveryOnClose()
{
    if (recoveryTimer)
        recoveryTimer->stop();
    if (closingFromOutside && Modified())
        WriteRecovery();
    else
        RemoveRecovery();
}

bool TForm1::OfferRecovery()
{
    const QString path = RecoveryPath();
    if (!QFileInfo::exists(path))
        return false;
    if (!IsMapFile(path)) {
        // Not a map: nothing in it can be restored.
        if (QFileInfo(path).isFile())
            QFile::remove(path);
        return false;
    }
    switch (AskRestore(this)) {
    case RecoveryAnswer::Restore:
        break;
    case RecoveryAnswer::Discard:
        QFile::remove(path);
        return false;
    case RecoveryAnswer::Keep:
        recoveryKept = true;
        return false;
    }
    if (!TileData->LoadMapFile(path.toStdString()))
        return false;
    openFile.clear();
    unsaved.Rebuilt();
    UpdateCaption();
    return true;
}
