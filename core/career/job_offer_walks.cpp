#include "core/career/job_offer_walks.h"

#include <functional>

#include "core/basics/random.h"
#include "core/career/career_state.h"
#include "core/career/coach_hiring.h"
#include "core/career/job_offers.h"
#include "core/economy/player_value.h"
#include "core/economy/table_access.h"
#include "core/hooks.h"
#include "core/mail/mail.h"
#include "core/season/competitions.h"

namespace tarvelon {

namespace {

constexpr int kHumanSlots = 6;

// Offers are shown when the first one is a club of a country whose league is played.
void ShowOffersIfAny()
{
    const int first = JobOffers[0];
    if (IsClubIndex(first) && FindLeagueByCountry(Clubs[first].Country) >= 0 && Hooks().showJobOffers)
        Hooks().showJobOffers();
    ClearJobOffers();
}

// Walks the human-coach slots; `pick` fills JobOffers for a coach and tells whether to show them.
void WalkHumanCoaches(const std::function<bool(TCoach& coach, int index)>& pick)
{
    const int current = Game.CurrentHumanCoach;
    for (int slot = 0; slot < kHumanSlots; ++slot) {
        const int coach = Game.HumanCoachSlots[slot];
        Game.CurrentHumanCoach = coach;
        if (!IsCoachIndex(coach))
            continue;
        if (pick(Coaches[coach], coach))
            ShowOffersIfAny();
    }
    Game.CurrentHumanCoach = current;
}

// For a coach with a club: his offers are picked by `pickForClub`.
void WalkCoachesWithClubs(void (*pickForClub)(int club))
{
    WalkHumanCoaches([pickForClub](TCoach& coach, int) {
        if (coach.club < 0)
            return false;
        pickForClub(coach.club);
        coach.OfferPending = 0;
        return true;
    });
}

}  // namespace

void OfferMidSeasonJobs()
{
    const int round = Game.LeagueRound;
    if (Game.Season < 2 || round < 4 || round > 16 || round % 2 != 0 || Game.LeagueTurn != 2)
        return;
    WalkCoachesWithClubs(PickJobOffersMidSeason);
}

void OfferJoblessCoachJobs()
{
    const int draw = Random(3);
    if (Game.InstantPlay || draw == 0)
        return;
    WalkHumanCoaches([](TCoach& coach, int index) {
        if (coach.club != -1)
            return false;
        PickJobOffersForJoblessCoach(coach.country, index);
        return true;
    });
}

void OfferSeasonEndJobs()
{
    if (Game.LeagueFormat != 2)
        return;
    WalkCoachesWithClubs(PickJobOffersAfterSeason);
}

bool AcceptJobOffer(int offer)
{
    const int coach = Game.CurrentHumanCoach;
    const int newClub = offer >= 0 && offer < static_cast<int>(JobOffers.size()) ? JobOffers[offer] : -1;
    if (!IsClubIndex(newClub) || !IsCoachIndex(coach)) {
        ClearJobOffers();
        return false;
    }
    const int formerCoach = Clubs[newClub].coach;
    const int oldClub = Coaches[coach].club;
    DismissCoach(newClub, formerCoach);
    if (oldClub >= 0) {
        // The two coaches swap clubs.
        DismissCoach(oldClub, coach);
        HireCoach(oldClub, formerCoach);
    }
    HireCoach(newClub, coach);
    ForEachPlayerOfClub(newClub, [](int index, TPlayer& p) {
        p.Morale = 3;
        p.playingTimeCounter = 1;
        SetContractWeeks(Random(30) + 10, index);
    });
    SendMail(newClub, mkWelcome, 1, 0, 0, 0);
    ClearJobOffers();
    return true;
}

}  // namespace tarvelon
