#include "app/MapTools.h"

#include <QCoreApplication>
#include <QCursor>

#include <QAbstractSpinBox>
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "app/MainActions.h"
#include "app/ToolbarIcons.h"
#include "files/BlockClipboard.h"
#include "view/CellValues.h"

namespace {

struct ToolInfo {
    PaintTool tool;
    const char* hint;
    QIcon (*icon)();
};

const ToolInfo Tools[] = {
    {PaintTool::Click, QT_TRANSLATE_NOOP("MapTools", "クリック"), toolbar_icons::ClickTool},
    {PaintTool::Brush, QT_TRANSLATE_NOOP("MapTools", "ブラシ"), toolbar_icons::BrushTool},
    {PaintTool::Line, QT_TRANSLATE_NOOP("MapTools", "直線"), toolbar_icons::LineTool},
    {PaintTool::Rect, QT_TRANSLATE_NOOP("MapTools", "矩形"), toolbar_icons::RectTool},
    {PaintTool::Fill, QT_TRANSLATE_NOOP("MapTools", "塗りつぶし"), toolbar_icons::FillTool},
    {PaintTool::Select, QT_TRANSLATE_NOOP("MapTools", "範囲選択"), toolbar_icons::SelectTool},
};

MouseButton FromQt(Qt::MouseButton button)
{
    return button == Qt::LeftButton ? MouseButton::Left
           : button == Qt::RightButton ? MouseButton::Right
                                       : MouseButton::Middle;
}

}  // namespace

MapTools::MapTools(const TTileData& doc, MapRenderer& renderer, MapPicture* picture, QWidget* toolbar, int left,
                   QStatusBar* bar, const MainActions& actions)
    : QObject(toolbar), doc_(doc), toolbar_(toolbar), left_(left), picture_(picture), tools_(doc),
      preview_(renderer)
{
    Bar = new QToolBar(toolbar);
    Bar->setMovable(false);
    Bar->setFloatable(false);
    Bar->setIconSize(QSize(16, 16));
    // Opaque: in a narrow window it lies over controls the edge cuts off.
    Bar->setStyleSheet(
        QStringLiteral("QToolBar { border: 0px; padding: 0px; spacing: 0px; background: palette(window); }"));
    // The bar always shows its first item; one of no width lets a window
    // too narrow for any button keep just the "»".
    auto* nothing = new QWidget;
    nothing->setFixedSize(0, 22);
    Bar->addWidget(nothing);
    auto* group = new QActionGroup(this);
    for (int i = 0; i < 6; ++i) {
        QAction* action = actions.Tool[i];
        action->setIcon(Tools[i].icon());
        action->setText(QCoreApplication::translate("MapTools", Tools[i].hint));
        action->setToolTip(HintWithKey(action->text(), action));
        action->setCheckable(true);
        action->setChecked(Tools[i].tool == PaintTool::Click);
        group->addAction(action);
        toolActions_[i] = action;
        Bar->addAction(action);
        Buttons[i] = qobject_cast<QToolButton*>(Bar->widgetForAction(action));
        Buttons[i]->setFixedSize(21, 22);  // all six fit the window of a 16-column map
    }
    showValuesAction_ = actions.ShowValues;
    toolbar->installEventFilter(this);
    PlaceBar();
    StatusTool = new QLabel;
    StatusTool->setFixedWidth(136);  // "塗りつぶし  段階 255"
    StatusTool->setFrameShape(QFrame::Panel);
    StatusTool->setFrameShadow(QFrame::Sunken);
    bar->addWidget(StatusTool);
    // A view switch of its own beside the tool: the toolbar of a 16-column
    // window has no pixel left.
    ValuesBox = new QCheckBox(actions.ShowValues->text());
    ValuesBox->setToolTip(actions.ShowValues->toolTip());
    ValuesBox->setFocusPolicy(Qt::TabFocus);
    bar->addWidget(ValuesBox);
    connect(ValuesBox, &QCheckBox::toggled, this, &MapTools::SetShowValues);
    picture_->SetOverlay(this);
    ConnectActions(actions);
    Refresh();
}

bool MapTools::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == toolbar_ && event->type() == QEvent::Resize)
        PlaceBar();
    return QObject::eventFilter(watched, event);
}

// Right of the window's own controls while there is room; in a window too
// narrow even for the "»" there, the bar moves to the right edge, over the
// ends of controls the edge cuts off. Those controls stay where they are.
void MapTools::PlaceBar()
{
    const int width = toolbar_->width();
    const int least = Bar->minimumSizeHint().width();
    const int x = std::max(0, std::min(left_, width - least));
    Bar->setGeometry(x, 0, std::min(Bar->sizeHint().width(), width - x), toolbar_->height());
    Bar->raise();
}

void MapTools::ConnectActions(const MainActions& actions)
{
    for (int i = 0; i < 6; ++i)
        connect(actions.Tool[i], &QAction::triggered, this, [this, tool = Tools[i].tool] {
            if (tool == PaintTool::Click)
                Escape();
            else
                SetTool(tool);
        });
    connect(actions.CopyBlock, &QAction::triggered, this, &MapTools::CopySelection);
    connect(actions.CutBlock, &QAction::triggered, this, &MapTools::CutSelection);
    connect(actions.DeleteBlock, &QAction::triggered, this, &MapTools::DeleteSelection);
    connect(actions.PasteBlock, &QAction::triggered, this, &MapTools::PasteBlock);
    using R = map_shapes::Reshape;
    const std::pair<QAction*, R> reshapes[] = {{actions.TurnClockwise, R::TurnClockwise},
                                               {actions.TurnCounterClockwise, R::TurnCounterClockwise},
                                               {actions.MirrorLeftRight, R::MirrorLeftRight},
                                               {actions.MirrorTopBottom, R::MirrorTopBottom}};
    for (const auto& [action, how] : reshapes)
        connect(action, &QAction::triggered, this, [this, how = how] { Reshape(how); });
    connect(actions.LevelUp, &QAction::triggered, this, [this] { SetLevel(tools_.Level() + 1); });
    connect(actions.LevelDown, &QAction::triggered, this, [this] { SetLevel(tools_.Level() - 1); });
    using Change = PaintTools::CounterChange;
    const std::pair<QAction*, Change> counters[] = {{actions.CountersUp, Change::Up},
                                                    {actions.CountersDown, Change::Down},
                                                    {actions.CountersMax, Change::ToMax},
                                                    {actions.CountersZero, Change::ToZero}};
    for (const auto& [action, change] : counters) {
        connect(action, &QAction::triggered, this, [this, change = change] { ChangeCounters(change); });
        counterActions_ << action;
    }
    connect(actions.ShowValues, &QAction::toggled, this, &MapTools::SetShowValues);
    for (QAction* a : {actions.LevelUp, actions.LevelDown, actions.CountersUp, actions.CountersDown,
                       actions.CountersMax, actions.CountersZero, actions.ShowValues})
        keys_.emplace_back(a, a->shortcuts());
    for (QAction* a : actions.Tool)
        keys_.emplace_back(a, a->shortcuts());
    for (QAction* a : {actions.CopyBlock, actions.CutBlock, actions.DeleteBlock, actions.PasteBlock,
                       actions.TurnClockwise, actions.TurnCounterClockwise, actions.MirrorLeftRight,
                       actions.MirrorTopBottom, actions.SaveStamp})
        keys_.emplace_back(a, a->shortcuts());
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { KeysFollowFocus(now); });
}

// The map's keys give way to whatever a text box does with them, read-only
// boxes included.
void MapTools::KeysFollowFocus(QWidget* focus)
{
    const bool text = qobject_cast<QLineEdit*>(focus) || qobject_cast<QTextEdit*>(focus) ||
                      qobject_cast<QPlainTextEdit*>(focus) || qobject_cast<QAbstractSpinBox*>(focus);
    for (auto& [action, keys] : keys_)
        if (action)
            action->setShortcuts(text ? QList<QKeySequence>{} : keys);
}

void MapTools::SetTool(PaintTool tool)
{
    tools_.SetTool(tool);
    Refresh();
}

PaintTools::Cell MapTools::CellAt(int px, int py, bool& valid)
{
    const TTileData::CellAtPixel at = doc_.CellAt(px, py);
    valid = at.Valid;
    return {at.X, at.Y};
}

bool MapTools::MouseDown(Qt::MouseButton button, int px, int py)
{
    if (tools_.Tool() == PaintTool::Click || button == Qt::MiddleButton)
        return false;
    bool valid = false;
    const PaintTools::Cell cell = CellAt(px, py, valid);
    Act(tools_.Press(cell, valid, FromQt(button)), button, px, py);
    Refresh();
    return true;
}

void MapTools::MouseMove(int px, int py)
{
    if (tools_.Tool() == PaintTool::Click)
        return;
    bool valid = false;
    const PaintTools::Cell cell = CellAt(px, py, valid);
    Act(tools_.Move(cell, valid), Qt::NoButton, px, py);
    Refresh();
}

void MapTools::MouseUp(Qt::MouseButton button, int px, int py)
{
    if (tools_.Tool() == PaintTool::Click)
        return;
    bool valid = false;
    const PaintTools::Cell cell = CellAt(px, py, valid);
    Act(tools_.Release(cell, FromQt(button)), button, px, py);
    Refresh();
}

void MapTools::Act(const PaintTools::Action& action, Qt::MouseButton button, int px, int py)
{
    if (action.click)
        emit clickRequested(button, px, py);
    else if (!action.edits.empty())
        emit editsReady(action.edits);
}

void MapTools::EndDrag()
{
    tools_.EndDrag();
    Refresh();
}

void MapTools::Escape()
{
    tools_.Escape();
    Refresh();
}

void MapTools::CopySelection()
{
    const map_shapes::Block block = tools_.Copy();
    if (block.Empty())
        return;
    auto* data = new QMimeData;
    const std::string bytes = block_clipboard::ToBytes(block);
    data->setData(QString::fromLatin1(block_clipboard::MimeType), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    data->setText(QString::fromStdString(block_clipboard::ToText(doc_, block)));
    QGuiApplication::clipboard()->setMimeData(data);
}

void MapTools::CutSelection()
{
    if (!tools_.HasSelection())
        return;
    CopySelection();
    DeleteSelection();
}

void MapTools::DeleteSelection()
{
    const std::vector<CellEdit> cleared = tools_.ClearSelection();
    if (!cleared.empty())
        emit stepReady(cleared);
    Refresh();
}

void MapTools::PasteBlock()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return;
    const QString format = QString::fromLatin1(block_clipboard::MimeType);
    std::optional<map_shapes::Block> block;
    if (data->hasFormat(format))
        block = block_clipboard::FromBytes(data->data(format).toStdString());
    else if (data->hasText())
        block = block_clipboard::FromText(doc_, data->text().toStdString());
    if (!block)
        return;
    tools_.Paste(*block);
    Refresh();
}

void MapTools::Reshape(map_shapes::Reshape how)
{
    using R = map_shapes::Reshape;
    using Axis = PaintTools::MirrorAxis;
    const bool turn = how == R::TurnClockwise || how == R::TurnCounterClockwise;
    const Axis axis = how == R::MirrorLeftRight ? Axis::LeftRight : Axis::TopBottom;
    if (tools_.Floating()) {
        turn ? tools_.TurnFloating(how == R::TurnClockwise) : tools_.MirrorFloating(axis);
    } else if (tools_.HasSelection()) {
        const std::vector<CellEdit> edits =
            turn ? tools_.TurnSelection(how == R::TurnClockwise) : tools_.MirrorSelection(axis);
        if (!edits.empty())
            emit stepReady(edits);
    }
    Refresh();
}

void MapTools::Float(const map_shapes::Block& block)
{
    if (block.Empty())
        return;
    tools_.Paste(block);
    Refresh();
}

map_shapes::Block MapTools::SelectionBlock() const
{
    return tools_.HasSelection() ? tools_.Copy() : map_shapes::Block{};
}

void MapTools::AttachLevelBox(QSpinBox* box)
{
    levelBox_ = box;
    connect(box, &QSpinBox::valueChanged, this, [this](int level) {
        if (level != tools_.Level())
            SetLevel(level);
    });
    ActivePanelChanged();
}

void MapTools::ActivePanelChanged()
{
    SetLevel(tools_.Level());
}

void MapTools::SetLevel(int level)
{
    tools_.SetLevel(std::clamp(level, 0, tools_.LevelLimit()));
    if (levelBox_) {
        const QSignalBlocker quiet(levelBox_);
        levelBox_->setRange(0, tools_.LevelLimit());
        levelBox_->setValue(tools_.Level());
    }
    Refresh();
}

void MapTools::ChangeCounters(PaintTools::CounterChange change)
{
    const std::vector<CellEdit> edits = tools_.ChangeCounters(change);
    if (!edits.empty())
        emit stepReady(edits);
    Refresh();
}

void MapTools::SetShowValues(bool on)
{
    if (showValuesAction_->isChecked() != on)
        showValuesAction_->setChecked(on);
    if (ValuesBox->isChecked() != on)
        ValuesBox->setChecked(on);
    if (showValues_ == on)
        return;
    showValues_ = on;
    picture_->update();
}

void MapTools::Refresh()
{
    const int current = static_cast<int>(tools_.Tool());
    if (!toolActions_[current]->isChecked())
        toolActions_[current]->setChecked(true);
    for (QAction* counters : counterActions_)
        counters->setEnabled(tools_.HasSelection());
    QString status = toolActions_[current]->text();
    const PaintTool tool = tools_.Tool();
    if (tool != PaintTool::Click && tool != PaintTool::Select && tools_.LevelLimit() > 0)
        status += QCoreApplication::translate("MapTools", "  段階 %1").arg(tools_.Level());
    if (tools_.HasSelection()) {
        const auto [columns, rows] = tools_.SelectionSize();
        status += QCoreApplication::translate("MapTools", "  %1 × %2").arg(columns).arg(rows);
    }
    StatusTool->setText(status);
    // The pointer over the map names the tool.
    const QCursor pointer = tool == PaintTool::Click    ? QCursor(Qt::PointingHandCursor)
                            : tools_.Floating()         ? QCursor(Qt::SizeAllCursor)
                            : tool == PaintTool::Brush || tool == PaintTool::Fill
                                ? QCursor(Tools[current].icon().pixmap(16), 2, 14)
                                : QCursor(Qt::CrossCursor);
    if (picture_->cursor().shape() != pointer.shape() || pointer.shape() == Qt::BitmapCursor)
        picture_->setCursor(pointer);
    const QRect changed = preview_.Set(tools_.Preview(), tools_.SelectionCells());
    if (!changed.isNull())
        picture_->UpdatePicture(changed);
}

void MapTools::PaintOverlay(QPainter& painter, const QRect& viewRect, int zoom)
{
    // Under the preview, which shows what will land.
    if (showValues_)
        DrawCellValues(painter, doc_, viewRect, zoom);
    preview_.Paint(painter, viewRect, zoom);
}
