// The island figures: workers, growth and the integer parts the boxes show.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <climits>
#include <cmath>
#include <functional>

#include "document/File1.h"
#include "stats/FigureDelta.h"
#include "session/MapSession.h"
#include "stats/IslandFigures.h"
#include "stats/LiveFigures.h"

namespace {

// A 31 x 31 sea document; entry 0 is sea without the Land flag.
struct Island {
    TTileData doc;
    Island(int food1, int food2, int gold)
    {
        doc.AddTile({.No = 0, .Type = TypeTerrain});
        doc.LastX = doc.LastY = GridSize - 1;
        doc.Food1 = food1;
        doc.Food2 = food2;
        doc.Gold = gold;
    }
    // Adds a panel of the given kind and value and puts it on one cell.
    void Put(int x, int y, int type, int value, bool land = true)
    {
        const int no = doc.TileCount;
        doc.AddTile({.No = no, .Type = type, .Min = value, .Land = land});
        doc.SetCell(x, y, MapCell{static_cast<uint8_t>(no), 0, 0});
    }
};

struct Shown {
    std::string population, area, funds, food, farming, industry, workers, unemployed, military;
};

Shown ShownFigures(const IslandStats& s)
{
    return {FigureText(s.Population), FigureText(s.Area),       FigureText(s.FundsIncrease),
            FigureText(s.FoodIncrease), FigureText(s.Farming),  FigureText(s.Industry),
            FigureText(s.Workers),      FigureText(s.Unemployed), FigureText(s.Military)};
}

struct Example {
    const char* what;
    int population, farming, industry, food1, food2, gold;
    Shown shown;
};

}  // namespace

TEST(IslandFigures, WorkedExamples)
{
    const Example examples[] = {
        {"farms and factories both staffed", 1000, 300, 500, 200, 1000, 1,
         {"1000", "3", "0", "100", "300", "500", "800", "200", "0"}},
        {"farming above population", 500, 800, 400, 200, 1000, 1,
         {"500", "3", "0", "400", "800", "400", "500", "0", "0"}},
        {"food deficit", 1000, 100, 0, 200, 1000, 1,
         {"1000", "2", "0", "-100", "100", "0", "100", "900", "0"}},
        {"deficit under one unit", 1000, 600, 0, 1, 1, 1,
         {"1000", "2", "0", "0", "600", "0", "600", "400", "0"}},
        {"deficit of three and a half", 1000, 500, 0, 5, 3, 1,
         {"1000", "2", "0", "-3", "500", "0", "500", "500", "0"}},
        {"no population", 0, 300, 500, 200, 1000, 1,
         {"0", "3", "0", "0", "300", "500", "0", "0", "0"}},
        {"gold at 1.5 percent", 1000, 0, 1000, 200, 1000, 15,
         {"1000", "3", "15", "-200", "0", "1000", "1000", "0", "0"}},
        {"farming ties population", 500, 500, 0, 200, 1000, 1,
         {"500", "2", "0", "400", "500", "0", "500", "0", "0"}},
        {"industry ties what farming leaves", 800, 300, 500, 200, 1000, 1000,
         {"800", "3", "500", "140", "300", "500", "800", "0", "0"}},
        {"industry above what is left", 800, 300, 900, 200, 1000, 1000,
         {"800", "3", "500", "140", "300", "900", "800", "0", "0"}},
        {"farming takes everyone", 800, 800, 900, 200, 1000, 1000,
         {"800", "3", "0", "640", "800", "900", "800", "0", "0"}},
    };
    for (const Example& e : examples) {
        SCOPED_TRACE(e.what);
        Island island(e.food1, e.food2, e.gold);
        island.Put(0, 0, TypePopulation, e.population);
        island.Put(1, 0, TypeFarming, e.farming);
        if (e.industry)
            island.Put(2, 0, TypeIndustry, e.industry);
        island.doc.ComputeStats();
        const Shown got = ShownFigures(island.doc.Stats);
        EXPECT_EQ(got.population, e.shown.population);
        EXPECT_EQ(got.area, e.shown.area);
        EXPECT_EQ(got.funds, e.shown.funds);
        EXPECT_EQ(got.food, e.shown.food);
        EXPECT_EQ(got.farming, e.shown.farming);
        EXPECT_EQ(got.industry, e.shown.industry);
        EXPECT_EQ(got.workers, e.shown.workers);
        EXPECT_EQ(got.unemployed, e.shown.unemployed);
        EXPECT_EQ(got.military, e.shown.military);
    }
}

TEST(IslandFigures, HiddenFiguresOfTheFirstExample)
{
    Island island(200, 1000, 1);
    island.Put(0, 0, TypePopulation, 1000);
    island.Put(0, 1, TypeFarming, 300);
    island.Put(0, 2, TypeIndustry, 500);
    island.doc.ComputeStats();
    const IslandStats& s = island.doc.Stats;
    EXPECT_EQ(s.FarmWorkers, 300);
    EXPECT_EQ(s.FoodProduction, 300);
    EXPECT_EQ(s.IndustryWorkers, 500);
    EXPECT_DOUBLE_EQ(s.FundsIncrease, 0.5);
    EXPECT_EQ(s.FoodIncrease, 100);
}

TEST(IslandFigures, WholeResultsAreExactAtEveryRate)
{
    // Whatever the rate, a whole X * p / 1000 must never show one less.
    for (int64_t x = -2000; x <= 3000; ++x)
        for (int32_t p = 1; p <= 1000; ++p) {
            const double f = ScaledFigure(x, p);
            ASSERT_EQ(static_cast<int64_t>(std::trunc(f)), x * p / 1000) << x << " at " << p;
        }
    const int64_t big = int64_t{GridSize} * GridSize * INT32_MAX;
    for (int32_t p = 1; p <= 1000; ++p)
        ASSERT_EQ(static_cast<int64_t>(std::trunc(ScaledFigure(big, p))), big * p / 1000) << p;
}

TEST(IslandFigures, RatesOutsideTheirRangeAreClamped)
{
    struct Case {
        int food1, food2, gold;
        std::string funds, food;
    };
    const Case cases[] = {
        {0, 0, 0, "0", "0"},          // rate 0: every scaled figure is 0
        {0, 1000, 0, "0", "300"},
        {5000, 5000, 5000, "500", "-700"},  // above 1000 counts as 1000
        {-7, -7, -7, "0", "0"},       // below 0 counts as 0
        {INT32_MIN, INT32_MAX, INT32_MAX, "500", "300"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.food1 << "/" << c.food2 << "/" << c.gold);
        Island island(c.food1, c.food2, c.gold);
        island.Put(0, 0, TypePopulation, 1000);
        island.Put(1, 0, TypeFarming, 300);
        island.Put(2, 0, TypeIndustry, 500);
        island.doc.ComputeStats();
        EXPECT_EQ(FigureText(island.doc.Stats.FundsIncrease), c.funds);
        EXPECT_EQ(FigureText(island.doc.Stats.FoodIncrease), c.food);
        EXPECT_FALSE(std::isnan(island.doc.Stats.FoodProduction));
    }
}

TEST(IslandFigures, OnlyLandAndTheFourFigureKindsCount)
{
    Island island(200, 1000, 1);
    island.Put(0, 0, TypeTerrain, 70);            // land, no figure
    island.Put(1, 0, TypeFunds, 90);              // land, no figure
    island.Put(2, 0, TypeFunds, 90, false);       // neither
    island.Put(3, 0, -1, 50);                     // no Type: land only
    island.Put(4, 0, 9, 50);                      // unknown Type: land only
    island.Put(5, 0, TypeMilitary, 12);
    island.Put(6, 0, TypeMilitary, 30, false);
    island.doc.SetCell(7, 0, MapCell{200, 3, 0}); // no entry carries 200: sea
    island.doc.SetCell(8, 0, MapCell{0, 0, 4});   // a mask changes nothing
    island.doc.ComputeStats();
    const IslandStats& s = island.doc.Stats;
    EXPECT_EQ(s.Area, 5);
    EXPECT_EQ(s.Military, 42);
    EXPECT_EQ(s.Population, 0);
    EXPECT_EQ(s.Farming, 0);
    EXPECT_EQ(s.Industry, 0);
    EXPECT_EQ(s.FundsIncrease, 0);
}

TEST(IslandFigures, FirstEntryGivesAreaButNoValue)
{
    TTileData doc;
    doc.AddTile({.No = 0, .Type = TypePopulation, .Min = 500, .Land = true});
    doc.LastX = 2;
    doc.LastY = 1;
    doc.Food1 = doc.Food2 = doc.Gold = 1000;
    doc.ComputeStats();
    EXPECT_EQ(doc.Stats.Area, 6);
    EXPECT_EQ(doc.Stats.Population, 0);
}

TEST(IslandFigures, OnlyTheShownMapCounts)
{
    Island island(200, 1000, 1);
    island.Put(0, 0, TypePopulation, 100);
    island.Put(5, 0, TypePopulation, 10);   // column beyond the shown part
    island.Put(0, 5, TypePopulation, 1);    // row beyond the shown part
    island.Put(30, 30, TypeMilitary, 9);
    island.doc.SetLastX(4);
    island.doc.SetLastY(4);
    island.doc.ComputeStats();
    EXPECT_EQ(island.doc.Stats.Population, 100);
    EXPECT_EQ(island.doc.Stats.Area, 1);
    EXPECT_EQ(island.doc.Stats.Military, 0);

    island.doc.SetLastX(5);
    island.doc.ComputeStats();
    EXPECT_EQ(island.doc.Stats.Population, 110);
}

TEST(IslandFigures, RecomputingStartsFromZero)
{
    Island island(200, 1000, 1000);
    island.Put(0, 0, TypePopulation, 1000);
    island.Put(1, 0, TypeIndustry, 400);
    island.doc.ComputeStats();
    EXPECT_EQ(island.doc.Stats.FundsIncrease, 400);
    island.doc.ClearPanels();
    island.doc.ComputeStats();
    const IslandStats& s = island.doc.Stats;
    for (double f : {s.Population, s.Area, s.FundsIncrease, s.FoodIncrease, s.Farming, s.Industry,
                     s.Workers, s.Unemployed, s.Military, s.FoodProduction, s.IndustryWorkers,
                     s.FarmWorkers})
        EXPECT_EQ(f, 0);
}

TEST(IslandFigures, TotalsBeyondThirtyTwoBitsAreKept)
{
    Island island(1000, 1000, 1000);
    island.doc.AddTile({.No = 1, .Type = TypePopulation, .Min = INT32_MAX, .Land = true});
    island.doc.AddTile({.No = 2, .Type = TypeMilitary, .Min = INT32_MIN, .Land = true});
    for (int x = 0; x < GridSize; ++x)
        for (int y = 0; y < GridSize; ++y)
            island.doc.SetCell(x, y, MapCell{static_cast<uint8_t>(y == 0 ? 2 : 1), 0, 0});
    island.doc.ComputeStats();
    const int64_t people = int64_t{GridSize} * (GridSize - 1) * INT32_MAX;
    const int64_t missiles = int64_t{GridSize} * INT32_MIN;
    const Shown got = ShownFigures(island.doc.Stats);
    EXPECT_EQ(got.population, std::to_string(people));
    EXPECT_EQ(got.unemployed, std::to_string(people));
    EXPECT_EQ(got.food, std::to_string(-people));
    EXPECT_EQ(got.military, std::to_string(missiles));
}

TEST(IslandFigures, FigureTextTruncatesTowardZero)
{
    const std::pair<double, const char*> cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {12.9, "12"},
        {-0.7, "0"},
        {-3.5, "-3"},
        {2147483648.0, "2147483648"},
        {-2147483649.9, "-2147483649"},
        {4294967296.5, "4294967296"},
        {2063731784767.0, "2063731784767"},
        {1e30, "9223372036854775807"},
        {-1e30, "-9223372036854775808"},
        {NAN, "0"},
    };
    for (const auto& [figure, text] : cases)
        EXPECT_EQ(FigureText(figure), text) << figure;
}

TEST(IslandFigures, DeltaTextNamesTheLargestShownChangesFirst)
{
    const struct {
        IslandStats After;
        const char* Text;
    } cases[] = {
        {{}, ""},
        {{.FoodIncrease = -0.4}, ""},  // the box still shows 0
        {{.Population = 1200, .FoodIncrease = -300}, "人口 +1,200  食料増加量 −300"},
        {{.Population = 5, .Area = 1, .FundsIncrease = -1000000, .Farming = 20, .Military = 5},
         "資金増加量 −1,000,000  農業 +20  人口 +5  ミサイル数 +5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FigureDeltaText(IslandStats{}, c.After), c.Text);
}

TEST(IslandFigures, LiveFiguresTellWhatEachOperationOfTheSessionChanged)
{
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name};
    const QCoreApplication app(argc, argv);  // an operation ends when the event loop runs
    MapSession session;
    TTileData& doc = session.Doc();
    doc.SetLastX(11);
    doc.SetLastY(11);
    doc.Food1 = 200, doc.Food2 = 1000, doc.Gold = 1;
    doc.AddTile({});
    doc.AddTile({.No = 1, .Type = TypePopulation, .Min = 1000, .Count = 200, .Max = 9, .Land = true});
    doc.Selected = 1;
    (void)doc.TakeChange();
    LiveFigures live(session);
    QString said = "none";
    QObject::connect(&live, &LiveFigures::operationChanged, [&](const QString& text) { said = text; });
    live.SetEnabled(true);

    const auto paint = [&](int x) {
        const CellRectangle r = TTileData::CellRect(x, 2);
        session.EditAt(r.Left + 16, r.Top + 16, MouseButton::Left);
    };
    const struct {
        const char* What;
        std::function<void()> Act;
        const char* Says;
    } steps[] = {
        {"a town", [&] { paint(3); }, "人口 +1,000  失業者 +1,000  食料増加量 −200  面積 +1"},
        {"counted up", [&] { paint(3); }, "人口 +200  失業者 +200  食料増加量 −40"},
        {"undo", [&] { session.Undo(); }, "人口 −200  失業者 −200  食料増加量 +40"},
        {"a rate", [&] { session.ChangeSettings([](TTileData& d) { d.Food1 = 100; }); }, "食料増加量 +100"},
        {"a display switch is no operation",
         [&] { session.ChangeSettings([](TTileData& d) { d.LineMode = true; }); }, "食料増加量 +100"},
        {"two steps of one action", [&] { paint(4), paint(4); }, "人口 +1,200  失業者 +1,200  食料増加量 −120  面積 +1"},
        {"a stroke over two events",
         [&] {
             session.BeginOperation();
             session.ApplyEdits({{5, 2, {1, 0, 0}}});
             QCoreApplication::processEvents();
             session.ApplyEdits({{6, 2, {1, 0, 0}}});
             session.EndOperation();
         },
         "人口 +2,000  失業者 +2,000  食料増加量 −200  面積 +2"},
        {"a catalogue change",
         [&] { session.ChangeSettings([](TTileData& d) { d.Tile[1].Min = 500, d.ReplaceTile(1, d.Tile[1]); }); },
         "人口 −2,000  失業者 −2,000  食料増加量 +200"},
        {"a map replaced, figures follow untold", [&] { session.SetSize(1, 1); }, ""},
        {"nothing changed", [&] { session.ChangeSettings([](TTileData&) {}); }, ""},
    };
    for (const auto& step : steps) {
        step.Act();
        EXPECT_EQ(said.toStdString(), step.Says) << step.What;
        const IslandStats shown = doc.Stats;
        doc.ComputeStats();
        EXPECT_EQ(FigureText(shown.Population), FigureText(doc.Stats.Population)) << step.What;
        QCoreApplication::processEvents();
    }
}
