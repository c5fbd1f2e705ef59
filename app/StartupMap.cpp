#include "app/StartupMap.h"

#include <QFile>

#include "app/MapFileDialogs.h"
#include "dialogs/Unit2.h"
#include "document/File1.h"
#include "files/MapFile.h"
#include "files/NativePath.h"
#include "session/MapSession.h"
#include "settings/Config.h"

StartupMapResult OpenStartupMap(const QStringList& args, MapSession& session, MapFileDialogs& files, TForm2* sizeDialog,
                                const bool& closed)
{
    const TTileData& doc = session.Doc();
    QString candidate;
    bool named = false;
    if (!args.isEmpty() && MapFilePresent(NativePath(args.constFirst()))) {
        candidate = args.constFirst();
        named = true;
    } else if (doc.Sys.Load) {
        if (MapFilePresent(doc.Sys.LoadFile))
            candidate = QString::fromStdString(doc.Sys.LoadFile);
        else
            files.TellMissing();
        if (closed)
            return StartupMapResult::Closed;
    }
    const bool loaded = !candidate.isEmpty() && files.Load(candidate, named);
    if (closed)
        return StartupMapResult::Closed;
    // No file gave the size: the stored size, or the size dialog.
    int lastRow = 0, lastColumn = 0;
    if (loaded || doc.Sys.MapSize || !sizeDialog) {
        if (!loaded)
            session.ChangeSettings(ApplyStoredMapSize);
    } else if (sizeDialog->AskSize(lastRow, lastColumn)) {
        session.ChangeSettings([=](TTileData& shown) {
            shown.SetLastY(lastRow);
            shown.SetLastX(lastColumn);
        });
    } else {
        return closed ? StartupMapResult::Closed : StartupMapResult::SizeCancelled;
    }
    return StartupMapResult::Ready;
}
