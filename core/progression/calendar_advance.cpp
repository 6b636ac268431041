#include "core/progression/calendar_advance.h"

#include <algorithm>

#include "core/basics/currency.h"
#include "core/basics/random.h"
#include "core/basics/time_probe.h"
#include "core/career/coach_sacking.h"
#include "core/career/job_offer_walks.h"
#include "core/club_rosters.h"
#include "core/draws/club_world_cup.h"
#include "core/draws/state_championship.h"
#include "core/economy/ai_market.h"
#include "core/economy/between_rounds.h"
#include "core/economy/loans.h"
#include "core/economy/player_value.h"
#include "core/economy/squad_rules.h"
#include "core/hooks.h"
#include "core/match/computer_lineups.h"
#include "core/match/match_day.h"
#include "core/match/pitch_flags.h"
#include "core/match/referees.h"
#include "core/progression/post_round.h"
#include "core/records/matchday_globals.h"
#include "core/progression/club_money.h"
#include "core/progression/cup_prizes.h"
#include "core/progression/day_progression.h"
#include "core/progression/progression_services.h"
#include "core/progression/state_finals.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/season/competitions.h"
#include "core/tables.h"

namespace tarvelon {

int NextDayKind = -1;
bool HumanMatchToday = false;
int CallUpTeam = 0;
int AuctionRound = 0;
int AuctionPlayer = -1;

namespace {
// The advance of the day a game was left on does not carry into the next game.
const GameTableReset advanceReset([] {
    NextDayKind = -1;
    HumanMatchToday = false;
    CallUpTeam = 0;
    AuctionRound = 0;
    AuctionPlayer = -1;
});

constexpr int kFullSquad = 25;
constexpr int kStateFinalsOverStage = 8;
constexpr int kStateChampionshipsCountry = 29;

bool IsNationalTournament(int kind)
{
    return kind == kKindWorldCup || kind == kKindCopaAmerica || kind == kKindEurocopa;
}

// A day on which something is played: a competition, or a friendly day with a friendly pending.
bool IsPlayingDay(int day)
{
    const int kind = Calendar[day].dayKind;
    return kind > kKindFriendlies || (kind == kKindFriendlies && AnyFriendlyOnDate(day));
}

// The day reached and its kind; -1 when the calendar has no further playing day (the last entry
// is reached without one, or the season was already on it).
int MoveToNextDay()
{
    const int before = Game.DayIndex;
    AdvanceToNextMatchDate();
    if (Game.DayIndex == before || Game.DayIndex < 1 || Game.DayIndex > kCalendarDays || !IsPlayingDay(Game.DayIndex))
        return -1;
    return Calendar[Game.DayIndex].dayKind;
}

void CloseDayPlayed(int kind)
{
    ProgressionServices& services = Progression();
    if (kind == kKindStateChampionship && services.closeStateGroups)
        services.closeStateGroups();
    else if ((kind == kKindFirstContinentalCup || kind == kKindSecondContinentalCup) && services.closeContinentalGroups)
        services.closeContinentalGroups(kind);
    else if ((kind == kKindCopaAmerica || kind == kKindEurocopa) && services.closeNationalCupGroups)
        services.closeNationalCupGroups(kind);
}

// The day's live tables go: pitch flags of every player, line-ups and matches.
void ClearMatchdayLiveTables()
{
    ClearPitchFlags();
    ClearMatchdayTables();
    ResetMatchday(0);
}

void PrepareNationalTournamentDay()
{
    if (Game.TournamentSquadsReady != 0 || !IsNationalTournament(NextDayKind))
        return;
    if (Progression().prepareTournamentSquads)
        Progression().prepareTournamentSquads();
    Game.TournamentSquadsReady = 1;
    for (TPlayer& p : Players)
        p.Energy = 100;
}

void RevalueAtMidSeason()
{
    if (Game.MidSeasonRevalued != 0 || Game.LeagueRound != 1 || Game.LeagueTurn != 2)
        return;
    for (int player = 1; player < static_cast<int>(Players.size()); ++player)
        if (Players[player].Club >= 0)
            Players[player].Value = CurrencyFromUnits(ComputePlayerValue(player));
    Game.MidSeasonRevalued = 1;
}

}  // namespace

TransferCounts AiTransferCounts()
{
    const int d = Game.DayIndex;
    TransferCounts counts{2, 2};
    if (Game.LeagueFormat == kDivisionsOf10 || Game.LeagueFormat == kDivisionsOf20) {
        const bool ten = Game.LeagueFormat == kDivisionsOf10;
        const int first = ten ? 60 : 63;
        const int second = ten ? 93 : 120;
        const int third = ten ? 102 : 136;
        if (d < first) {
            counts = {3, 4};
        } else if (d < second) {
            counts = {1, 2};
        } else {
            const int base = d < third ? (ten ? 1 : 0) : (ten ? 3 : 2);
            counts.anyLeague = Random(3) + base;
            counts.stateLeague = Random(3) + base;
        }
    }
    if (Game.Season > 5) {
        counts.anyLeague += 3;
        counts.stateLeague += 3;
    }
    return counts;
}

namespace {

void RepeatAiTransfers(int country, int times)
{
    for (int i = 0; i < times; ++i)
        MakeAiTransfer(country);
}

void MakeRoundAiTransfers()
{
    const TimeProbe probe(RoundTransfersTime());
    const TransferCounts counts = AiTransferCounts();
    const int leagues = static_cast<int>(Leagues.size());
    RepeatAiTransfers(-1, counts.anyLeague);
    if (leagues > 1)
        RepeatAiTransfers(-1, counts.anyLeague);
    if (leagues > 4)
        RepeatAiTransfers(-1, counts.anyLeague);
    if (leagues > 1 && FindLeagueByCountry(kStateChampionshipsCountry) >= 0)
        RepeatAiTransfers(kStateChampionshipsCountry, counts.stateLeague);
}

CalendarExit ContinueAfterDay() { return HumanMatchToday ? ReturnToHub() : OpenNextMatchday(); }

CalendarExit AfterLeagueRound()
{
    if (!Game.InstantPlay) {
        OfferMidSeasonJobs();
        OfferJoblessCoachJobs();
    }
    SackFailingCoaches();
    UpdateHumanMatchToday();
    MakeRoundAiTransfers();
    return ContinueAfterDay();
}

void ShowStateChampions()
{
    DecideStateFinals();
    ExpectDismissalsWithoutDivision();
    if (Hooks().showStateChampions)
        Hooks().showStateChampions();
    DismissCoachesWithoutDivision();
}

CalendarExit AfterStateDay()
{
    for (TStateChampionship& state : StateChampionships)
        state.roundDone = 0;
    OfferJoblessCoachJobs();
    SackFailingCoaches();
    UpdateHumanMatchToday();
    if (Game.StateStage == kStateFinalsOverStage)
        ShowStateChampions();
    UpdateHumanMatchToday();
    return ContinueAfterDay();
}

int SquadCount(int club) { return static_cast<int>(PlayersOfClub(club).size()); }

bool NationCanFormSquad(int team)
{
    const int club = Game.HumanNations[team - 1];
    return IsClubEntry(club) && CanFormNationalSquad(Clubs[club].Country);
}

int HumanNationTeams() { return std::min(Game.HumanNationCount, 6); }

void OfferNationalCallUps()
{
    if (!NeedsNationalCallUp())
        return;
    for (int team = 1; team <= HumanNationTeams(); ++team) {
        if (!NationCanFormSquad(team))
            continue;
        CallUpTeam = team;
        if (Hooks().showNationalCallUp)
            Hooks().showNationalCallUp(team);
    }
}

int FirstHumanActiveState()
{
    for (int state = 0; state < kStateCount; ++state)
        if (StateChampionships[state].humanClubPresent && StateChampionships[state].active)
            return state;
    return 0;
}

}  // namespace

void UpdateHumanMatchToday()
{
    switch (NextDayKind) {
    case kKindFriendlies: HumanMatchToday = HumanFriendlyOnDate(Game.DayIndex); break;
    case kKindNationalLeague: HumanMatchToday = HasHumanClubs(); break;
    case kKindNationalCup: HumanMatchToday = AnyHumanClubInNationalCup(); break;
    case kKindStateChampionship: HumanMatchToday = AnyHumanClubInStateChampionship(); break;
    case kKindFirstContinentalCup: HumanMatchToday = AnyHumanClubInFirstContinentalCup(); break;
    case kKindClubWorldCup: HumanMatchToday = AnyHumanClubInClubWorldCupRound(); break;
    case kKindSecondContinentalCup: HumanMatchToday = AnyHumanClubInSecondContinentalCup(); break;
    case kKindWorldCup:
    case kKindCopaAmerica:
    case kKindEurocopa: HumanMatchToday = AnyHumanNationInTournament(); break;
    default: break;
    }
}

void EndTournamentCallUps()
{
    for (const TCallUp& callUp : CallUps)
        if (callUp.player >= 0 && callUp.player < static_cast<int>(Players.size()))
            Players[callUp.player].Club = callUp.club;
    PlayerClubsChanged();
    CallUps.clear();
    for (const int nation : Game.HumanNations) {
        if (nation <= 0 || !IsClubEntry(nation))
            continue;
        Clubs[nation].coach = -1;
        Clubs[nation].IsHuman = 0;
    }
    TournamentJustEnded = false;
}

bool NeedsNationalCallUp()
{
    int found = 0;
    for (int team = 1; team <= HumanNationTeams() && found == 0; ++team)
        if (NationCanFormSquad(team))
            found = team;
    if (found > 0)
        CallUpTeam = found;
    if (Game.TournamentCallUpDone)
        return false;
    Game.TournamentCallUpDone = 1;
    return found > 0;
}

bool AnyHumanSquadShort()
{
    for (int slot = 0; slot < std::min(Game.HumanClubCount, 6); ++slot) {
        const int club = Game.HumanClubs[slot];
        if (IsClubEntry(club) && SquadCount(club) < kFullSquad)
            return true;
    }
    return false;
}

CalendarExit ReturnToHub()
{
    if (IsNationalTournament(Game.DayKind)) {
        OfferNationalCallUps();
        return CalendarExit::NationalHub;
    }
    if (Game.DayKind == kKindNationalLeague) {
        AuctionRound = 0;
        if (AnyHumanSquadShort())
            AuctionRound = Random(4);
        if (AuctionRound >= 1) {
            AuctionPlayer = -1;
            return CalendarExit::Auction;
        }
    }
    return CalendarExit::Hub;
}

void PrepareTodaysLineupsAndLeague()
{
    const int kind = Game.DayKind;
    CurrentLeague = kind == kKindFirstContinentalCup || kind == kKindSecondContinentalCup ? 1 : 0;
    PrepareMatchdayLineups();
}

CalendarExit OpenNextMatchday()
{
    if (Game.DayKind == kKindStateChampionship) {
        CurrentState = FirstHumanActiveState();
        if (CurrentState == 0 && StateChampionships[0].groupCount == 0)
            CurrentState = StateShownWithoutHumanClubs();
    }
    PrepareTodaysLineupsAndLeague();
    return CalendarExit::NextMatchday;
}

CalendarExit OpenSeasonEnd()
{
    OfferSeasonEndJobs();
    return CalendarExit::SeasonEnd;
}

CalendarExit AdvanceCalendar()
{
    const int played = Game.DayKind;
    NextDayKind = -1;
    NextDayKind = MoveToNextDay();
    ReturnExpiredLoans(Calendar[std::clamp(Game.DayIndex, 1, kCalendarDays)].date);
    CloseDayPlayed(played);
    if (NextDayKind == kKindClubWorldCup && Game.ClubWorldCupStage == 1 && !DrawClubWorldCup())
        NextDayKind = -1;
    UpdateHumanMatchToday();
    Game.DayKind = NextDayKind;
    if (TournamentJustEnded)
        EndTournamentCallUps();
    CheckHumanClubsContracts();  // the players back from a tournament included
    ClearMatchdayLiveTables();
    DrawReferees();
    PrepareNationalTournamentDay();
    RevalueAtMidSeason();
    if (NextDayKind == -1)
        return OpenSeasonEnd();
    if (played == kKindNationalLeague)
        return AfterLeagueRound();
    if (played == kKindStateChampionship)
        return AfterStateDay();
    return ContinueAfterDay();
}

}  // namespace tarvelon
