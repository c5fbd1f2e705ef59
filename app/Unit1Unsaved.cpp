// Unsaved changes: the caption, the question before they are lost, and the
// restore question for a recovery copy an earlier run left.
#include <QFileInfo>
#include <QLineEdit>

#include "dialogs/Messages.h"
#include "app/Unit1.h"
#include "files/MapFile.h"
#include "session/RecoveryCopy.h"

void TForm1::UpdateCaption()
{
    QString caption = QStringLiteral("ISPLN  Ver 1.00");
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
    RecoveryCopy& copy = Session->Recovery();
    const MapRead offered = copy.Offered();
    if (!offered.Status)
        return false;
    switch (AskRestore(this)) {
    case RecoveryAnswer::Restore:
        Session->Restore(offered.Map);
        return true;
    case RecoveryAnswer::Discard:
        copy.Remove();
        return false;
    case RecoveryAnswer::Keep:
        copy.Keep();
        return false;
    }
    return false;
}
