#include "core/newgame/start_game.h"

#include "core/basics/random.h"
#include "core/club_rosters.h"
#include "core/draws/club_catalogue.h"
#include "core/draws/national_cup.h"
#include "core/draws/national_tournaments.h"
#include "core/draws/state_championship.h"
#include "core/career/career_state.h"
#include "core/economy/player_value.h"
#include "core/hooks.h"
#include "core/records/history_records.h"
#include "core/mail/mail.h"
#include "core/match/computer_lineups.h"
#include "core/records/match_records.h"
#include "core/match/referees.h"
#include "core/records/matchday_globals.h"
#include "core/newgame/builder_tables.h"
#include "core/newgame/club_tables.h"
#include "core/newgame/read_options.h"
#include "core/records/session_globals.h"
#include "core/season/calendar.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

// The day the league starts when the national cup has nobody to play on its first day.
constexpr int kFirstLeagueDayWithoutCup = 45;
// The states whose championship is shown first when no human club plays one: SP, then RJ, then MG.
constexpr int kShownStates[] = {25, 18, 10};

void SetStartingCounters()
{
    Game.DayIndex = 1;
    Game.LeagueRound = 1;
    Game.LeagueTurn = 1;
    Game.NationalCupStage = 1;
    Game.nationalCupRound = 1;
    Game.NationalCupLeg = 1;
    Game.Season = 1;
    Game.StateTurn = 1;
    Game.StateStage = 1;
    Game.CurrentHumanCoach = Game.CurrentHumanClub;
    Game.saveVersion = kSaveVersion;
    if (Game.playedCountry == CustomCountry)
        Game.ExtraClubCount = 0;
}

void EmptyWorkingTables()
{
    Lineups.clear();
    LineupCount = 0;
    ClubCatalogue.clear();
    NewGameClubHeaders.clear();
    NewGameClubSquads.clear();
    ClubFileNames.clear();
    ClearJobOffers();
    Players[0].Club = -1;
    PlayerClubsChanged();
}

bool StatePlayed(int state) { return StateChampionships[state].active != 0; }

void BuildSeasonFixtures()
{
    const int leagues = static_cast<int>(Leagues.size());
    for (int league = 0; league < leagues; ++league)
        BuildCompetitionFixtures(kKindNationalLeague, league);
    if (Game.StateChampionshipsOn)
        for (int state = 0; state < kStateCount; ++state)
            if (StatePlayed(state))
                BuildCompetitionFixtures(kKindStateChampionship, state);
    if (Game.nationalCupOn)
        for (int league = 0; league < leagues; ++league)
            BuildCompetitionFixtures(kKindNationalCup, league);
}

void GoToFirstMatchDay()
{
    Game.DayIndex = 1;
    AdvanceToNextMatchDate();
    NationalCupLeague = -1;
    Game.DayKind = Calendar[Game.DayIndex].dayKind;
}

// Every player, the empty element 0 included, signs for 10 to 39 weeks from the first match day.
void SignStartingContracts()
{
    for (int player = 0; player < static_cast<int>(Players.size()); ++player)
        SetContractWeeks(Random(30) + 10, player);
}

void SendWelcomeMails()
{
    for (int club : Game.HumanClubs)
        if (club >= 0)
            SendMail(club, mkWelcome, 0, 0, 0, 0);
}

FirstScreen FirstScreenOfCupDay()
{
    if (AnyHumanLeagueNationalCup())
        return FirstScreen::Hub;
    if (AnyNationalCupScheduled()) {
        CurrentLeague = 0;
        PrepareMatchdayLineups();
        return FirstScreen::Matchday;
    }
    ++Game.NationalCupStage;
    Game.DayKind = kKindNationalLeague;
    Game.DayIndex = kFirstLeagueDayWithoutCup;
    return FirstScreen::Hub;
}

int StateShownFirst()
{
    for (int state : kShownStates)
        if (StatePlayed(state))
            return state;
    for (int state = 0; state < kStateCount; ++state)
        if (StatePlayed(state))
            return state;
    return CurrentState;
}

FirstScreen FirstScreenOfStateDay()
{
    if (AnyHumanClubInStateChampionship())
        return FirstScreen::Hub;
    CurrentState = StateShownFirst();
    PrepareMatchdayLineups();
    return FirstScreen::Matchday;
}

}  // namespace

void BuildCompetitionList()
{
    Competitions.clear();
    Competitions.push_back({kKindFriendlies, -1, -1});
    for (const TLeague& league : Leagues)
        for (int division = 1; division <= league.divisionCount; ++division)
            Competitions.push_back({kKindNationalLeague, league.country, division});
    if (Game.nationalCupOn)
        for (const TLeague& league : Leagues)
            Competitions.push_back({kKindNationalCup, league.country, -1});
    if (Game.StateChampionshipsOn)
        for (int state = 0; state < kStateCount; ++state)
            if (StatePlayed(state))
                for (int group = 1; group <= StateChampionships[state].groupCount; ++group)
                    Competitions.push_back({kKindStateChampionship, state, group});
    if (Game.firstContinentalPairOn) {
        Competitions.push_back({kKindFirstContinentalCup, -1, 0});
        Competitions.push_back({kKindFirstContinentalCup, -1, 1});
        Competitions.push_back({kKindClubWorldCup, -1, -1});
    }
    if (Game.secondContinentalPairOn) {
        Competitions.push_back({kKindSecondContinentalCup, -1, 0});
        Competitions.push_back({kKindSecondContinentalCup, -1, 1});
    }
    if (Game.worldCupOn)
        Competitions.push_back({kKindWorldCup, -1, -1});
    if (Game.copaAmericaOn)
        Competitions.push_back({kKindCopaAmerica, -1, -1});
    if (Game.eurocopaOn)
        Competitions.push_back({kKindEurocopa, -1, -1});
}

FirstScreen ChooseFirstScreen()
{
    switch (Game.DayKind) {
    case kKindNationalCup: return FirstScreenOfCupDay();
    case kKindStateChampionship: return FirstScreenOfStateDay();
    case kKindWorldCup:
    case kKindCopaAmerica:
    case kKindEurocopa: return FirstScreen::NationalTeamHub;
    default: return FirstScreen::Hub;
    }
}

FirstScreen StartNewGame()
{
    ReportNewGameProgress(10);
    BuildNewGameTables();
    ReportNewGameProgress(40);
    ReadOptions();
    SetStartingCounters();
    PastMatches.clear();
    MatchReports.clear();
    Game.DayKind = Game.StateChampionshipsOn ? kKindStateChampionship : kKindNationalLeague;
    ReportNewGameProgress(60);
    EmptyWorkingTables();
    BuildCalendar();
    ReportNewGameProgress(70);
    BuildSeasonFixtures();
    BuildCompetitionList();
    ReportNewGameProgress(80);
    if (Game.nationalCupOn)
        for (int league = 0; league < static_cast<int>(Leagues.size()); ++league)
            DrawNationalCup(league);
    GoToFirstMatchDay();
    SignStartingContracts();
    if (Game.worldCupOn)
        SetupWorldCup();
    DrawReferees();
    AutosaveCounter = 0;
    SeasonStartPending = 1;
    SendWelcomeMails();
    ReportNewGameProgress(100);
    return ChooseFirstScreen();
}

}  // namespace tarvelon
