// The island figures on the "情報" tab and the per-panel breakdown.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "app/Unit1.h"
#include "stats/IslandFigures.h"
#include "stats/LiveFigures.h"
#include "stats/Unit5.h"

void TForm1::SpeedButton_InClick()
{
    TileData->ComputeStats();
    ShowStats();
    SetFiguresStale(false);
}

void TForm1::SpeedButton_In2Click()
{
    if (!Dialogs.Form5)
        return;
    Dialogs.Form5->Fill(*TileData);
    Dialogs.Form5->exec();
}

void TForm1::ShowStats()
{
    const IslandStats& s = TileData->Stats;
    const std::pair<QLineEdit*, double> boxes[] = {
        {Edit1, s.Population}, {Edit2, s.Area},     {Edit3, s.FundsIncrease},
        {Edit4, s.FoodIncrease}, {Edit5, s.Farming}, {Edit6, s.Industry},
        {Edit8, s.Workers},    {Edit9, s.Unemployed}, {Edit10, s.Military},
    };
    for (const auto& [edit, figure] : boxes)
        edit->setText(QString::fromStdString(FigureText(figure)));
    // "採掘場" has no figure behind it.
    Edit7->setText(QStringLiteral("0"));
}

void TForm1::ConnectLiveFigures()
{
    Live = new LiveFigures(*Session, this);
    connect(Live, &LiveFigures::figuresChanged, this, [this] {
        ShowStats();
        SetFiguresStale(false);
    });
    connect(CheckBox_Live, &QCheckBox::toggled, Live, &LiveFigures::SetEnabled);
}

void TForm1::FiguresChanged()
{
    // While on, the figures follow the session by themselves.
    if (!Live->Enabled())
        SetFiguresStale(true);
}

void TForm1::SetFiguresStale(bool stale)
{
    for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10})
        edit->setEnabled(!stale);
}
