#include "app/MapKeyCursor.h"

#include <QCoreApplication>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QScrollArea>
#include <algorithm>

#include "app/MapPicture.h"
#include "app/MapTools.h"
#include "view/MapGeometry.h"
#include "view/ViewZoom.h"

namespace {

// A screen reader hears the cursor's cell as the map's value.
class MapAccessible : public QAccessibleWidget {
public:
    explicit MapAccessible(QWidget* map) : QAccessibleWidget(map, QAccessible::Graphic) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            if (const auto* cursor = widget()->findChild<MapKeyCursor*>(QString(), Qt::FindDirectChildrenOnly))
                return cursor->Describe();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* MapAccessibleFactory(const QString&, QObject* object)
{
    auto* map = qobject_cast<MapPicture*>(object);
    return map ? new MapAccessible(map) : nullptr;
}

}  // namespace

QPoint MapKeyCursor::Step(const TTileData& doc, QPoint cell, Move move)
{
    int x = cell.x(), y = cell.y();
    switch (move) {
    case Move::Left: --x; break;
    case Move::Right: ++x; break;
    case Move::Up: --y; break;
    case Move::Down: ++y; break;
    case Move::RowStart: x = 0; break;
    case Move::RowEnd: x = doc.LastX; break;
    case Move::Top: y = 0; break;
    case Move::Bottom: y = doc.LastY; break;
    }
    return {std::clamp(x, 0, std::max(0, doc.LastX)), std::clamp(y, 0, std::max(0, doc.LastY))};
}

MapKeyCursor::MapKeyCursor(const TTileData& doc, MapPicture* picture, QScrollArea* area, const MapTools& tools)
    : QObject(picture), doc_(doc), picture_(picture), area_(area), tools_(tools)
{
    static const bool factory = (QAccessible::installFactory(MapAccessibleFactory), true);
    (void)factory;
    picture->setFocusPolicy(Qt::StrongFocus);
    picture->setAccessibleName(QCoreApplication::translate("MapKeyCursor", "地図"));
    picture->installEventFilter(this);
}

QString MapKeyCursor::Describe() const
{
    if (!cell_)
        return QString();
    const MapCell c = doc_.GetCell(cell_->x(), cell_->y());
    return QStringLiteral("(%1,%2) ").arg(cell_->x()).arg(cell_->y()) + QString::fromStdString(doc_.NameOfNo(c.Panel)) +
           QLatin1Char(' ') + QString::fromStdString(doc_.ValueText(cell_->x(), cell_->y()));
}

bool MapKeyCursor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (Key(key->key(), key->modifiers()))
            return true;
    } else if (event->type() == QEvent::FocusOut && held_) {
        // A two-press tool's drag does not outlive the focus.
        emit release(*held_, Centre());
        held_.reset();
    }
    return QObject::eventFilter(watched, event);
}

bool MapKeyCursor::Key(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const std::pair<int, Move> moves[] = {{Qt::Key_Left, Move::Left},     {Qt::Key_Right, Move::Right},
                                          {Qt::Key_Up, Move::Up},         {Qt::Key_Down, Move::Down},
                                          {Qt::Key_Home, Move::RowStart}, {Qt::Key_End, Move::RowEnd},
                                          {Qt::Key_PageUp, Move::Top},    {Qt::Key_PageDown, Move::Bottom}};
    for (const auto& [code, move] : moves)
        if (key == code) {
            MoveTo(Step(doc_, cell_.value_or(QPoint(0, 0)), move));
            return true;
        }
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (!cell_)
            MoveTo({0, 0});
        Apply(key == Qt::Key_Space && (modifiers & Qt::ShiftModifier) ? Qt::RightButton : Qt::LeftButton);
        return true;
    }
    return false;
}

void MapKeyCursor::MoveTo(QPoint cell)
{
    cell_ = cell;
    emit pointAt(Centre());
    Show();
}

void MapKeyCursor::Apply(Qt::MouseButton button)
{
    if (held_) {
        emit release(*held_, Centre());
        held_.reset();
        return;
    }
    const PaintTool tool = tools_.Tool();
    const bool twoPress = !tools_.Floating() &&
                          (tool == PaintTool::Line || tool == PaintTool::Rect || tool == PaintTool::Select);
    emit press(button, Centre());
    if (twoPress)
        held_ = button;
    else
        emit release(button, Centre());
    Show();
}

QPoint MapKeyCursor::Centre() const
{
    const CellRectangle r = TTileData::CellRect(cell_->x(), cell_->y());
    return {r.Left + geometry::TileSize / 2, r.Top + geometry::TileSize / 2};
}

void MapKeyCursor::Show()
{
    const CellRectangle r = TTileData::CellRect(cell_->x(), cell_->y());
    const QRect cellRect(r.Left, r.Top, geometry::TileSize, geometry::TileSize);
    picture_->SetKeyCursor(cellRect);
    const QRect inView = view_zoom::ToView(cellRect, picture_->Zoom());
    area_->ensureVisible(inView.center().x(), inView.center().y(), inView.width(), inView.height());
    QAccessibleValueChangeEvent changed(picture_, Describe());
    QAccessible::updateAccessibility(&changed);
}
