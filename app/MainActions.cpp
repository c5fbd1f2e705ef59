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
