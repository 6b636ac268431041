#include "core/progression/post_round_invitations.h"

#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/tables.h"

namespace tarvelon {

int InvitationCompetition = 0;

namespace {
const GameTableReset invitationReset([] { InvitationCompetition = 0; });
}  // namespace

bool InvitationDue(int kind)
{
    bool on = false, year = false;
    int firstRound = 6;
    switch (kind) {
    case kKindWorldCup: on = Game.worldCupOn; year = IsWorldCupYear(); firstRound = 5; break;
    case kKindCopaAmerica: on = Game.copaAmericaOn; year = IsCopaAmericaYear(); break;
    case kKindEurocopa: on = Game.eurocopaOn; year = IsEurocopaYear(); break;
    default: return false;
    }
    const int coach = Game.CurrentHumanCoach;
    const bool free = coach >= 0 && coach < static_cast<int>(Coaches.size()) &&
                      Coaches[static_cast<std::size_t>(coach)].nationalTeamCoach == 0;
    return on && year && free && Game.DayKind == kKindNationalLeague && Game.LeagueTurn == 1 &&
           Game.LeagueRound >= firstRound && Game.LeagueRound <= 9;
}

}  // namespace tarvelon
