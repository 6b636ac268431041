#include "core/persist/saved_game_ranges.h"

#include <memory>

namespace tarvelon {

namespace {

// Finds the first number outside its range.
struct FirstBrokenRange {
    const char* broken = nullptr;

    template <typename Number>
    void operator()(const Number& number, const SavedRange& range)
    {
        if (broken == nullptr && (number < range.lo || number > range.hi))
            broken = range.name;
    }
};

struct HoldInRange {
    template <typename Number>
    void operator()(Number& number, const SavedRange& range)
    {
        number = static_cast<Number>(std::clamp<std::int64_t>(number, range.lo, range.hi));
    }
};

// The live game state and every record of the live tables.
template <typename Visit>
void VisitLiveRanges(Visit& visit)
{
    VisitSavedRanges(Game, visit);
    // The blocks are walked through an image only for their live tables.
    const auto unused = std::make_unique<const SavedGameImage>();
    VisitSavedBlocks(*unused, [&visit](int, const auto&, auto& live) {
        for (auto& record : live) VisitSavedRanges(record, visit);
    });
}

}  // namespace

bool SavedGameStateInRange(const TGameState& game)
{
    FirstBrokenRange check;
    VisitSavedRanges(game, check);
    return check.broken == nullptr;
}

const char* SavedRangeBroken(const SavedGameImage& image)
{
    FirstBrokenRange check;
    VisitImageRanges(image, check);
    return check.broken;
}

const char* LiveRangeBroken()
{
    FirstBrokenRange check;
    VisitLiveRanges(check);
    return check.broken;
}

void HoldLiveTablesInSavedRanges()
{
    HoldInRange hold;
    VisitLiveRanges(hold);
}

}  // namespace tarvelon
