#include "stats/FigureDelta.h"

#include <algorithm>
#include <vector>

#include "stats/FigureList.h"

namespace {

constexpr size_t MostShown = 4;

uint64_t Magnitude(int64_t n)
{
    return n < 0 ? uint64_t(0) - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
}

}  // namespace

int64_t FigureDifference(int64_t before, int64_t after)
{
    int64_t d = 0;
    if (!__builtin_sub_overflow(after, before, &d))
        return d;
    return after > before ? INT64_MAX : INT64_MIN;
}

std::string GroupedNumber(int64_t n)
{
    const std::string digits = std::to_string(Magnitude(n));
    std::string text = n < 0 ? "-" : "";
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}

std::string FigureDeltaText(const IslandStats& before, const IslandStats& after)
{
    const auto old = ShownFigures(before);
    const auto now = ShownFigures(after);
    struct Change {
        std::string Label;
        int64_t By;
    };
    std::vector<Change> changes;
    for (size_t i = 0; i < old.size(); ++i)
        if (const int64_t by = FigureDifference(old[i].Value, now[i].Value); by != 0)
            changes.push_back({now[i].Label, by});
    std::stable_sort(changes.begin(), changes.end(),
                     [](const Change& a, const Change& b) { return Magnitude(a.By) > Magnitude(b.By); });
    if (changes.size() > MostShown)
        changes.resize(MostShown);

    std::string text;
    for (const Change& c : changes) {
        if (!text.empty())
            text += "  ";
        const std::string number = GroupedNumber(c.By);
        text += std::string(c.Label) + " " + (c.By > 0 ? "+" + number : "\u2212" + number.substr(1));
    }
    return text;
}
