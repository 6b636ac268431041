// The bracket views and the national-team tournament's tables on a small made-up game: the tie
// score texts, walks that stop where a bracket is not drawn yet, the group order that decided who
// went through, the host row checked, the stage texts and the national-team hub's turns.
#include <gtest/gtest.h>

#include <set>

#include "core/basics/datetime.h"
#include "core/matchday_rules/standings.h"
#include "core/records/cup_tie.h"
#include "core/season/calendar.h"
#include "core/views/cup_brackets.h"
#include "core/views/national_tournament.h"
#include "tests/core/views_world.h"

using namespace tarvelon;
using namespace tarvelon::viewsworld;

namespace {

class ViewsBrackets : public ::testing::Test {
protected:
    void SetUp() override
    {
        Build();
        while (Clubs.size() < 40) {
            TClub club{};
            club.name.set("Clube " + std::to_string(Clubs.size()));
            club.coach = -1;
            Clubs.push_back(club);
        }
    }
};

TFixture Leg(int kind, int region, int round, int home, int away)
{
    return MakeFixture(kind, region, round, 1, home, away, EncodeDate(2011, 5, 1));
}

// Both legs of a tie; played with the given goals when `played`.
void AddTie(int kind, int region, int round, int home, int away, bool played = false, int h1 = 0, int a1 = 0,
            int h2 = 0, int a2 = 0)
{
    Fixtures.push_back(Leg(kind, region, round, home, away));
    if (played)
        Play(Fixtures.back(), h1, a1, 1000, 1000);
    Fixtures.push_back(Leg(kind, region, round, away, home));
    if (played)
        Play(Fixtures.back(), h2, a2, 1000, 1000);
}

TEST_F(ViewsBrackets, TieScoresReadBothLegsFromTheFirstTeamsSideWithTheShootOut)
{
    TFixture first = Leg(2, 0, 1, 1, 2);
    TFixture second = Leg(2, 0, 1, 2, 1);
    EXPECT_EQ(TieScoreText(first, second), "");
    Play(first, 2, 1, 0, 0);
    EXPECT_EQ(TieScoreText(first, second), "2x1");
    Play(second, 3, 0, 0, 0);
    EXPECT_EQ(TieScoreText(first, second), "2x1-0x3");
    Play(first, 1, 0, 0, 0);
    Play(second, 1, 0, 0, 0);
    first.homeShootout = 4;
    first.awayShootout = 3;
    EXPECT_EQ(TieScoreText(first, second), "1x0-0x1;P:4x3");
    // Counts kept on the second leg are its home side's first: turned to team 1's side.
    first.homeShootout = first.awayShootout = 0;
    second.homeShootout = 5;
    second.awayShootout = 4;
    EXPECT_EQ(TieScoreText(first, second), "1x0-0x1;P:4x5");
}

TEST_F(ViewsBrackets, ANationalCupShowsItsDrawnRoundsAndNeverReadsAnotherCompetition)
{
    // A cup of 32 whose round of 32 is drawn and two ties played; its later rounds have no records
    // at all, and another competition's fixtures with known clubs follow in the table.
    for (int t = 0; t < 16; ++t)
        AddTie(2, 0, 1, 6 + t, 22 + t, t < 2, 2, 1, 3, 0);
    AddTie(1, 0, 2, 1, 2);
    AddTie(2, 1, 2, 3, 4);  // another league's cup, its round 2
    const NationalCupBracket bracket = NationalCupBracketOf(0);
    EXPECT_FALSE(bracket.sixteenEntrants);
    EXPECT_EQ(bracket.ties[0].team1, 6);
    EXPECT_EQ(bracket.ties[0].team2, 22);
    EXPECT_EQ(bracket.ties[0].score, "2x1-0x3");
    EXPECT_EQ(bracket.ties[2].score, "");
    EXPECT_EQ(bracket.ties[15].team1, 21);
    for (int t = 16; t < kNationalCupTies; ++t)
        EXPECT_FALSE(bracket.ties[t].Drawn()) << "tie " << t + 1;
    EXPECT_EQ(bracket.champion, -1);
    // A league index outside the table, or a cup with no fixtures, is all empty.
    EXPECT_FALSE(NationalCupBracketOf(7).ties[0].Drawn());
    Fixtures.clear();
    EXPECT_FALSE(NationalCupBracketOf(0).ties[0].Drawn());
}

TEST_F(ViewsBrackets, ACupOfSixteenStartsAtTheRoundOfSixteenAndListsItsClubsOneByOne)
{
    for (int t = 0; t < 8; ++t)
        AddTie(2, 0, 2, 6 + t, 14 + t);
    for (int t = 0; t < 4; ++t)
        AddTie(2, 0, 3, -1, -1);  // the quarter-finals, not drawn yet
    const NationalCupBracket bracket = NationalCupBracketOf(0);
    EXPECT_TRUE(bracket.sixteenEntrants);
    EXPECT_FALSE(bracket.ties[0].Drawn());
    EXPECT_EQ(bracket.ties[16].team1, 6);
    EXPECT_EQ(bracket.ties[23].team2, 21);
    EXPECT_FALSE(bracket.ties[24].Drawn());
    const auto column = SixteenEntrantsColumn(bracket);
    EXPECT_EQ(column[0], 6);
    EXPECT_EQ(column[1], 14);
    EXPECT_EQ(column[15], 21);
}

TEST_F(ViewsBrackets, AContinentalBracketReadsOnlyItsOwnEditionAndItsChampion)
{
    // Edition 1's knockout rounds are not drawn; edition 2's round of 16 is, and it follows.
    for (int round = 4; round <= 7; ++round)
        for (int t = 0; t < (1 << (7 - round)); ++t)
            AddTie(4, 1, round, -1, -1);
    for (int t = 0; t < 8; ++t)
        AddTie(4, 2, 4, 6 + t, 14 + t, t == 0, 1, 1, 2, 2);
    EXPECT_FALSE(ContinentalBracketOf(4, 1).ties[0].Drawn());
    const ContinentalBracket europe = ContinentalBracketOf(4, 2);
    EXPECT_EQ(europe.ties[0].team1, 6);
    EXPECT_EQ(europe.ties[0].score, "1x1-2x2");
    EXPECT_EQ(europe.ties[7].team2, 21);
    EXPECT_FALSE(europe.ties[8].Drawn());
    EXPECT_FALSE(ContinentalBracketOf(6, 2).ties[0].Drawn());
    EXPECT_FALSE(ContinentalBracketOf(3, 2).ties[0].Drawn());
}

void SetGroupRow(int club, int points, int wins, int goalsFor, int goalsAgainst, int place)
{
    TClub& c = Clubs[club];
    c.Points[7] = points;
    c.Played[7] = 3;
    c.Won[7] = wins;
    c.Lost[7] = 3 - wins - (points - 3 * wins);
    c.GoalsFor[7] = goalsFor;
    c.GoalsAgainst[7] = goalsAgainst;
    c.Place[7] = place;
}

TEST_F(ViewsBrackets, AGroupTableIsOrderedByPointsGoalDifferenceGoalsForAndWins)
{
    Game.NationalGroups[0][0] = 10;
    Game.NationalGroups[0][1] = 11;
    Game.NationalGroups[0][2] = 12;
    Game.NationalGroups[0][3] = 13;
    // 11, 12 and 13 on 3 points: 11 with three draws has the better goal difference and stands
    // above the two with a win.
    SetGroupRow(10, 7, 2, 6, 1, 1);
    SetGroupRow(11, 3, 0, 5, 2, 3);  // three draws
    SetGroupRow(12, 3, 1, 2, 4, 2);  // one win, two losses
    SetGroupRow(13, 3, 1, 2, 4, 4);  // level with 12 on everything
    const auto rows = TournamentGroupRows(7, 1);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].club, 10);
    EXPECT_EQ(rows[1].club, 11);
    EXPECT_EQ(std::set<int>({rows[2].club, rows[3].club}), std::set<int>({12, 13}));
    EXPECT_EQ(rows[0].place, "1º");
    EXPECT_EQ(rows[1].place, "2º");
    EXPECT_EQ(rows[2].place, "3º");
    EXPECT_EQ(rows[3].place, "");  // level with the row above
    EXPECT_EQ(rows[1].draws, 3);
    EXPECT_EQ(rows[2].goalDifference, -2);
    // Goals for before wins: two level on points and goal difference.
    SetGroupRow(11, 3, 1, 3, 5, 3);  // a win, GD -2, three goals
    const auto again = TournamentGroupRows(7, 1);
    EXPECT_EQ(again[1].club, 11);
    EXPECT_EQ(again[2].place, "3º");
    EXPECT_TRUE(TournamentGroupRows(8, 4).empty());  // the Copa América has groups A to C
}

TEST_F(ViewsBrackets, HostTablesAreReadThroughTheGamesHostRowAndChecked)
{
    Game.TournamentHost = 1;
    EXPECT_GE(TournamentHostCountry(7), 0);
    EXPECT_FALSE(TournamentHostCity(7, 8).empty());
    EXPECT_FALSE(TournamentHostCity(9, 4).empty());
    EXPECT_EQ(TournamentHostCity(9, 5), "");
    Game.TournamentHost = 12;  // past every table
    EXPECT_EQ(TournamentHostCountry(7), -1);
    EXPECT_EQ(TournamentHostCountry(8), -1);
    EXPECT_EQ(TournamentHostCity(7, 1), "");
    EXPECT_EQ(TournamentPositionVenue(8, 9), "");
    Game.TournamentHost = 0;
    EXPECT_EQ(TournamentHostCountry(9), -1);
}

TEST_F(ViewsBrackets, TheTableShowsTheDaysTournamentElseTheOneTheSeasonHolds)
{
    for (TCalendarEntry& day : Calendar)
        day.dayKind = 1;
    Game.DayKind = 8;
    EXPECT_EQ(ShownTournamentKind(), 8);
    Game.DayKind = 1;
    EXPECT_EQ(ShownTournamentKind(), 7);
    Calendar[80].dayKind = 9;
    EXPECT_EQ(ShownTournamentKind(), 9);
}

TEST_F(ViewsBrackets, TheStageTextNamesTheGroupRoundOrTheFinalThatTheTeamPlays)
{
    Clubs[10].NationalTeamGroup = 3;
    EXPECT_EQ(NationalStageText(7, 2, 10), "Grupo C - 2ª rodada");
    EXPECT_EQ(NationalStageText(7, 4, 10), "Oitavas de Final");
    EXPECT_EQ(NationalStageText(8, 4, 10), "Quartas de Final");
    NationalCupTies[15].firstTeam = 11;
    NationalCupTies[15].secondTeam = 10;
    EXPECT_EQ(NationalStageText(7, 7, 10), "Final");
    EXPECT_EQ(NationalStageText(7, 7, 12), "Decisão 3º lugar");
    NationalCupTies[7].firstTeam = 12;
    EXPECT_EQ(NationalStageText(9, 6, 12), "Final");
    EXPECT_EQ(NationalStageText(9, 6, 10), "Decisão 3º lugar");
    EXPECT_EQ(NationalStageText(9, 7, 10), "");
    EXPECT_EQ(NationalStageText(2, 1, 10), "");
}

TEST_F(ViewsBrackets, TheHubServesOnlyHumanNationsStillInTheTournament)
{
    Game.HumanNationCount = 3;
    Game.HumanNations[0] = 10;
    Game.HumanNations[1] = 11;
    Game.HumanNations[2] = 12;
    Clubs[10].NationalTeamCupEntry = 0;
    Clubs[11].NationalTeamCupEntry = 1;
    Clubs[12].NationalTeamCupEntry = 1;
    EXPECT_EQ(NextServedNation(1), 2);
    EXPECT_EQ(NextServedNation(3), 3);
    EXPECT_EQ(NextServedNation(4), 0);
    Game.HumanNations[2] = 500;  // outside the clubs
    EXPECT_EQ(NextServedNation(3), 0);
}

TEST_F(ViewsBrackets, TournamentTiesShowOnceTheirRoundIsReachedWithScoresFromTheFirstTeamsSide)
{
    NationalCupTies[1].firstTeam = 10;
    NationalCupTies[1].secondTeam = 11;
    TMatchReport report{};
    report.club[0] = 11;  // the first team played away
    report.club[1] = 10;
    report.goals[0] = 2;
    report.goals[1] = 3;
    report.kind = 8;
    report.round = 4;
    MatchReports.push_back(report);
    EXPECT_FALSE(TournamentBracketOf(8, 3)[8].Drawn());
    const auto bracket = TournamentBracketOf(8, 4);
    EXPECT_EQ(bracket[8].team1, 10);
    EXPECT_EQ(bracket[8].score, "3x2");
    EXPECT_EQ(bracket[8].report, static_cast<int>(MatchReports.size()) - 1);
    EXPECT_FALSE(bracket[0].Drawn());  // the Copa América has no last sixteen
    EXPECT_EQ(TournamentBracketOf(7, 4)[0].team1, 10);
    EXPECT_EQ(TournamentBracketOf(7, 4)[0].score, "");  // no World Cup match archived
}

}  // namespace
