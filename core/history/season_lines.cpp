#include "core/history/season_lines.h"

#include "core/history/first_record_lookup.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

RecordKey KeyOfSeasonLine(const TPlayerSeasonStats& s) { return {s.player, s.season, s.club}; }
RecordKey KeyOfGoalTally(const TGoalTally& t) { return {t.player, t.competition, 0}; }

using SeasonLineLookup = FirstRecordLookup<TPlayerSeasonStats, KeyOfSeasonLine>;
using GoalTallyLookup = FirstRecordLookup<TGoalTally, KeyOfGoalTally>;

SeasonLineLookup& SeasonLines()
{
    static SeasonLineLookup lookup(PlayerSeasonStats);
    return lookup;
}

GoalTallyLookup& TalliesOf(const std::vector<TGoalTally>& tallies)
{
    static GoalTallyLookup season(GoalTallies);
    static GoalTallyLookup allTime(AllTimeGoalTallies);
    return &tallies == &AllTimeGoalTallies ? allTime : season;
}

const GameTableReset lookupReset([] { HistoryTablesChanged(); });

}  // namespace

int FindSeasonLine(int player, int season, int club) { return SeasonLines().Find({player, season, club}); }

int FindGoalTally(const std::vector<TGoalTally>& tallies, int player, int competition)
{
    if (&tallies != &GoalTallies && &tallies != &AllTimeGoalTallies) {
        for (std::size_t i = 0; i < tallies.size(); ++i)
            if (tallies[i].player == player && tallies[i].competition == competition)
                return static_cast<int>(i);
        return -1;
    }
    return TalliesOf(tallies).Find({player, competition, 0});
}

void HistoryTablesChanged()
{
    SeasonLines().Forget();
    TalliesOf(GoalTallies).Forget();
    TalliesOf(AllTimeGoalTallies).Forget();
}

}  // namespace tarvelon
