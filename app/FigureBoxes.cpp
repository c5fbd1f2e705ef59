#include "app/FigureBoxes.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

#include "session/MapSession.h"
#include "stats/IslandFigures.h"
#include "stats/LiveFigures.h"

FigureBoxes::FigureBoxes(const std::array<QLineEdit*, 10>& boxes, QCheckBox* follow, MapSession& session)
    : QObject(follow), boxes(boxes), session(session)
{
    for (size_t i = 0; i < boxes.size(); ++i)
        fonts[i] = boxes[i]->font();
    // While on, the figures follow the session by themselves.
    connect(&session, &MapSession::changed, this, [this](const MapChange& change) {
        if (change.Island() && !Live->Enabled())
            SetStale(true);
    });
    Live = new LiveFigures(session, this);
    connect(Live, &LiveFigures::figuresChanged, this, [this] {
        Show();
        SetStale(false);
    });
    connect(follow, &QCheckBox::toggled, Live, &LiveFigures::SetEnabled);
}

namespace {

// The box keeps its place and size; a number too long for it is set smaller
// so that it shows whole (a box shows only its end otherwise: a deficit would
// read as a surplus), and the hint carries it at full size.
void ShowWhole(QLineEdit* box, const QFont& base, const QString& text)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    // Less the text margins a line edit keeps inside its contents, and the cursor.
    const int room = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width() - 5;
    QFont font = base;
    for (qreal size = base.pointSizeF(); size > 1 && QFontMetrics(font).horizontalAdvance(text) > room;) {
        size = std::max<qreal>(1, size - 0.5);
        font.setPointSizeF(size);
    }
    box->setFont(font);
    box->setText(text);
    box->setCursorPosition(0);
    box->setToolTip(text);
}

}  // namespace

void FigureBoxes::Show()
{
    const IslandStats& s = session.Doc().Stats;
    const double figures[] = {s.Population, s.Area,    s.FundsIncrease, s.FoodIncrease, s.Farming,
                              s.Industry,   0,         s.Workers,       s.Unemployed,   s.Military};
    for (size_t i = 0; i < boxes.size(); ++i)
        // "採掘場" has no figure behind it.
        ShowWhole(boxes[i], fonts[i], i == 6 ? QStringLiteral("0") : QString::fromStdString(FigureText(figures[i])));
}

void FigureBoxes::SetStale(bool stale)
{
    for (QLineEdit* box : boxes)
        box->setEnabled(!stale);
}
