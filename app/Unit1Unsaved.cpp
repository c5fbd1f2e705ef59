// Unsaved changes: the caption, the question before they are lost, and the
// restore question for a recovery copy an earlier run left.
#include <QFileInfo>
#include <QLineEdit>
#include <QStatusBar>

#include "BuildInfo.h"
#include "dialogs/Messages.h"
#include "app/Unit1.h"
#include "files/MapFile.h"
#include "session/RecoveryCopy.h"

void TForm1::UpdateCaption()
{
    QString caption = QStringLiteral("ISPLN  Ver " ISPLN_CAPTION_VERSION);
    if (!OpenFile().isEmpty())
        caption += QStringLiteral(" - ") + QFileInfo(OpenFile()).fileName();
    if (Modified())
        caption += QStringLiteral(" *");
    setWindowTitle(caption);
}

void TForm1::SetRecoveryDelay(int milliseconds)
{
    Session->Recovery().SetDelay(milliseconds);
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
    return Session->Recovery().Path();
}

bool TForm1::OfferRecovery()
{
    RecoveryCopy& recovery = Session->Recovery();
    QStringList problems;
    QList<OrphanCopy> copies = recovery.Offered(&problems);
    if (!problems.isEmpty())
        StatusBar1->showMessage(QStringLiteral("復元用ファイルを読み込めません: ") + problems.join(QStringLiteral("; ")));
    bool restored = false;
    while (!copies.isEmpty()) {
        QStringList lines;
        for (const OrphanCopy& copy : copies)
            lines << (copy.Source.isEmpty() ? QStringLiteral("無題") : QFileInfo(copy.Source).fileName()) +
                         QStringLiteral("  ") + copy.Written.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
        const RecoveryAnswer answer = AskRestore(this, lines);
        // Closed from outside meanwhile: nothing of this run to lose, and
        // every copy stays for the next start.
        if (closed || answer == RecoveryAnswer::Keep)
            break;
        if (answer == RecoveryAnswer::Discard) {
            recovery.Discard(copies.takeFirst());
            continue;
        }
        const Result taken = recovery.Restore(copies.constFirst());
        if (!taken)
            ShowError(this, QStringLiteral("復元できませんでした: ") + QString::fromLocal8Bit(taken.Reason.c_str()));
        restored = taken.Ok;
        // Ctrl+S asks before writing over a file that may have changed since.
        restoredOverFile = restored && !OpenFile().isEmpty();
        break;
    }
    recovery.Keep();
    return restored;
}
