#pragma once
#include <QIcon>

// Glyphs of the toolbar's icon buttons, drawn by the program.
namespace toolbar_icons {
QIcon Undo();
QIcon Redo();
QIcon ClearPanels();
QIcon ClearMasks();
QIcon ClearAll();
QIcon Lines();
// The painting tools.
QIcon ClickTool();
QIcon BrushTool();
QIcon LineTool();
QIcon RectTool();
QIcon FillTool();
QIcon SelectTool();
}  // namespace toolbar_icons
