#include "app/FigureBoxes.h"

#include <QCheckBox>
#include <QLineEdit>

#include "session/MapSession.h"
#include "stats/IslandFigures.h"
#include "stats/LiveFigures.h"

FigureBoxes::FigureBoxes(const std::array<QLineEdit*, 10>& boxes, QCheckBox* follow, MapSession& session)
    : QObject(follow), boxes(boxes), session(session)
{
    // While on, the figures follow the session by themselves.
    const auto changed = [this] {
        if (!Live->Enabled())
            SetStale(true);
    };
    connect(&session, &MapSession::cellsChanged, this, changed);
    connect(&session, &MapSession::mapReplaced, this, changed);
    Live = new LiveFigures(session, this);
    connect(Live, &LiveFigures::figuresChanged, this, [this] {
        Show();
        SetStale(false);
    });
    connect(follow, &QCheckBox::toggled, Live, &LiveFigures::SetEnabled);
}

void FigureBoxes::Show()
{
    const IslandStats& s = session.Doc().Stats;
    const double figures[] = {s.Population, s.Area,    s.FundsIncrease, s.FoodIncrease, s.Farming,
                              s.Industry,   0,         s.Workers,       s.Unemployed,   s.Military};
    for (size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setText(QString::fromStdString(FigureText(figures[i])));
    // "採掘場" has no figure behind it.
    boxes[6]->setText(QStringLiteral("0"));
}

void FigureBoxes::SetStale(bool stale)
{
    for (QLineEdit* box : boxes)
        box->setEnabled(!stale);
}
