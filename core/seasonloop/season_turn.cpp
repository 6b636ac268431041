#include "core/seasonloop/season_turn.h"

#include "core/career/career_state.h"
#include "core/career/coach_sacking.h"
#include "core/draws/state_championship.h"
#include "core/economy/between_rounds.h"
#include "core/economy/loans.h"
#include "core/history/history_lookups.h"
#include "core/hooks.h"
#include "core/match/computer_lineups.h"
#include "core/progression/post_round.h"
#include "core/records/match_records.h"
#include "core/match/referees.h"
#include "core/records/matchday_globals.h"
#include "core/records/session_globals.h"
#include "core/records/game_state.h"
#include "core/records/table_reset.h"
#include "core/rollover/season_rollover.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/season/competitions.h"
#include "core/tables.h"
#include "core/vocab/countries.h"

namespace tarvelon {

int SummaryLeague = 0;

namespace {
const GameTableReset summaryReset([] { SummaryLeague = 0; });

// The day the league starts when the national cup has nobody to play on its first day.
constexpr int kFirstLeagueDayWithoutCup = 45;
// States whose championship is shown first when state 0 has none: SP, then RJ, then MG.
constexpr int kShownStates[] = {25, 18, 10};

bool StateInPlay(int state)
{
    return state >= 0 && state < kStateCount && StateChampionships[static_cast<std::size_t>(state)].active != 0;
}

void DismissCoachesOutsideDivisions()
{
    for (int club = 0; club < Game.LeagueClubCount && club < static_cast<int>(Clubs.size()); ++club) {
        const TClub& c = Clubs[static_cast<std::size_t>(club)];
        if (!c.IsHuman || c.Division != 0 || HumanCoachKeepsJobOutsideDivisions(club))
            continue;
        CoachChangeClub = club;
        DismissHumanCoach();
    }
}

void OfferFriendlies(const std::function<void()>& offerPreseasonFriendlies)
{
    if (Game.InstantPlay || Game.HumanClubCount <= 0 || !offerPreseasonFriendlies)
        return;
    offerPreseasonFriendlies();
}

int StateShownOnFirstDay()
{
    if (CurrentState != 0 || StateChampionships[0].groupCount != 0)
        return CurrentState;
    for (int state : kShownStates)
        if (StateInPlay(state))
            return state;
    for (int state = 0; state < kStateCount; ++state)
        if (StateInPlay(state))
            return state;
    return CurrentState;
}

}  // namespace

int SummaryReferenceLeague()
{
    const int reference = Game.CurrentHumanClub >= 0 && Game.CurrentHumanClub < static_cast<int>(Clubs.size())
                              ? FindLeagueByCountry(Clubs[static_cast<std::size_t>(Game.CurrentHumanClub)].Country)
                              : FindLeagueByCountry(CountryBrazil);
    return reference >= 0 && reference < static_cast<int>(Leagues.size()) ? reference : 0;
}

bool NewSeasonCanStart() { return Game.Season < kLastSeason; }

void BeginSeasonSummary()
{
    SummarySeason = Game.Season;
    SummaryLeague = Leagues.size() > 1 ? SummaryReferenceLeague() : 0;
    if (!NewSeasonCanStart()) {
        // A season after it would be a game the loader refuses: its year has no calendar.
        if (Hooks().showMessage) Hooks().showMessage(kLastSeasonMessage);
        return;
    }
    Game.coachedNationalTeam = 0;
    NewSeasonRollover();
}

int FindCompetitionPlacing(int region, int place, int season, int kind)
{
    return FindPlacedClub(region, place, season, kind, 1);
}

bool HumanCoachKeepsJobOutsideDivisions(int club)
{
    const TClub& c = Clubs[static_cast<std::size_t>(club)];
    return c.Country == CountryBrazil && Game.RegionalFourthDivision && Game.StateChampionshipsOn &&
           c.stateGroup > 0 && StateInPlay(c.State);
}

bool HumanClubPlaysOnSeasonStart()
{
    switch (Game.DayKind) {
    case kKindFriendlies: return true;
    case kKindNationalLeague: return HasHumanClubs();
    case kKindNationalCup: return AnyHumanLeagueNationalCup();
    case kKindStateChampionship: return AnyHumanClubInStateChampionship();
    case kKindFirstContinentalCup: return AnyHumanClubInFirstContinentalCup();
    case kKindSecondContinentalCup: return AnyHumanClubInSecondContinentalCup();
    case kKindWorldCup: return AnyHumanNationInTournament();
    default: return false;
    }
}

SeasonStartScreen StartNewSeason(const std::function<void()>& offerPreseasonFriendlies)
{
    if (!NewSeasonCanStart())
        return SeasonStartScreen::Hub;
    DismissCoachesOutsideDivisions();
    Game.DayIndex = 1;
    Friendlies.clear();
    ReportEvents.clear();
    OfferFriendlies(offerPreseasonFriendlies);
    AdvanceToNextMatchDate();
    Game.DayKind = Calendar[static_cast<std::size_t>(Game.DayIndex)].dayKind;
    ReturnExpiredLoans(Calendar[static_cast<std::size_t>(Game.DayIndex)].date);
    CheckHumanClubsContracts();
    const bool humanPlays = HumanClubPlaysOnSeasonStart();
    DrawReferees();
    if (humanPlays)
        return SeasonStartScreen::Hub;
    if (Game.DayKind == kKindNationalCup && !AnyNationalCupScheduled()) {
        ++Game.NationalCupStage;
        Game.DayKind = kKindNationalLeague;
        Game.DayIndex = kFirstLeagueDayWithoutCup;
        SeasonStartPending = true;
        return SeasonStartScreen::Hub;
    }
    if (Game.DayKind == kKindStateChampionship)
        CurrentState = StateShownOnFirstDay();
    const bool continentalDay = Game.DayKind == kKindFirstContinentalCup || Game.DayKind == kKindSecondContinentalCup;
    CurrentLeague = continentalDay ? 1 : 0;
    PrepareMatchdayLineups();
    return SeasonStartScreen::Matchday;
}

}  // namespace tarvelon
