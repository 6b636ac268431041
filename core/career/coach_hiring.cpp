#include "core/career/coach_hiring.h"

#include "core/basics/random.h"
#include "core/career/coach_search.h"
#include "core/draws/state_championship.h"
#include "core/draws/draw_services.h"
#include "core/records/state_championship.h"
#include "core/economy/player_value.h"
#include "core/economy/table_access.h"
#include "core/mail/mail.h"
#include "core/season/calendar.h"
#include "core/season/competitions.h"

namespace tarvelon {

namespace {

// The cash a club gets with a new coach, by division (whole units).
void DrawCashForDivision(TClub& club)
{
    std::int64_t cash = 0;
    switch (club.Division) {
    case 0: cash = 500'000 + Random(200'000); break;
    case 1: cash = 6'000'000 + Random(2'000'000); break;
    case 2: cash = 4'000'000 + Random(1'000'000); break;
    case 3: cash = 2'000'000 + Random(1'000'000); break;
    case 4: cash = 1'000'000 + Random(500'000); break;
    default: return;
    }
    club.cash = CurrencyFromUnits(cash);
}

TLeague* LeagueOfClub(const TClub& club)
{
    const int league = FindLeagueByCountry(club.Country);
    return league >= 0 ? &Leagues[league] : nullptr;
}

TStateChampionship* StateOfClub(const TClub& club)
{
    if (!Game.StateChampionshipsOn || club.Country != kStateCountry || club.State < 0 || club.State >= kStateCount)
        return nullptr;
    return &StateChampionships[club.State];
}

void TakeHumanControl(int club)
{
    TClub& c = Clubs[club];
    c.IsHuman = 1;
    for (int& slot : Game.HumanClubs) {
        if (slot == -1) {
            slot = club;
            ++Game.HumanClubCount;
            break;
        }
    }
    SortHumanClubSlots();
    if (TLeague* league = LeagueOfClub(c))
        league->humanPresent = 1;
    if (TStateChampionship* state = StateOfClub(c); state && state->active)
        state->humanClubPresent = 1;
    ResetSquadForNewCoach(club);
}

void ReturnToComputer(int club)
{
    ResetSquadForNewCoach(club);
    TClub& c = Clubs[club];
    if (c.IsHuman) {
        for (int& slot : Game.HumanClubs) {
            if (slot == club) {
                slot = -1;
                --Game.HumanClubCount;
                break;
            }
        }
    }
    c.IsHuman = 0;
    SortHumanClubSlots();
    if (Game.DayKind > 0)
        CancelClubFriendlies(club);
    HideClubMail(club);
    if (TLeague* league = LeagueOfClub(c); league && CountHumanClubsOfCountry(c.Country) == 0)
        league->humanPresent = 0;
    if (TStateChampionship* state = StateOfClub(c); state && CountHumanClubsOfState(c.State) == 0)
        state->humanClubPresent = 0;
}

// A human coach who leaves the second of two divisions of tens wants the fourth next time.
int DivisionRememberedBy(const TCoach& coach, const TClub& club)
{
    const TLeague* league = LeagueOfClub(club);
    if (Game.LeagueFormat == 4 && coach.human && club.Division == 2 && league && league->divisionCount == 2)
        return 4;
    return club.Division;
}

}  // namespace

void ResetSquadForNewCoach(int club)
{
    ForEachPlayerOfClub(club, [](int index, TPlayer& p) {
        p.ListedForSale = 0;
        p.Morale = 3;
        p.playingTimeCounter = 1;
        if (p.loanStatus == 1)
            p.loanStatus = 0;
        SetContractWeeks(10 + Random(30), index);
    });
}

void HireCoach(int club, int coach)
{
    if (!IsClubIndex(club) || !IsCoachIndex(coach))
        return;
    TClub& c = Clubs[club];
    TCoach& k = Coaches[coach];
    c.coach = coach;
    k.club = club;
    k.active = 1;
    c.boardConfidence = 100;
    c.SupportersMood = 80;
    k.hireCounter = 5;
    if (club < static_cast<int>(ClubFinances.size())) {
        ClubFinances[club].bankLoan = 0;
        ClubFinances[club].loanAtSeasonStart = 0;
    }
    if (c.Division >= 0 && c.Division < kTicketPriceRows) {
        for (int s = 0; s < kStadiumSectors; ++s)
            c.SectorPrices[s] = TicketPrices[c.Division].sectors[s];
    }
    if (k.human)
        TakeHumanControl(club);
    DrawCashForDivision(Clubs[club]);
    CoachHirings.push_back(TCoachHiring{coach, Game.Season, club});
}

void DismissCoach(int club, int coach)
{
    if (!IsClubIndex(club) || !IsCoachIndex(coach))
        return;
    TClub& c = Clubs[club];
    TCoach& k = Coaches[coach];
    k.division = DivisionRememberedBy(k, c);
    k.club = -1;
    k.lastClub = club;
    c.coach = -1;
    k.active = 0;
    NoteCoachLetGo(coach);
    if (k.human)
        ReturnToComputer(club);
}

int CountHumanClubsOfCountry(int country)
{
    int count = 0;
    for (int c = 0; c < Game.LeagueClubCount && c < static_cast<int>(Clubs.size()); ++c) {
        if (Clubs[c].IsHuman && Clubs[c].Country == country)
            ++count;
    }
    return count;
}

int CountHumanClubsOfState(int state)
{
    int count = 0;
    for (int c = 0; c < Game.LeagueClubCount && c < static_cast<int>(Clubs.size()); ++c) {
        // Only the clubs of the state championships' country have a state.
        if (Clubs[c].IsHuman && Clubs[c].Country == kStateCountry && Clubs[c].State == state)
            ++count;
    }
    return count;
}

}  // namespace tarvelon
