#include "app/ChangeViews.h"

#include "app/Palette.h"
#include "session/MapSession.h"
#include "view/MapRenderer.h"

void ConnectViews(MapSession& session, MapRenderer& renderer, Palette& palette)
{
    QObject::connect(&session, &MapSession::changed, &renderer, &MapRenderer::Show);
    QObject::connect(&session, &MapSession::changed, &palette, [&palette, &session](const MapChange& change) {
        if (change.Catalogue)
            palette.Show(session.Doc());
    });
}
