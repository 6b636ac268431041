#include "core/progression/day_progression.h"

#include "core/draws/state_championship.h"
#include "core/records/match_records.h"
#include "core/records/matchday_globals.h"
#include "core/progression/brackets.h"
#include "core/progression/player_development.h"
#include "core/rollover/season_rollover.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kLastContinentalEdition = 2;
constexpr int kContinentalGroupRounds = 3;  // group rounds per turn
constexpr int kStateGroupRounds = 5;        // state group rounds per turn
constexpr int kFirstStateFinalStage = 6;
constexpr int kSecondStateFinalStage = 7;

bool IsContinentalKind(int kind) { return kind == kKindFirstContinentalCup || kind == kKindSecondContinentalCup; }

int LeagueCount() { return static_cast<int>(Leagues.size()); }

bool DayOfLeaguesOver(int kind)
{
    return IsContinentalKind(kind) ? CurrentLeague > kLastContinentalEdition : CurrentLeague >= LeagueCount();
}

void SkipLeaguesWithoutFirstCupStage()
{
    if (Game.DayKind != kKindNationalCup || Game.NationalCupStage != 1)
        return;
    while (CurrentLeague < LeagueCount() && FindFixture(CurrentLeague, kKindNationalCup, 1) < 0)
        ++CurrentLeague;
}

void NextLeagueRound()
{
    PlayerDevelopmentPass();
    ++Game.LeagueRound;
    const int roundsPerTurn = Game.LeagueFormat == kDivisionsOf10 ? 9 : 19;
    if (Game.LeagueRound <= roundsPerTurn)
        return;
    if (Game.LeagueTurn == 1) {
        Game.LeagueTurn = 2;
        Game.LeagueRound = 1;
    } else {
        SeasonMatchesOver = true;
    }
}

// Every cup day counts a round (the archive's round of the day), then the leg or the stage moves.
void NextNationalCupLeg()
{
    ++Game.nationalCupRound;
    if (Game.NationalCupLeg == 1) {
        Game.NationalCupLeg = 2;
    } else {
        ++Game.NationalCupStage;
        Game.NationalCupLeg = 1;
    }
}

struct CupCounters {
    int stage;
    int leg;
    int turn;
};

// Knockout (stage 4 on): leg 1, leg 2, next stage. Groups: three rounds per turn.
CupCounters NextContinentalDay(CupCounters c)
{
    if (c.stage >= 4) {
        if (c.leg == 1) {
            c.leg = 2;
        } else {
            ++c.stage;
            c.leg = 1;
        }
        return c;
    }
    ++c.stage;
    if (c.stage == kContinentalGroupRounds + 1 && c.turn == 1) {
        c.stage = 1;
        c.turn = 2;
    }
    return c;
}

void NextFirstContinentalDay()
{
    const CupCounters next =
        NextContinentalDay({Game.FirstContinentalStage, Game.FirstContinentalLeg, Game.FirstContinentalTurn});
    Game.FirstContinentalStage = next.stage;
    Game.FirstContinentalLeg = next.leg;
    Game.FirstContinentalTurn = next.turn;
}

void NextSecondContinentalDay()
{
    const CupCounters next =
        NextContinentalDay({Game.SecondContinentalStage, Game.SecondContinentalLeg, Game.SecondContinentalTurn});
    Game.SecondContinentalStage = next.stage;
    Game.SecondContinentalLeg = next.leg;
    Game.SecondContinentalTurn = next.turn;
}

void CloseLeagueCupDay()
{
    switch (Game.DayKind) {
    case kKindNationalLeague: NextLeagueRound(); break;
    case kKindNationalCup: NextNationalCupLeg(); break;
    case kKindFirstContinentalCup: NextFirstContinentalDay(); break;
    case kKindSecondContinentalCup: NextSecondContinentalDay(); break;
    default: break;
    }
}

bool LeagueIsShown(int league)
{
    const int kind = Game.DayKind;
    if (IsContinentalKind(kind))
        return true;
    const TLeague& l = Leagues[league];
    if (l.humanPresent || l.shown)
        return true;
    if (kind == kKindNationalLeague)
        return PickLeagueToShow() == league;
    return kind == kKindNationalCup && PickNationalCupLeagueToShow() == league;
}

bool IsStatePlaying(int state)
{
    const TStateChampionship& s = StateChampionships[state];
    return s.active && s.groupCount > 0;
}

// After the final legs the state record keeps both scores with the group winner (the second
// finalist's guest in the first leg, its host in the second) first.
void KeepStateFinalScore()
{
    if (Game.StateTurn != 2 || CurrentState < 0 || CurrentState >= kStateCount || MatchCount < 1)
        return;
    TStateChampionship& state = StateChampionships[CurrentState];
    const jogos& final = Matches[1];
    if (Game.StateStage == kFirstStateFinalStage) {
        state.finalGoals[0] = final.goals[1];
        state.finalGoals[1] = final.goals[0];
    } else if (Game.StateStage == kSecondStateFinalStage) {
        state.finalGoals[2] = final.goals[0];
        state.finalGoals[3] = final.goals[1];
    }
}

int NextStateOfTheDay()
{
    for (int state = 0; state < kStateCount; ++state)
        if (IsStatePlaying(state) && !StateChampionships[state].roundDone)
            return state;
    return -1;
}

bool AnyHumanStatePlaying()
{
    for (int state = 0; state < kStateCount; ++state)
        if (IsStatePlaying(state) && StateChampionships[state].humanClubPresent)
            return true;
    return false;
}

void NextStateStage()
{
    ++Game.StateStage;
    if (Game.StateStage == kStateGroupRounds + 1 && Game.StateTurn == 1) {
        Game.StateStage = 1;
        Game.StateTurn = 2;
    }
}

}  // namespace

int StateShownWithoutHumanClubs()
{
    for (const int state : {25, 18, 10})
        if (StateChampionships[state].active)
            return state;
    for (int state = 0; state < kStateCount; ++state)
        if (StateChampionships[state].active)
            return state;
    return 0;
}

NextMatchday LeagueCupAfterMatchday()
{
    ++CurrentLeague;
    return NextLeagueOrResults();
}

NextMatchday NextLeagueOrResults()
{
    SkipLeaguesWithoutFirstCupStage();
    if (DayOfLeaguesOver(Game.DayKind)) {
        CloseLeagueCupDay();
        return NextMatchday::Results;
    }
    return LeagueIsShown(CurrentLeague) ? NextMatchday::PlayShown : NextMatchday::PlaySilent;
}

NextMatchday StateChampionshipAfterMatchday()
{
    KeepStateFinalScore();
    if (CurrentState >= 0 && CurrentState < kStateCount)
        StateChampionships[CurrentState].roundDone = 1;
    const int next = NextStateOfTheDay();
    if (next >= 0) {
        CurrentState = next;
        return StateChampionships[next].humanClubPresent ? NextMatchday::PlayShown : NextMatchday::PlaySilent;
    }
    NextStateStage();
    if (!AnyHumanStatePlaying())
        CurrentState = StateShownWithoutHumanClubs();
    PlayerDevelopmentPass();
    return NextMatchday::Results;
}

NextMatchday FirstMatchdayOfToday()
{
    switch (Game.DayKind) {
    case kKindNationalLeague:
    case kKindNationalCup:
    case kKindFirstContinentalCup:
    case kKindSecondContinentalCup: return NextLeagueOrResults();
    default: return NextMatchday::PlayShown;
    }
}

NextMatchday ProgressAfterMatchday()
{
    switch (Game.DayKind) {
    case kKindNationalLeague:
    case kKindNationalCup:
    case kKindFirstContinentalCup:
    case kKindSecondContinentalCup: return LeagueCupAfterMatchday();
    case kKindStateChampionship: return StateChampionshipAfterMatchday();
    case kKindClubWorldCup: ClubWorldCupAfterMatchday(); break;
    case kKindWorldCup: WorldCupAfterMatchday(); break;
    case kKindCopaAmerica:
    case kKindEurocopa: ContinentalTournamentAfterMatchday(); break;
    default: break;
    }
    return NextMatchday::Results;
}

}  // namespace tarvelon
