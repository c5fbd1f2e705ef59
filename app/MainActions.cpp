#include "app/MainActions.h"

#include <QAbstractButton>
#include <QAction>
#include <QWidget>

namespace {

// The platform's keys for a command, plus the ones players know from
// earlier versions.
QList<QKeySequence> Keys(QKeySequence::StandardKey standard, const QList<QKeySequence>& also = {})
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    for (const QKeySequence& key : also)
        if (!keys.contains(key))
            keys << key;
    return keys;
}

QAction* Command(QWidget* window, const QString& name, const QList<QKeySequence>& keys = {})
{
    auto* action = new QAction(window);
    action->setObjectName(name);
    action->setShortcuts(keys);
    window->addAction(action);
    return action;
}

}  // namespace

MainActions CreateMainActions(QWidget* window)
{
    MainActions a;
    a.Undo = Command(window, QStringLiteral("undo"), Keys(QKeySequence::Undo, {Qt::CTRL | Qt::Key_Z}));
    a.Redo = Command(window, QStringLiteral("redo"),
                     Keys(QKeySequence::Redo, {Qt::CTRL | Qt::Key_Y, Qt::CTRL | Qt::SHIFT | Qt::Key_Z}));
    a.Save = Command(window, QStringLiteral("save"), Keys(QKeySequence::Save, {Qt::CTRL | Qt::Key_S}));
    a.SaveAs = Command(window, QStringLiteral("saveAs"),
                       Keys(QKeySequence::SaveAs, {Qt::CTRL | Qt::SHIFT | Qt::Key_S}));
    a.Open = Command(window, QStringLiteral("open"), Keys(QKeySequence::Open, {Qt::CTRL | Qt::Key_O}));
    a.ClearPanels = Command(window, QStringLiteral("clearPanels"));
    a.ClearMasks = Command(window, QStringLiteral("clearMasks"));
    a.ClearAll = Command(window, QStringLiteral("clearAll"));
    a.ZoomIn = Command(window, QStringLiteral("zoomIn"),
                       Keys(QKeySequence::ZoomIn, {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal}));
    a.ZoomOut = Command(window, QStringLiteral("zoomOut"), Keys(QKeySequence::ZoomOut, {Qt::CTRL | Qt::Key_Minus}));
    a.ZoomReset = Command(window, QStringLiteral("zoomReset"), {Qt::CTRL | Qt::Key_0});
    a.CopyPicture = Command(window, QStringLiteral("copyPicture"), {Qt::CTRL | Qt::SHIFT | Qt::Key_C});
    a.New = Command(window, QStringLiteral("new"), Keys(QKeySequence::New, {Qt::CTRL | Qt::Key_N}));
    const struct {
        const char* name;
        Qt::Key key;
    } tools[] = {{"clickTool", Qt::Key_Escape}, {"brushTool", Qt::Key_B}, {"lineTool", Qt::Key_L},
                 {"rectTool", Qt::Key_R},       {"fillTool", Qt::Key_F},  {"selectTool", Qt::Key_S}};
    for (int i = 0; i < 6; ++i)
        a.Tool[i] = Command(window, QString::fromLatin1(tools[i].name), {QKeySequence(tools[i].key)});
    a.CopyBlock = Command(window, QStringLiteral("copyBlock"), Keys(QKeySequence::Copy, {Qt::CTRL | Qt::Key_C}));
    a.CutBlock = Command(window, QStringLiteral("cutBlock"), Keys(QKeySequence::Cut, {Qt::CTRL | Qt::Key_X}));
    a.DeleteBlock = Command(window, QStringLiteral("deleteBlock"), Keys(QKeySequence::Delete, {Qt::Key_Delete}));
    a.PasteBlock = Command(window, QStringLiteral("pasteBlock"), Keys(QKeySequence::Paste, {Qt::CTRL | Qt::Key_V}));
    a.LevelUp = Command(window, QStringLiteral("levelUp"), {Qt::Key_BracketRight});
    a.LevelDown = Command(window, QStringLiteral("levelDown"), {Qt::Key_BracketLeft});
    a.CountersUp = Command(window, QStringLiteral("countersUp"),
                           {Qt::Key_Plus, Qt::Key_Equal, Qt::KeypadModifier | Qt::Key_Plus, Qt::SHIFT | Qt::Key_Plus});
    a.CountersDown = Command(window, QStringLiteral("countersDown"), {Qt::Key_Minus, Qt::KeypadModifier | Qt::Key_Minus});
    a.CountersMax = Command(window, QStringLiteral("countersMax"), {Qt::Key_End});
    a.CountersZero = Command(window, QStringLiteral("countersZero"), {Qt::Key_Home});
    a.ShowValues = Command(window, QStringLiteral("showValues"), {Qt::Key_V});
    a.ShowValues->setText(QStringLiteral("数値表示"));
    a.ShowValues->setToolTip(QStringLiteral("数値表示 (V)"));
    a.ShowValues->setCheckable(true);
    // Only a selection has counters to change; until then the keys stay
    // with the palette and the boxes.
    for (QAction* counters : {a.CountersUp, a.CountersDown, a.CountersMax, a.CountersZero})
        counters->setEnabled(false);
    // Undo and redo start with nothing to step over.
    a.Undo->setEnabled(false);
    a.Redo->setEnabled(false);
    return a;
}

void ShowAction(QAbstractButton* button, QAction* action)
{
    button->setEnabled(action->isEnabled());
    QObject::connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
}
