#include "stats/IslandFigures.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "document/File1.h"

namespace {

constexpr int64_t kPerMille = 1000;

int64_t ClampedRate(int32_t rate)
{
    return std::clamp<int64_t>(rate, 0, kPerMille);
}

// One exact integer division; the remainder adds the fraction. Rounding the
// sum cannot reach the next whole number at the magnitudes a map produces.
double PerMille(int64_t numerator)
{
    const int64_t whole = numerator / kPerMille;
    const int64_t rest = numerator % kPerMille;
    return static_cast<double>(whole) + static_cast<double>(rest) / kPerMille;
}

// The island's raw totals, whole numbers all.
struct Totals {
    int64_t Population = 0;
    int64_t Area = 0;
    int64_t Farming = 0;
    int64_t Industry = 0;
    int64_t Military = 0;
};

}  // namespace

double ScaledFigure(int64_t x, int32_t rate)
{
    return PerMille(x * ClampedRate(rate));
}

int64_t ShownFigure(double figure)
{
    if (std::isnan(figure))
        return 0;
    const double whole = std::trunc(figure);
    // Outside int64 nothing a map yields can land; pin rather than overflow.
    if (whole >= 9223372036854775807.0)
        return INT64_MAX;
    if (whole <= -9223372036854775808.0)
        return INT64_MIN;
    return static_cast<int64_t>(whole);
}

std::string FigureText(double figure)
{
    return std::to_string(ShownFigure(figure));
}

void TTileData::ComputeStats()
{
    Stats = IslandStats{};

    // IndexOfNo for every panel number a cell can hold, in one pass: the
    // figures follow every edit when shown live.
    std::array<int32_t, 256> indexOfNo{};
    for (int32_t i = MaxTiles - 1; i >= 0; --i)
        if (Tile[i].No >= 0 && Tile[i].No < 256)
            indexOfNo[static_cast<size_t>(Tile[i].No)] = i;

    Totals t;
    const int32_t lastX = std::min(LastX, GridSize - 1);
    const int32_t lastY = std::min(LastY, GridSize - 1);
    for (int32_t x = 0; x <= lastX; ++x)
        for (int32_t y = 0; y <= lastY; ++y) {
            const MapCell& cell = Map[x][y];
            const int32_t index = indexOfNo[cell.Panel];
            const TTileList& entry = Tile[index];
            if (entry.Land)
                ++t.Area;
            switch (entry.Type) {
            case TypePopulation: t.Population += EntryValue(index, cell.Counter); break;
            case TypeFarming: t.Farming += EntryValue(index, cell.Counter); break;
            case TypeIndustry: t.Industry += EntryValue(index, cell.Counter); break;
            case TypeMilitary: t.Military += EntryValue(index, cell.Counter); break;
            default: break;  // terrain, funds and unknown kinds add only to the area
            }
        }

    // Farming takes workers first, industry what is left, the rest are idle.
    const int64_t farmWorkers = t.Farming <= t.Population ? t.Farming : t.Population;
    const int64_t spare = t.Population - farmWorkers;
    const int64_t industryWorkers = spare >= t.Industry ? t.Industry : (spare > 0 ? spare : 0);
    const int64_t employed = farmWorkers + industryWorkers;

    Stats.Population = static_cast<double>(t.Population);
    Stats.Area = static_cast<double>(t.Area);
    Stats.Farming = static_cast<double>(t.Farming);
    Stats.Industry = static_cast<double>(t.Industry);
    Stats.Military = static_cast<double>(t.Military);
    Stats.FarmWorkers = static_cast<double>(farmWorkers);
    Stats.IndustryWorkers = static_cast<double>(industryWorkers);
    Stats.FoodProduction = ScaledFigure(farmWorkers, Food2);
    Stats.FundsIncrease = industryWorkers == 0 ? 0 : ScaledFigure(industryWorkers, Gold);
    // Production less consumption over one division, so the balance is exact.
    if (t.Population != 0)
        Stats.FoodIncrease =
            PerMille(farmWorkers * ClampedRate(Food2) - t.Population * ClampedRate(Food1));
    if (employed < t.Population) {
        Stats.Workers = static_cast<double>(employed);
        Stats.Unemployed = static_cast<double>(t.Population - employed);
    } else {
        Stats.Workers = static_cast<double>(t.Population);
    }
}
