#include "core/career/resignation.h"

#include "core/career/career_state.h"
#include "core/career/coach_sacking.h"
#include "core/economy/table_access.h"
#include "core/hooks.h"

namespace tarvelon {

namespace {

bool CoachesTheCurrentClub()
{
    const int club = Game.CurrentHumanClub;
    return IsClubIndex(club) && IsCoachIndex(Game.CurrentHumanCoach) && Clubs[club].coach == Game.CurrentHumanCoach;
}

void Refuse()
{
    if (Hooks().showMessage)
        Hooks().showMessage(kResignationRefused);
}

}  // namespace

bool ResignCurrentHumanCoach()
{
    if (!CoachesTheCurrentClub()) {
        Refuse();
        return false;
    }
    CoachResigned = true;
    CoachChangeClub = Game.CurrentHumanClub;
    const bool done = DismissHumanCoach();
    CoachResigned = false;  // the notice reads it; a refused resignation leaves nothing behind
    ResetCoachChange();
    if (!done)
        Refuse();
    return done;
}

}  // namespace tarvelon
