#pragma once
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>
#include <vector>

#include "app/MapPicture.h"
#include "view/PaintTools.h"
#include "view/ToolPreview.h"

class QAction;
class QCheckBox;
class QLabel;
class QSpinBox;
struct MainActions;
class QStatusBar;
class QToolBar;
class QToolButton;

// The painting tools in the window: their toolbar buttons and keys, the
// mouse on the map while a tool other than the click tool is chosen, the
// preview over the map, the block clipboard and the tool's status panel.
// Changes to the map leave as signals; the owner records them.
class MapTools : public QObject, public MapOverlay {
    Q_OBJECT
public:
    // The buttons go into `toolbar` from x = `left` on, as far as the
    // toolbar's width allows; the rest wait behind the extension button,
    // which a narrow window keeps at its right edge. The actions carry the
    // keys.
    MapTools(const TTileData& doc, MapRenderer& renderer, MapPicture* picture, QWidget* toolbar, int left,
             QStatusBar* bar, const MainActions& actions);

    PaintTool Tool() const { return tools_.Tool(); }
    bool Floating() const { return tools_.Floating(); }
    void SetTool(PaintTool tool);

    // Mouse events on the map at picture pixels; false when the click tool
    // (or the middle button) is the one to handle the press.
    bool MouseDown(Qt::MouseButton button, int px, int py);
    void MouseMove(int px, int py);
    void MouseUp(Qt::MouseButton button, int px, int py);

    // A drag stops where it is: its operation was ended (an undo, a dialog).
    void EndDrag();
    bool Dragging() const { return tools_.Dragging(); }

    // The keys' actions.
    void Escape();
    void CopySelection();
    void CutSelection();
    void DeleteSelection();
    void PasteBlock();
    // Z, Shift+Z, X, Y: the floating block turned or mirrored where it
    // hangs, else the selection in place as one change.
    void Reshape(map_shapes::Reshape how);
    // A block (a stamp) floats under the pointer until placed or put away.
    void Float(const map_shapes::Block& block);
    // The selection as a block, for a stamp; empty without one.
    map_shapes::Block SelectionBlock() const;

    void PaintOverlay(QPainter& painter, const QRect& viewRect, int zoom) override;

    // The level box under the palette's preview: it shows and sets the
    // painting tools' level, 0 .. the active panel's Max.
    void AttachLevelBox(QSpinBox* box);
    // The palette's choice changed: the level keeps within the new panel.
    void ActivePanelChanged();
    int Level() const { return tools_.Level(); }
    // "数値表示": the counters drawn over the map, in the view only.
    bool ShowValues() const { return showValues_; }
    void SetShowValues(bool on);

    QToolBar* Bar = nullptr;
    QToolButton* Buttons[6] = {};  // in the order of PaintTool
    QLabel* StatusTool = nullptr;
    QCheckBox* ValuesBox = nullptr;  // "数値表示"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // Changes of the mouse's operation (the press's), one undo step with
    // the rest of it.
    void editsReady(const std::vector<CellEdit>& edits);
    // A key's change: a step of its own, whatever the mouse is doing.
    void stepReady(const std::vector<CellEdit>& edits);
    // A brush press and release on one cell: the click tool's edit there.
    void clickRequested(Qt::MouseButton button, int px, int py);

private:
    void Act(const PaintTools::Action& action, Qt::MouseButton button, int px, int py);
    void Refresh();
    void PlaceBar();
    void ConnectActions(const MainActions& actions);
    void KeysFollowFocus(QWidget* focus);
    PaintTools::Cell CellAt(int px, int py, bool& valid);
    void SetLevel(int level);
    void ChangeCounters(PaintTools::CounterChange change);

    const TTileData& doc_;
    QWidget* toolbar_;
    int left_;
    MapPicture* picture_;
    PaintTools tools_;
    ToolPreview preview_;
    QAction* toolActions_[6] = {};
    QList<QAction*> counterActions_;
    QAction* showValuesAction_ = nullptr;
    QSpinBox* levelBox_ = nullptr;
    bool showValues_ = false;
    // Given up while a text box has focus. Guarded: focus still moves while
    // the window takes its children, the actions among them, down.
    std::vector<std::pair<QPointer<QAction>, QList<QKeySequence>>> keys_;
};
