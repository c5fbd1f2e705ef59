#include "app/RecoveryOffer.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "app/MainStatus.h"
#include "dialogs/Messages.h"
#include "session/RecoveryCopy.h"

bool OfferRecovery(QWidget* window, RecoveryCopy& recovery, MainStatus& status, const bool& closed)
{
    QStringList problems;
    QList<OrphanCopy> copies = recovery.Offered(&problems);
    status.ShowUnreadableCopies(problems);
    bool restored = false;
    while (!copies.isEmpty()) {
        QStringList lines;
        for (const OrphanCopy& copy : copies)
            lines << (copy.Source.isEmpty() ? QCoreApplication::translate("RecoveryOffer", "無題")
                                            : QFileInfo(copy.Source).fileName()) +
                         QStringLiteral("  ") + copy.Written.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
        const RecoveryAnswer answer = AskRestore(window, lines);
        // Closed from outside meanwhile: nothing of this run to lose, and
        // every copy stays for the next start.
        if (closed || answer == RecoveryAnswer::Keep)
            break;
        if (answer == RecoveryAnswer::Discard) {
            const OrphanCopy copy = copies.takeFirst();
            if (QString reason; !recovery.Discard(copy, &reason))
                ShowError(
                    window,
                    QCoreApplication::translate("RecoveryOffer", "%1 を削除できません: %2").arg(copy.Path, reason));
            continue;
        }
        const Result taken = recovery.Restore(copies.constFirst());
        if (!taken)
            ShowError(window, QCoreApplication::translate("RecoveryOffer", "復元できませんでした: ") +
                                  QString::fromLocal8Bit(taken.Reason.c_str()));
        restored = taken.Ok;
        break;
    }
    recovery.Keep();
    return restored;
}
