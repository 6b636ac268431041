#include "core/matchday_rules/matchday_state.h"

#include "core/records/game_state.h"
#include "core/tables.h"

namespace tarvelon {

int MatchdayDayIndex = 0;
std::string MatchdayRoundText;
std::string MatchdayHeading;
std::array<int, kMaxHumanMatches + 1> HumanMatches{};
int HumanMatchCount = 0;
int MatchdayTickInterval = 1000;

namespace {
// The matchday a game was left on is not the next game's (the tick interval is the player's option).
const GameTableReset matchdayStateReset([] {
    ResetMatchdayState();
    MatchdayDayIndex = 0;
});

bool IsHumanClub(int club)
{
    return club >= 0 && club < static_cast<int>(Clubs.size()) && Clubs[club].IsHuman != 0;
}

}  // namespace

void ResetMatchdayState()
{
    HumanMatches.fill(0);
    HumanMatchCount = 0;
    MatchdayDayIndex = Game.DayIndex;
    MatchdayRoundText.clear();
    MatchdayHeading.clear();
}

void NoteHumanMatch(int m, int homeClub, int awayClub)
{
    if (!IsHumanClub(homeClub) && !IsHumanClub(awayClub))
        return;
    if (HumanMatchCount >= kMaxHumanMatches)
        return;
    HumanMatches[++HumanMatchCount] = m;
}

}  // namespace tarvelon
