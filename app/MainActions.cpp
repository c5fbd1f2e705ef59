#include "app/MainActions.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QAction>
#include <QWidget>
#include <utility>

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
    a.ShowValues->setCheckable(true);
    a.TurnClockwise = Command(window, QStringLiteral("turnClockwise"), {Qt::Key_Z});
    a.TurnCounterClockwise = Command(window, QStringLiteral("turnCounterClockwise"), {Qt::SHIFT | Qt::Key_Z});
    a.MirrorLeftRight = Command(window, QStringLiteral("mirrorLeftRight"), {Qt::Key_X});
    a.MirrorTopBottom = Command(window, QStringLiteral("mirrorTopBottom"), {Qt::Key_Y});
    a.SaveStamp = Command(window, QStringLiteral("saveStamp"), {Qt::CTRL | Qt::SHIFT | Qt::Key_B});
    a.SavePicture = Command(window, QStringLiteral("savePicture"));
    a.CatalogueEditor = Command(window, QStringLiteral("catalogueEditor"));
    a.MapSize = Command(window, QStringLiteral("mapSize"));
    a.SystemSettings = Command(window, QStringLiteral("systemSettings"));
    a.MapCode = Command(window, QStringLiteral("mapCode"));
    a.Lines = Command(window, QStringLiteral("lines"));
    a.MaskView = Command(window, QStringLiteral("maskView"));
    a.MaskView->setCheckable(true);
    a.MaskView->setChecked(true);
    a.Figures = Command(window, QStringLiteral("figures"));
    a.Breakdown = Command(window, QStringLiteral("breakdown"));
    a.CloseWindow = Command(window, QStringLiteral("closeWindow"), Keys(QKeySequence::Close, {Qt::CTRL | Qt::Key_W}));
    a.Quit = Command(window, QStringLiteral("quit"), Keys(QKeySequence::Quit, {Qt::CTRL | Qt::Key_Q}));
    a.MenuBar = Command(window, QStringLiteral("menuBar"), {Qt::CTRL | Qt::Key_M});
    a.MenuBar->setCheckable(true);
    a.KeyList = Command(window, QStringLiteral("keyList"), Keys(QKeySequence::HelpContents, {Qt::Key_F1}));
    a.About = Command(window, QStringLiteral("about"));
    const std::pair<QAction*, const char*> texts[] = {
        {a.Undo, QT_TRANSLATE_NOOP("MainActions", "戻る")},
        {a.Redo, QT_TRANSLATE_NOOP("MainActions", "進む")},
        {a.Save, QT_TRANSLATE_NOOP("MainActions", "上書き保存")},
        {a.SaveAs, QT_TRANSLATE_NOOP("MainActions", "名前を付けて保存")},
        {a.Open, QT_TRANSLATE_NOOP("MainActions", "読み込み")},
        {a.ClearPanels, QT_TRANSLATE_NOOP("MainActions", "パネルクリア")},
        {a.ClearMasks, QT_TRANSLATE_NOOP("MainActions", "マスククリア")},
        {a.ClearAll, QT_TRANSLATE_NOOP("MainActions", "ALLクリア")},
        {a.ZoomIn, QT_TRANSLATE_NOOP("MainActions", "拡大")},
        {a.ZoomOut, QT_TRANSLATE_NOOP("MainActions", "縮小")},
        {a.ZoomReset, QT_TRANSLATE_NOOP("MainActions", "等倍 (100%)")},
        {a.CopyPicture, QT_TRANSLATE_NOOP("MainActions", "画像をコピー")},
        {a.New, QT_TRANSLATE_NOOP("MainActions", "新規")},
        {a.CopyBlock, QT_TRANSLATE_NOOP("MainActions", "コピー")},
        {a.CutBlock, QT_TRANSLATE_NOOP("MainActions", "切り取り")},
        {a.DeleteBlock, QT_TRANSLATE_NOOP("MainActions", "削除")},
        {a.PasteBlock, QT_TRANSLATE_NOOP("MainActions", "貼り付け")},
        {a.LevelUp, QT_TRANSLATE_NOOP("MainActions", "段階を上げる")},
        {a.LevelDown, QT_TRANSLATE_NOOP("MainActions", "段階を下げる")},
        {a.CountersUp, QT_TRANSLATE_NOOP("MainActions", "選択の数値を上げる")},
        {a.CountersDown, QT_TRANSLATE_NOOP("MainActions", "選択の数値を下げる")},
        {a.CountersMax, QT_TRANSLATE_NOOP("MainActions", "選択の数値を最大に")},
        {a.CountersZero, QT_TRANSLATE_NOOP("MainActions", "選択の数値を 0 に")},
        {a.ShowValues, QT_TRANSLATE_NOOP("MainActions", "数値表示")},
        {a.SavePicture, QT_TRANSLATE_NOOP("MainActions", "画像保存")},
        {a.CatalogueEditor, QT_TRANSLATE_NOOP("MainActions", "パネル設定")},
        {a.MapSize, QT_TRANSLATE_NOOP("MainActions", "サイズ変更")},
        {a.SystemSettings, QT_TRANSLATE_NOOP("MainActions", "System設定")},
        {a.MapCode, QT_TRANSLATE_NOOP("MainActions", "擬似ＭＡＰ")},
        {a.Lines, QT_TRANSLATE_NOOP("MainActions", "ライン")},
        {a.MaskView, QT_TRANSLATE_NOOP("MainActions", "マスク表示")},
        {a.Figures, QT_TRANSLATE_NOOP("MainActions", "自動入力")},
        {a.Breakdown, QT_TRANSLATE_NOOP("MainActions", "個別情報")},
        {a.CloseWindow, QT_TRANSLATE_NOOP("MainActions", "閉じる")},
        {a.Quit, QT_TRANSLATE_NOOP("MainActions", "終了")},
        {a.MenuBar, QT_TRANSLATE_NOOP("MainActions", "メニューバー")},
        {a.KeyList, QT_TRANSLATE_NOOP("MainActions", "キー一覧")},
        {a.About, QT_TRANSLATE_NOOP("MainActions", "ISPLN について")},
        {a.TurnClockwise, QT_TRANSLATE_NOOP("MainActions", "右に回す (60°)")},
        {a.TurnCounterClockwise, QT_TRANSLATE_NOOP("MainActions", "左に回す (60°)")},
        {a.MirrorLeftRight, QT_TRANSLATE_NOOP("MainActions", "左右反転")},
        {a.MirrorTopBottom, QT_TRANSLATE_NOOP("MainActions", "上下反転")},
        {a.SaveStamp, QT_TRANSLATE_NOOP("MainActions", "スタンプとして保存")},
    };
    for (const auto& [action, text] : texts) {
        action->setText(QCoreApplication::translate("MainActions", text));
        action->setToolTip(HintWithKey(action->text(), action));
    }
    // Only a selection has counters to change; until then the keys stay
    // with the palette and the boxes.
    for (QAction* counters : {a.CountersUp, a.CountersDown, a.CountersMax, a.CountersZero})
        counters->setEnabled(false);
    // Undo and redo start with nothing to step over.
    a.Undo->setEnabled(false);
    a.Redo->setEnabled(false);
    return a;
}

QString HintWithKey(const QString& name, const QAction* action)
{
    const QKeySequence key = action->shortcut();
    return key.isEmpty() ? name : name + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + QLatin1Char(')');
}

void ShowAction(QAbstractButton* button, QAction* action)
{
    button->setEnabled(action->isEnabled());
    QObject::connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::enabledChanged, button, &QWidget::setEnabled);
}
