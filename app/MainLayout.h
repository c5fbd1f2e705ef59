#pragma once

class TForm1;

// Creates the main window's widgets: toolbar, map view, side tabs and
// status bar, each button showing its action or calling its handler.
void BuildMainLayout(TForm1& window);
