#include "core/seasonloop/season_loop.h"

#include "core/lineup/hub_turns.h"
#include "core/match/computer_lineups.h"
#include "core/match/lineup_access.h"
#include "core/match/match_flags.h"
#include "core/matchday/matchday_driver.h"
#include "core/matchday_rules/end_of_matchday.h"
#include "core/matchday_rules/matchday_setup.h"
#include "core/matchday_rules/standings.h"
#include "core/records/session_globals.h"
#include "core/progression/calendar_advance.h"
#include "core/progression/day_progression.h"
#include "core/progression/knockout_ties.h"
#include "core/records/game_state.h"
#include "core/season/competition_kind.h"
#include "core/season/competitions.h"
#include "core/seasonloop/season_turn.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

// Today's computer line-ups are built (the matchday would open at once).
bool LineupsReady = false;
// Today's human line-ups were set by their coaches.
bool CoachesLineups = false;

// A game starts without line-ups of its day; the game loop opens its first matchday.
const GameTableReset seasonLoopReset([] { BeginSeasonLoop(false); });

void PlayAllTicks()
{
    for (int tick = 1; tick <= kLastMatchdayTick; ++tick)
        PlayMatchdayTick(tick);
}

// The matchday screen's own day: set up by the kind of the day, played tick by tick and booked.
void PlayShownMatchday()
{
    SilentMatchday = false;
    SetupMatchdayOfToday();
    PlayAllTicks();
    EndShownMatchday();
}

// The day's matchdays from its first on: those shown played as the screen plays them (each after
// the first of the day cleared of the last one's matches), the others at once.
void PlayDayFrom(NextMatchday next)
{
    for (bool dayBegun = next != NextMatchday::PlayShown;
         (next = PlayMatchdaysNotShown(next)) == NextMatchday::PlayShown; dayBegun = true) {
        if (dayBegun)
            ClearMatchday();
        PlayShownMatchday();
        next = ProgressAfterMatchday();
    }
}

// Today's line-ups ready, every match of the day played and booked, the tables closed for the results.
void PlayTodayToResults()
{
    PrepareTodaysMatchday();
    PlayDayFrom(FirstMatchdayOfToday());
    CloseTablesForResults();
}

bool IsNationalTeamDay() { return Game.DayKind >= kKindWorldCup; }

// The calendar advance (or the game's start) left the day to a hub: the club hub on a club's day of
// a game with human coaches (a national-team day opens the national hub instead).
bool ClubHubDue() { return !LineupsReady && Game.HumanClubCount > 0 && !IsNationalTeamDay(); }

void PassClubHub(const std::function<void()>& atClubHub)
{
    if (!ClubHubDue())
        return;
    if (atClubHub)
        atClubHub();
    else
        PassHubAutomatically();
}

DayOutcome PlayDayPassingHub(const SeasonWatch& watch)
{
    PassClubHub(watch.atClubHub);
    return PlayDayToNextScreen(watch.atResults) == CalendarExit::SeasonEnd ? DayOutcome::SeasonOver : DayOutcome::Played;
}

}  // namespace

void BeginSeasonLoop(bool lineupsReady)
{
    LineupsReady = lineupsReady;
    CoachesLineups = false;
}

void UseCoachesLineups() { CoachesLineups = true; }

void KickOffMatchday()
{
    PrepareTodaysLineupsAndLeague();
    BeginSeasonLoop(true);
    UseCoachesLineups();
}

void PrepareTodaysMatchday()
{
    // A hub would have opened: its kick-off sets up the day. A game or season that starts on a
    // matchday keeps SeasonStartPending until its first hub.
    if (!LineupsReady)
        PrepareTodaysLineupsAndLeague();
    LineupsReady = true;
    // The coaches' own line-ups stand when the hub kicked off; else they are chosen as the computer's.
    if (!CoachesLineups)
        BuildHumanLineupsAutomatically();
    CoachesLineups = false;
}

bool BeginShownMatchdayOfToday()
{
    PrepareTodaysMatchday();
    const NextMatchday first = FirstMatchdayOfToday();
    if (PlayMatchdaysNotShown(first) != NextMatchday::PlayShown)
        return false;
    if (first != NextMatchday::PlayShown)
        ClearMatchday();
    SilentMatchday = false;
    SetupMatchdayOfToday();
    return true;
}

void PlaySilentMatchday()
{
    ClearMatchday();
    SilentMatchday = true;
    if (Game.DayKind == kKindStateChampionship)
        SimulateStateMatchdaySilent(ResolveKnockoutStage);
    else
        SimulateMatchdayInstant(Game.DayKind, ResolveKnockoutStage);
}

NextMatchday PlayMatchdaysNotShown(NextMatchday next)
{
    for (; next == NextMatchday::PlaySilent; next = ProgressAfterMatchday())
        PlaySilentMatchday();
    return next;
}

void EndShownMatchday() { EndOfMatchday(ResolveKnockoutStage); }

void CloseTablesForResults()
{
    if (Game.DayKind == kKindNationalLeague)
        CloseLeagueTables();
    else if (Game.DayKind == kKindWorldCup)
        CloseWorldCupGroups();
}

// A side that does not play today keeps its coach's tactics: they are saved with the club and
// stand for his next match.
void ChooseForHumanSide(int side)
{
    BuildCpuLineup(side);
    ChooseCpuTactics(side);
}

void BuildHumanLineupsAutomatically()
{
    if (IsNationalTeamDay()) {
        for (int i = 0; i < Game.HumanNationCount && i < 6; ++i)
            if (const TClub* nation = ClubAt(Game.HumanNations[i]); nation && Game.HumanNations[i] > 0 && nation->NationalTeamCupEntry != 0)
                ChooseForHumanSide(Game.HumanNations[i]);
        return;
    }
    for (int i = 0; i < Game.HumanClubCount && i < 6; ++i)
        if (Game.HumanClubs[i] >= 0 && ClubPlaysToday(Game.DayKind, Game.HumanClubs[i]))
            ChooseForHumanSide(Game.HumanClubs[i]);
}

DayOutcome PlayDay(const std::function<void()>& atResults)
{
    SeasonWatch watch;
    watch.atResults = atResults;
    return PlayDayPassingHub(watch);
}

void PlayDayToResults()
{
    PassClubHub({});
    PlayTodayToResults();
}

CalendarExit PlayDayToNextScreen(const std::function<void()>& atResults)
{
    PlayTodayToResults();
    if (atResults)
        atResults();
    const CalendarExit exit = AdvanceCalendar();
    LineupsReady = exit == CalendarExit::NextMatchday;
    return exit;
}

int PlaySeasonDays(const SeasonWatch& watch)
{
    int days = 0;
    for (DayOutcome outcome = DayOutcome::Played; outcome == DayOutcome::Played;) {
        outcome = PlayDayPassingHub(watch);
        ++days;
        if (watch.afterDay)
            watch.afterDay();
    }
    if (watch.atSeasonEnd)
        watch.atSeasonEnd();
    return days;
}

void TurnToNewSeason()
{
    BeginSeasonSummary();
    LineupsReady = StartNewSeason() == SeasonStartScreen::Matchday;
}

int PlaySeason(const SeasonWatch& watch)
{
    const int days = PlaySeasonDays(watch);
    TurnToNewSeason();
    return days;
}

}  // namespace tarvelon
