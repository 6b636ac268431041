#include "core/history/season_lines.h"

#include "core/history/first_record_lookup.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

RecordKey KeyOfSeasonLine(const TPlayerSeasonStats& s) { return {s.player, s.season, s.club}; }
RecordKey KeyOfGoalTally(const TGoalTally& t) { return {t.player, t.competition, 0}; }
RecordKey KeyOfCoachSeason(const TCoachSeason& s) { return {s.coach, s.club, s.season}; }
RecordKey KeyOfTallyPlayer(const TGoalTally& t) { return {t.player, 0, 0}; }

// The season lines and the coaches' rows keep a map of keys per season (see FirstRecordLookup).
using SeasonLineLookup = FirstRecordLookup<TPlayerSeasonStats, KeyOfSeasonLine, 1>;
using GoalTallyLookup = FirstRecordLookup<TGoalTally, KeyOfGoalTally>;
using CoachSeasonLookup = FirstRecordLookup<TCoachSeason, KeyOfCoachSeason, 2>;
using PlayerTallyLookup = FirstRecordLookup<TGoalTally, KeyOfTallyPlayer>;

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

CoachSeasonLookup& CoachSeasonRows()
{
    static CoachSeasonLookup lookup(CoachSeasons);
    return lookup;
}

PlayerTallyLookup& FirstTallies()
{
    static PlayerTallyLookup lookup(AllTimeGoalTallies);
    return lookup;
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

int FindCoachSeasonRow(int coach, int club, int season) { return CoachSeasonRows().Find({coach, club, season}); }

int FindFirstAllTimeTally(int player) { return FirstTallies().Find({player, 0, 0}); }

void HistoryTablesChanged()
{
    SeasonLines().Forget();
    CoachSeasonRows().Forget();
    FirstTallies().Forget();
    TalliesOf(GoalTallies).Forget();
    TalliesOf(AllTimeGoalTallies).Forget();
}

}  // namespace tarvelon
