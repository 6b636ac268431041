#include "core/career/job_offers.h"

#include <functional>

#include "core/basics/random.h"
#include "core/career/career_state.h"
#include "core/records/state_championship.h"
#include "core/economy/table_access.h"
#include "core/season/competitions.h"

namespace tarvelon {

namespace {

// Draws of a place before a jobless coach's offer is given up.
constexpr int kMostPlaceDraws = 100;

using ClubTest = std::function<bool(int club)>;

void Offer(int club)
{
    for (int& entry : JobOffers) {
        if (entry == -1) {
            entry = club;
            return;
        }
    }
}

int LeagueCount()
{
    return static_cast<int>(Leagues.size());
}

int ClubAtFinalPlace(int league, int division, int place)
{
    if (league < 0 || league >= LeagueCount() || division < 1 || division > kDivisions || place < 1 ||
        place > kClubsPerDivision)
        return -1;
    return Leagues[league].finalOrder[division - 1][place - 1];
}

bool IsComputerClub(int club)
{
    return IsClubIndex(club) && !Clubs[club].IsHuman;
}

bool IsNewComputerClub(int club)
{
    return IsComputerClub(club) && !IsInJobOffers(club);
}

// Offers the first club from place `from` to place `to` (either way) that passes the test. With
// `emptyEnds`, an empty place ends the scan without an offer.
void OfferFirstInPlaces(int league, int division, int from, int to, const ClubTest& fits, bool emptyEnds = false)
{
    const int step = from <= to ? 1 : -1;
    for (int place = from; place != to + step; place += step) {
        const int club = ClubAtFinalPlace(league, division, place);
        if (club < 0 && emptyEnds)
            return;
        if (fits(club)) {
            Offer(club);
            return;
        }
    }
}

// Draws places until a club passes the test, at most kMostPlaceDraws times.
void OfferDrawnPlace(int league, int division, const std::function<int()>& drawPlace, const ClubTest& fits)
{
    for (int draw = 0; draw < kMostPlaceDraws; ++draw) {
        const int club = ClubAtFinalPlace(league, division, drawPlace());
        if (fits(club)) {
            Offer(club);
            return;
        }
    }
}

int DivisionCountOf(int league)
{
    return league >= 0 && league < LeagueCount() ? Leagues[league].divisionCount : 0;
}

// A league other than `own`, drawn again while it is `own`.
int RedrawUntilOther(int league, int own)
{
    while (league == own)
        league = Random(LeagueCount());
    return league;
}

// --- jobless coach ---

int WantedDivision(const TCoach& coach, int country, int ownLeague)
{
    if (coach.division != 0)
        return coach.division;
    if (country == kStateCountry && Game.StateChampionshipsOn)
        return Game.RegionalFourthDivision ? 4 : DivisionCountOf(ownLeague);
    return DivisionCountOf(ownLeague);
}

int DrawOfferDivision(int division, int league)
{
    if (Random(100) >= 31)
        return division != 0 ? division : DivisionCountOf(league);
    if (Random(100) < 20 && division < 4)
        return division + 1;
    int lower = division - 1;
    if (lower > DivisionCountOf(league))
        lower = DivisionCountOf(league);
    return lower < 1 ? 1 : lower;
}

int DrawJoblessPlace(int division)
{
    if (Game.LeagueFormat == 4)
        return 10 - Random(7);
    if (division == 4)
        return Game.LeagueTurn == 1 ? 15 - Random(10) : 12 - Random(6);
    return 20 - Random(11);
}

void OffersOutsideStateDays(const TCoach& coach, int ownLeague, const ClubTest& fits)
{
    const int division = coach.division;
    int offers = Random(4) + 1;
    if (Game.LeagueFormat == 2 && (division == 0 || division >= 4) && offers > 2)
        offers = 2;
    for (int i = 0; i < offers; ++i) {
        int league = ownLeague;
        if (i > 0 && !(Game.LeagueFormat == 2 && (division == 0 || division >= 3)))
            league = Random(LeagueCount());
        if (league < 0)
            continue;
        const int offerDivision = DrawOfferDivision(division, league);
        OfferDrawnPlace(league, offerDivision, [offerDivision] { return DrawJoblessPlace(offerDivision); }, fits);
    }
}

void OffersOnStateDays(int ownLeague, int wanted, const ClubTest& fits)
{
    const int offers = Random(2) + 1;
    const ClubTest playsStates = [&fits](int club) { return fits(club) && Clubs[club].StateEntry; };
    for (int i = 0; i < offers; ++i) {
        OfferDrawnPlace(ownLeague, wanted, [] { return Game.LeagueFormat == 2 ? 20 - Random(11) : 10 - Random(7); },
                        playsStates);
    }
}

// --- merit rules shared by the season-end and mid-season offers ---

// The first place looked at in a top division: later rules override earlier ones.
int MeritStartPlace(const TClub& club, int start, int leagueFirst, int cupSecond, int stateThird)
{
    int place = start;
    if (club.Place[1] == 1)
        place = leagueFirst;
    if (club.Place[2] == 2)
        place = cupSecond;
    if (club.Place[3] == 3)
        place = stateThird;
    return place;
}

// --- mid-season, divisions of 20 ---

void MidSeasonOfTwenty(const TClub& club, int ownLeague, int drawnLeague)
{
    const int division = club.Division;
    // Below the first division the current human club's standing is looked at.
    const TClub& judged = division >= 2 && division <= 4 && IsClubIndex(Game.CurrentHumanClub) ? Clubs[Game.CurrentHumanClub] : club;
    const int confidence = judged.boardConfidence;
    const int place = judged.Place[1];
    static constexpr int kStartPlaces[5] = {19, 18, 16, 13, 10};
    if ((division == 4 && confidence >= 81 && place <= 3) || (division == 3 && confidence >= 81 && place <= 4)) {
        OfferFirstInPlaces(ownLeague, division - 1, kStartPlaces[Random(5)], 4, IsNewComputerClub);
    } else if (division == 2 && confidence > 80 && place < 5) {
        const int from = Random(100) > 80 ? 8 + Random(8) : 14 + Random(6);
        OfferFirstInPlaces(ownLeague, 1, from, 5, IsNewComputerClub);
    } else if (division == 1 && LeagueCount() >= 2 && confidence >= 81 && place <= 3) {
        const int league = RedrawUntilOther(drawnLeague, ownLeague);
        const int from = place == 1 ? Random(3) + 2 : place == 2 ? Random(4) + 2 : Random(5) + 2;
        OfferFirstInPlaces(league, 1, from, 10, IsNewComputerClub);
    }
}

// --- mid-season, divisions of 10 ---

void MidSeasonOfTen(const TClub& club, int ownLeague, int league)
{
    const int division = club.Division;
    const bool trusted = club.boardConfidence > 80;
    const int place = club.Place[1];
    constexpr bool kEmptyEnds = true;
    if (division == 4 && trusted && place <= 2) {
        const int target = Random(100) > 98 ? 1 : (Random(100) > 30 ? 3 : 2);
        OfferFirstInPlaces(league, target, 6, 1, IsNewComputerClub, kEmptyEnds);
    } else if (division == 3 && trusted && place <= 2) {
        OfferFirstInPlaces(league, Random(100) > 10 ? 2 : 1, 6, 1, IsNewComputerClub, kEmptyEnds);
    } else if (division == 2 && trusted && place <= 3) {
        OfferFirstInPlaces(league, 1, MeritStartPlace(club, 1, 3, 4, 5), 10, IsNewComputerClub, kEmptyEnds);
    } else if (division == 1 && LeagueCount() >= 2 && trusted && place <= 2) {
        int other = Random(LeagueCount());
        other = RedrawUntilOther(other, ownLeague);
        int from = MeritStartPlace(club, 1, 3, 4, 5);
        if (Random(100) > 98)
            from = 2;
        OfferFirstInPlaces(other, 1, from, 10, IsNewComputerClub, kEmptyEnds);
    }
}

}  // namespace

bool IsInJobOffers(int club)
{
    for (int entry : JobOffers) {
        if (entry == club)
            return true;
    }
    return false;
}

void PickJobOffersForJoblessCoach(int country, int coach)
{
    ClearJobOffers();
    if (!IsCoachIndex(coach) || LeagueCount() == 0)
        return;
    const TCoach& k = Coaches[coach];
    const int ownLeague = FindLeagueByCountry(country);
    const int lastClub = k.lastClub;
    const ClubTest fits = [lastClub](int club) { return IsNewComputerClub(club) && club != lastClub; };
    if (Game.DayKind == 3)
        OffersOnStateDays(ownLeague, WantedDivision(k, country, ownLeague), fits);
    else
        OffersOutsideStateDays(k, ownLeague, fits);
}

void PickJobOffersAfterSeason(int club)
{
    ClearJobOffers();
    if (!IsClubIndex(club))
        return;
    const TClub& c = Clubs[club];
    if (!(Random(100) > 10 && c.Division == 1 && LeagueCount() > 1 && c.boardConfidence > 80 && c.Place[1] < 5))
        return;
    const int ownLeague = FindLeagueByCountry(c.Country);
    const int other = RedrawUntilOther(Random(LeagueCount()), ownLeague);
    // A defined start when no merit rule applies: the search begins at the top.
    int range = MeritStartPlace(c, 1, 3, 4, 5);
    if (c.Place[3] < 4)
        range = 6;
    if (Random(100) > 98)
        range = 2;
    OfferFirstInPlaces(other, 1, Random(range) + 1, 10, IsComputerClub);

    if (c.Country != kStateCountry || DivisionCountOf(ownLeague) != 4 || c.Place[1] > 10)
        return;
    const ClubTest stateClub = [](int candidate) {
        return IsComputerClub(candidate) && (!Game.StateChampionshipsOn || Clubs[candidate].stateGroup != 0);
    };
    OfferFirstInPlaces(ownLeague, 4, 10 + Random(5), 4, stateClub);
    if (Random(100) > 30 && c.Place[1] == 1)
        OfferFirstInPlaces(ownLeague, 1, 2 + Random(4), 20, IsComputerClub);
    if (Random(100) >= 31)
        OfferFirstInPlaces(ownLeague, 1, 12 + Random(7), 20, IsComputerClub);
}

void PickJobOffersMidSeason(int club)
{
    ClearJobOffers();
    if (!IsClubIndex(club) || LeagueCount() == 0)
        return;
    const TClub& c = Clubs[club];
    const int ownLeague = FindLeagueByCountry(c.Country);
    const int drawnLeague = Random(LeagueCount());
    if (Game.LeagueFormat == 2)
        MidSeasonOfTwenty(c, ownLeague, drawnLeague);
    else if (Game.LeagueFormat == 4)
        MidSeasonOfTen(c, ownLeague, drawnLeague);
}

}  // namespace tarvelon
