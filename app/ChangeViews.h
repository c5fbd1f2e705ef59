#pragma once
// The map picture and the palettes follow the session's change notice.
class MapRenderer;
class MapSession;
class Palette;

void ConnectViews(MapSession& session, MapRenderer& renderer, Palette& palette);
