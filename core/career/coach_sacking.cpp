#include "core/career/coach_sacking.h"

#include "core/career/career_state.h"
#include "core/career/coach_hiring.h"
#include "core/career/coach_search.h"
#include "core/economy/table_access.h"
#include "core/hooks.h"
#include "core/season/competitions.h"

namespace tarvelon {

namespace {

bool LeagueHasHumanClub(const TClub& club)
{
    const int league = FindLeagueByCountry(club.Country);
    return league >= 0 && Leagues[league].humanPresent;
}

// The replacement leaves any club he has and takes over.
void HandOver(int club, int fired, int replacement)
{
    DismissCoach(club, fired);
    if (Coaches[replacement].club >= 0)
        DismissCoach(Coaches[replacement].club, replacement);
    HireCoach(club, replacement);
}

void ReplaceCpuCoach(int club)
{
    CoachChangeClub = club;
    if (FindReplacementForCpuClub() && FiredCoach >= 0) {
        if (Game.showCoachChanges && LeagueHasHumanClub(Clubs[club]) && Hooks().showCoachChange)
            Hooks().showCoachChange();
        if (ReplacementCoachOldClub == -1) {
            HandOver(club, FiredCoach, ReplacementCoach);
        } else {
            // A swap: the club that lost its coach takes the fired one.
            DismissCoach(club, FiredCoach);
            DismissCoach(ReplacementCoachOldClub, ReplacementCoach);
            HireCoach(club, ReplacementCoach);
            HireCoach(ReplacementCoachOldClub, FiredCoach);
        }
    }
    ResetCoachChange();
}

bool PlacedSixthOrLower(const TClub& club)
{
    const int kind = Game.DayKind;
    return kind >= 0 && kind < kCompetitionKinds && club.Place[kind] >= 6;
}

}  // namespace

bool DismissHumanCoach()
{
    const int club = CoachChangeClub;
    if (!IsClubIndex(club))
        return false;
    const int fired = Clubs[club].coach;
    const int replacement = FindReplacementCoach();
    if (Hooks().showCoachDismissal)
        Hooks().showCoachDismissal(club, fired, replacement);
    if (replacement < 0)
        return false;
    HandOver(club, fired, replacement);
    return true;
}

void SackFailingCoaches()
{
    // Every replacement looks for a free coach, mostly in vain: one walk of the coaches for the day.
    FreeCoachSearch freeCoaches;
    for (int club = 0; club < Game.LeagueClubCount && club < static_cast<int>(Clubs.size()); ++club) {
        const TClub& c = Clubs[club];
        if (c.Division <= 0 || c.boardConfidence >= 10)
            continue;
        if (c.IsHuman) {
            CoachChangeClub = club;
            DismissHumanCoach();
            ResetCoachChange();
        } else if (PlacedSixthOrLower(c)) {
            ReplaceCpuCoach(club);
        }
    }
}

}  // namespace tarvelon
