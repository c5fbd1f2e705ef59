#pragma once
#include <QObject>

struct DialogSet;
class FigureBoxes;
class MapFileDialogs;
class MapSession;
class PalettePanel;
class QStatusBar;
class StampTab;

// What the map commands reach: the session, the unsaved question, the
// palettes (and the window's flag that they are filled), the figures, the
// stamps' pictures and the status bar; `dialogs` as the window holds them.
struct MapCommandParts {
    MapSession& Session;
    MapFileDialogs& Files;
    PalettePanel& Lists;
    bool& ListsReady;
    FigureBoxes& Figures;
    StampTab& Stamps;
    QStatusBar* Status;
    const DialogSet& Dialogs;
};

// The commands that act on the whole map through a dialog: the catalogue
// editor, the map size, a new map, the system settings, the code converter,
// the figures and their breakdown.
class MapCommands : public QObject {
    Q_OBJECT
public:
    MapCommands(const MapCommandParts& parts, QObject* parent);

    void SpeedButton_aClick();  // "パネル設定"
    void SpeedButton_bClick();  // "サイズ変更"
    void SpeedButton_cClick();  // "System設定"
    void SpeedButton_dClick();  // "擬似ＭＡＰ"
    void SpeedButton_InClick();  // "自動入力"
    void SpeedButton_In2Click();  // "個別情報"
    // "新規" (Ctrl+N): after the unsaved question, an empty map of the size
    // the size dialog gives, with no file and no history.
    void NewMap();

signals:
    // The shown size may have changed: the window follows it if asked to.
    void mapSizeChanged();
    void historyChanged();

private:
    void ApplyCode(const QString& text);

    MapCommandParts p_;
};
