#include "core/match/match_day.h"

#include "core/records/match_records.h"
#include "core/records/game_state.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

// A new or loaded game starts without archived matches and without a matchday under way.
const GameTableReset resetMatchTables([] {
    ClearMatchdayTables();
    Matches.clear();
    MatchVenues.clear();
    MatchCount = 0;
    MatchReports.clear();
    ReportEvents.clear();
});

}  // namespace

int TodayKind()
{
    return Game.DayKind >= 0 && Game.DayKind < kCompetitionKinds ? Game.DayKind : 0;
}

void ResetMatchday(int matchCount)
{
    Matches.assign(kMatchSlots, jogos{});
    MatchVenues.assign(kMatchSlots, std::string());
    MatchCount = matchCount < 0 ? 0 : (matchCount >= kMatchSlots ? kMatchSlots - 1 : matchCount);
}

void ClearMatchdayTables()
{
    MatchEvents.clear();
    BookedPlayers.clear();
    Lineups.clear();
    LineupCount = 0;
}

}  // namespace tarvelon
