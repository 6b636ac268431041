#include "core/rollover/season_rollover.h"

#include <algorithm>

#include "core/records/cup_tie.h"
#include "core/records/table_reset.h"
#include "core/draws/national_cup.h"
#include "core/draws/national_tournaments.h"
#include "core/draws/qualifiers.h"
#include "core/draws/state_championship.h"
#include "core/records/history_records.h"
#include "core/records/match_records.h"
#include "core/records/appearance_records.h"
#include "core/rollover/club_range.h"
#include "core/rollover/divisions.h"
#include "core/rollover/player_ageing.h"
#include "core/rollover/rollover_services.h"
#include "core/rollover/season_money.h"
#include "core/season/calendar.h"
#include "core/season/fixtures.h"

namespace tarvelon {

std::int32_t SummarySeason = 0;
bool SeasonMatchesOver = false;

namespace {

// A game that ended after its last league round, before the rollover, must not hand its finished
// league over to the next game: that game's first table close would book a season's end.
const GameTableReset seasonEndReset([] {
    SummarySeason = 0;
    SeasonMatchesOver = false;
});

constexpr int kMinimumStart = 80;  // board confidence and supporters' mood start a season at least here

void ResetClubSeasonStart()
{
    for (std::size_t i = 0; i < Clubs.size(); ++i) {
        if (i < ClubFinances.size()) {
            const std::int32_t bankLoan = ClubFinances[i].bankLoan;
            ClubFinances[i] = TClubFinance{};
            ClubFinances[i].bankLoan = bankLoan;
            ClubFinances[i].loanAtSeasonStart = bankLoan;  // owed already: not this season's income
        }
        Clubs[i].boardConfidence = std::max(Clubs[i].boardConfidence, kMinimumStart);
        Clubs[i].SupportersMood = std::max(Clubs[i].SupportersMood, kMinimumStart);
    }
}

void EmptySeasonTables()
{
    ClearMatchArchive();
    GoalTallies.clear();
    AllTimeGoalTallies.clear();
    Appearances.clear();
    SubAppearances.clear();
    Lineups.clear();
    LineupCount = 0;
    Matches.clear();
    MatchVenues.clear();
    MatchCount = 0;
    Fixtures.clear();
}

void ClearSeasonStandings()
{
    for (TClub& club : Clubs) {
        for (auto* figure : {club.Points, club.Played, club.Won, club.Lost, club.GoalsFor, club.GoalsAgainst, club.Place})
            std::fill(figure, figure + kCompetitionKinds, 0);
    }
}

// Runs an installed service for clubs 0 .. count - 1.
void CallForClubs(int count, const std::function<void(int)>& service)
{
    if (!service) return;
    for (int club = 0; club < count; ++club) service(club);
}

void RestartStateChampionships()
{
    SwapStateChampionshipTiers();
    Game.StateTurn = 1;
    Game.StateStage = 1;
    for (int club = 0; club < std::min<int>(Game.LeagueClubCount, static_cast<int>(Clubs.size())); ++club)
        Clubs[static_cast<std::size_t>(club)].Place[kKindStateChampionship] = 0;
}

// The national-team tournament of the new year, each only when it is switched on.
void DrawNewYearTournament()
{
    if (Game.worldCupOn && IsWorldCupYear()) {
        Game.TournamentCallUpDone = 0;
        SetupWorldCup();
    }
    if (Game.copaAmericaOn && IsCopaAmericaYear()) {
        Game.TournamentCallUpDone = 0;
        DrawCopaAmerica();
    }
    if (Game.eurocopaOn && IsEurocopaYear()) {
        Game.TournamentCallUpDone = 0;
        DrawEurocopa();
    }
}

void BuildNewSeasonCompetitions(int seasonJustEnded)
{
    const int leagues = static_cast<int>(Leagues.size());
    if (leagues == 0) return;  // no played league: no fixtures, qualifiers or cups
    for (int league = 0; league < leagues; ++league) BuildCompetitionFixtures(kKindNationalLeague, league);
    if (Game.StateChampionshipsOn)
        for (int state = 0; state < kStateCount; ++state)
            if (StateChampionships[static_cast<std::size_t>(state)].active)
                BuildCompetitionFixtures(kKindStateChampionship, state);
    if (Game.nationalCupOn)
        for (int league = 0; league < leagues; ++league) BuildCompetitionFixtures(kKindNationalCup, league);
    if (Game.firstContinentalPairOn) BuildCountryTables(seasonJustEnded, true);
    if (Game.nationalCupOn)
        for (int league = 0; league < leagues; ++league) DrawNationalCup(league);
}

}  // namespace

void ClearMatchArchive()
{
    MatchReports.clear();
    ReportEvents.clear();
}

void NewSeasonRollover()
{
    Game.MidSeasonRevalued = 0;
    ResetClubSeasonStart();
    for (TCoach& coach : Coaches) coach.OfferPending = 1;
    for (int league = 0; league < static_cast<int>(Leagues.size()); ++league) RollOverDivisions(league);
    Game.nationalCupRound = 1;
    EmptySeasonTables();
    RenewPlayersForNewSeason();
    CallForClubs(LeagueAndExtraClubCount(), Rollover().recalcClubWageBill);
    if (Game.firstContinentalPairOn) ClearCupTieTeams(ClubWorldCupTies);
    if (Game.StateChampionshipsOn) RestartStateChampionships();
    Game.NationalCupStage = 1;
    Game.NationalCupLeg = 1;
    ClearSeasonStandings();
    SeasonMatchesOver = false;
    AgeAndRetirePlayers();
    CallForClubs(static_cast<int>(Clubs.size()), Rollover().listSurplusPlayers);
    ++Game.Season;
    for (auto& row : Game.tournamentRows) std::fill(std::begin(row), std::end(row), -1);
    for (TCoach& coach : Coaches) coach.nationalTeamCoach = 0;
    DrawNewYearTournament();
    BuildCalendar();
    BuildNewSeasonCompetitions(SummarySeason);
    PayNewSeasonMoney();
}

}  // namespace tarvelon
