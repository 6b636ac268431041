// Whole new games built headless from a database of club files written by the test: the tables
// must hold together (players, coaches, fixtures, competitions, contracts), the first screen must
// be the one the rules give, and the same seed must build the same game.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/basics/random.h"
#include "core/draws/club_catalogue.h"
#include "core/draws/state_championship.h"
#include "core/hooks.h"
#include "core/records/match_records.h"
#include "core/records/matchday_globals.h"
#include "core/newgame/builder_tables.h"
#include "core/newgame/new_game_setup.h"
#include "core/season/calendar.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "tests/core/newgame_checks.h"
#include "tests/core/newgame_database.h"

using namespace tarvelon;
using namespace tarvelon::newgamecheck;

namespace {

class NewGameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testdb::WriteDatabase(folder_.path(), testdb::SmallWorld());
        SetProgramFolder(folder_.path());  // no settings file: every option takes its default
        Hooks().showMessage = [this](const std::string& text) { messages_.push_back(text); };
        RandSeed = 20240607;
    }
    void TearDown() override { Hooks().showMessage = [](const std::string&) {}; }

    testdb::GameFolder folder_;
    std::vector<std::string> messages_;
};

NewGameChoices OneCoach(std::vector<int> countries, const std::string& clubFile)
{
    NewGameChoices choices;
    choices.countries = std::move(countries);
    choices.humanCoaches = {{"Ana Treinadora", clubFile}};
    return choices;
}

NewGameChoices OnlyTheLeague(int country, const std::string& clubFile)
{
    NewGameChoices choices = OneCoach({country}, clubFile);
    choices.nationalCup = false;
    choices.firstContinentalPair = choices.secondContinentalPair = false;
    choices.worldCup = choices.eurocopa = choices.copaAmerica = false;
    return choices;
}


TEST_F(NewGameTest, OneLeagueOnlyOpensTheHubOnItsFirstLeagueDay)
{
    const std::string clubFile = testdb::ClubFileBase(11, 3) + ".tcf";
    ASSERT_EQ(StartNewGame(OnlyTheLeague(11, clubFile)), FirstScreen::Hub);
    EXPECT_TRUE(messages_.empty());

    ASSERT_EQ(Leagues.size(), 1u);
    EXPECT_EQ(Leagues[0].country, 11);
    EXPECT_EQ(Leagues[0].divisionCount, 4);  // 44 clubs, divisions of 10
    EXPECT_EQ(Leagues[0].clubCount, 44);
    EXPECT_EQ(Game.LeagueClubCount, 44);
    EXPECT_EQ(Game.LeagueFormat, 4);
    EXPECT_EQ(Game.playedCountry, 29);  // the chooser's hidden list starts on Brazil
    EXPECT_EQ(Game.DayKind, 1);
    EXPECT_EQ(Game.DayIndex, 45);
    EXPECT_EQ(Game.Season, 1);
    EXPECT_EQ(Game.saveVersion, 10);
    EXPECT_TRUE(SameCompetitions(Competitions, CompetitionsOf({{0, -1, -1}, {1, 11, 1}, {1, 11, 2}, {1, 11, 3}, {1, 11, 4}})));

    // Extra clubs: Brazil (position 1) brings its 14 best, Italy 10, every small country all it has.
    int brazilian = 0;
    for (int c = Game.LeagueClubCount; c < Game.LeagueClubCount + Game.ExtraClubCount; ++c)
        brazilian += Clubs[c].Country == 29;
    EXPECT_EQ(brazilian, 14);
    EXPECT_EQ(Game.ExtraClubCounts[0], 14);
    EXPECT_EQ(Game.ExtraClubCounts[11], 10);  // Itália, position 12
    EXPECT_EQ(Game.ExtraClubCounts[2], 12);   // Uruguai has 12 files, its quota is 12
    EXPECT_EQ(Game.ExtraClubCounts[15], 10);  // Inglaterra has 13 files, its quota is 10
    // Brazil, Italy, Uruguai, Paraguai, Colômbia, Espanha, Alemanha, Inglaterra and, past the rows of
    // the game state, Rep. Dem. Congo (position 53) with all of its 10 files.
    EXPECT_EQ(Game.ExtraClubCount, 14 + 10 + 12 + 12 + 12 + 8 + 9 + 10 + 10);
    EXPECT_EQ(Clubs[Game.ExtraClubRows[1][0]].Level, 25);  // Brazil's best club first
    EXPECT_EQ(Clubs[Game.ExtraClubRows[1][0]].Division, 1);
    EXPECT_EQ(Game.ExtraClubRows[1][14], -1);
    EXPECT_TRUE(NationalTeams.empty());

    // The human club and its coach.
    const int human = Game.HumanClubs[0];
    ASSERT_TRUE(IsClub(human));
    EXPECT_EQ(Clubs[human].name.str(), "Clube 11-3");
    EXPECT_EQ(Game.CurrentHumanClub, human);
    EXPECT_EQ(Game.CurrentHumanCoach, human);
    EXPECT_EQ(Game.HumanCoachSlots[0], human);
    EXPECT_EQ(Coaches[human].name.str(), "Ana Treinadora");
    EXPECT_EQ(Coaches[human].human, 1);
    const TCoach& freed = Coaches[Clubs.size()];
    EXPECT_EQ(freed.name.str(), "Técnico 11-3");
    EXPECT_EQ(freed.club, -1);
    EXPECT_EQ(Leagues[0].humanPresent, 1);
    ASSERT_EQ(MailMessages.size(), 1u);
    EXPECT_EQ(MailMessages[0].recipientClub, human);

    ExpectSquadsConsistent(22);
    ExpectFixturesName({1});
    ExpectStartingContracts();
    EXPECT_TRUE(CustomChampionshipClubs.empty());
    EXPECT_TRUE(ClubFileNames.empty());
}

TEST_F(NewGameTest, BrazilWithStatesCupAndContinentalCups)
{
    NewGameChoices choices = OneCoach({29, 11}, testdb::ClubFileBase(29, 0) + ".tcf");
    choices.leagueFormat = kLeagueFormatDivisionsOf20;
    choices.stateChampionships = true;
    choices.worldCup = choices.eurocopa = choices.copaAmerica = false;
    ASSERT_EQ(StartNewGame(choices), FirstScreen::Hub);  // the human club plays the state championship

    EXPECT_EQ(Game.StateChampionshipsOn, 1);
    EXPECT_EQ(Game.cupName.str(), "Copa do Brasil");
    EXPECT_EQ(Game.firstContinentalPairOn, 1);
    EXPECT_EQ(Game.secondContinentalPairOn, 1);
    EXPECT_EQ(Game.DayKind, 3);
    EXPECT_EQ(Game.DayIndex, 9);
    // 140 Brazilian clubs and enough state clubs: the fourth division is the regional one.
    EXPECT_EQ(Game.RegionalFourthDivision, 1);
    ASSERT_EQ(Leagues.size(), 2u);
    EXPECT_EQ(Leagues[0].country, 11);
    EXPECT_EQ(Leagues[1].country, 29);
    EXPECT_EQ(Leagues[1].divisionCount, 3);
    EXPECT_EQ(Leagues[0].divisionCount, 2);

    std::vector<TCompetition> expected{{0, -1, -1}, {1, 11, 1}, {1, 11, 2}, {1, 29, 1}, {1, 29, 2}, {1, 29, 3},
                                       {2, 11, -1}, {2, 29, -1}};
    for (int state = 0; state < kStateCount; ++state)
        for (int g = 1; g <= StateChampionships[state].groupCount; ++g)
            expected.push_back({3, state, g});
    for (TCompetition c : {TCompetition{4, -1, 0}, {4, -1, 1}, {5, -1, -1}, {6, -1, 0}, {6, -1, 1}})
        expected.push_back(c);
    EXPECT_TRUE(SameCompetitions(Competitions, expected));
    int states = 0;
    for (const TStateChampionship& s : StateChampionships)
        states += s.active;
    EXPECT_EQ(states, 5);
    EXPECT_EQ(StateChampionships[Clubs[Game.HumanClubs[0]].State].humanClubPresent, 1);

    // The national cups' first ties are drawn between real clubs.
    int firstTies = 0;
    for (const TFixture& f : Fixtures)
        if (f.kind == 2 && f.round == 1) {
            ++firstTies;
            EXPECT_TRUE(IsClub(f.home) && IsClub(f.away));
        }
    EXPECT_GT(firstTies, 0);

    ExpectSquadsConsistent(22);
    ExpectFixturesName({1, 3});
    ExpectStartingContracts();
}

TEST_F(NewGameTest, ARegionalClubCanBeChosenAndPlaysItsStateChampionship)
{
    // Brazil's 60 best clubs fill three divisions of 20; every other Brazilian club plays in a
    // state group and is offered in the regional division.
    NewGameChoices choices = OneCoach({29}, testdb::ClubFileBase(29, 100) + ".tcf");
    choices.leagueFormat = kLeagueFormatDivisionsOf20;
    choices.stateChampionships = true;
    ASSERT_EQ(StartNewGame(choices), FirstScreen::Hub);
    const int human = Game.HumanClubs[0];
    ASSERT_TRUE(IsClub(human));
    EXPECT_EQ(Clubs[human].Division, 0);
    EXPECT_EQ(Clubs[human].StateEntry, 1);
    EXPECT_EQ(StateChampionships[Clubs[human].State].humanClubPresent, 1);
    for (int slot = 0; slot < 20; ++slot)
        EXPECT_EQ(Leagues[0].divisions[3][slot], -1);
    // A regional club starts with the cash of division 0 and the state championships on.
    EXPECT_EQ(CurrencyUnits(Clubs[human].cash), 2500000);
}

TEST_F(NewGameTest, TheCoachScreensOfferTheDivisionsTheyShow)
{
    // Divisions of 20 in a custom championship are offered on the radio-button screen, which shows
    // three divisions; the drop-down screen of a real league shows all four.
    NewGameChoices custom = OneCoach({11, 104, 195}, "");
    custom.customChampionship = true;
    custom.leagueFormat = kLeagueFormatDivisionsOf20;
    BeginNewGameSetup();
    ListNewGameClubFiles();
    ASSERT_TRUE(SetUpCustomChampionship(custom));
    PrepareHumanCoachSetup();
    ASSERT_EQ(Leagues[0].divisionCount, 4);
    EXPECT_TRUE(IsClubOfferedToHumanCoach(Leagues[0].divisions[2][19]));
    EXPECT_FALSE(IsClubOfferedToHumanCoach(Leagues[0].divisions[3][0]));
    EXPECT_FALSE(ChooseHumanClub(1, Leagues[0].divisions[3][0], "Zé"));

    NewGameChoices real = OneCoach({29, 11, 104}, "");
    real.leagueFormat = kLeagueFormatDivisionsOf20;
    BeginNewGameSetup();
    ListNewGameClubFiles();
    ASSERT_TRUE(SetUpPlayedLeagues(real));
    PrepareHumanCoachSetup();
    const int brazil = FindLeagueByCountry(29);
    ASSERT_EQ(Leagues[brazil].divisionCount, 4);
    EXPECT_EQ(Game.RegionalFourthDivision, 0);  // no state championships, no regional division
    const int fourth = Leagues[brazil].divisions[3][0];
    EXPECT_TRUE(IsClubOfferedToHumanCoach(fourth));
    EXPECT_TRUE(ChooseHumanClub(1, fourth, "Zé"));
    EXPECT_FALSE(ChooseHumanClub(2, fourth, "Outro"));
    EXPECT_EQ(Leagues[brazil].humanPresent, 1);
    EXPECT_EQ(HumanCoachNames[0].str(), "Zé");
    // A club that no division holds (Brazil has 140 clubs) is not offered.
    int outside = -1;
    for (int c = 0; c < Game.LeagueClubCount && outside < 0; ++c)
        if (Clubs[c].Division == 0)
            outside = c;
    ASSERT_GE(outside, 0);
    EXPECT_FALSE(IsClubOfferedToHumanCoach(outside));
}

TEST_F(NewGameTest, NoHumanClubInTheStatesOpensTheMatchdayOfSaoPaulo)
{
    NewGameChoices choices = OneCoach({29, 11}, testdb::ClubFileBase(11, 0) + ".tcf");
    choices.leagueFormat = kLeagueFormatDivisionsOf20;
    choices.stateChampionships = true;
    ASSERT_EQ(StartNewGame(choices), FirstScreen::Matchday);
    EXPECT_EQ(CurrentState, 25);
    EXPECT_EQ(Game.DayKind, 3);
    EXPECT_GT(Lineups.size(), 0u);
}

TEST_F(NewGameTest, CupFirstOpensTheHubOfALeagueWithACupTie)
{
    // Divisions of 10 play the cup before the league; four divisions of 10 start the cup at stage 1.
    NewGameChoices choices = OnlyTheLeague(11, testdb::ClubFileBase(11, 1) + ".tcf");
    choices.nationalCup = true;
    ASSERT_EQ(StartNewGame(choices), FirstScreen::Hub);
    EXPECT_EQ(Game.DayKind, 2);
    EXPECT_EQ(Game.DayIndex, 34);
    EXPECT_EQ(Game.NationalCupStage, 1);
    EXPECT_EQ(Game.cupName.str(), "Copa do Brasil");  // named after the chooser's country, Brazil
    EXPECT_TRUE(SameCompetitions(Competitions, CompetitionsOf({{0, -1, -1}, {1, 11, 1}, {1, 11, 2}, {1, 11, 3}, {1, 11, 4}, {2, 11, -1}})));
}

TEST_F(NewGameTest, CupFirstWithoutAnyFirstStageTieSkipsToTheLeague)
{
    // 24 clubs make two divisions of 10, whose cup starts at stage 2: nothing is played on day 34.
    NewGameChoices choices = OnlyTheLeague(46, testdb::ClubFileBase(46, 1) + ".tcf");
    choices.nationalCup = true;
    ASSERT_EQ(StartNewGame(choices), FirstScreen::Hub);
    EXPECT_EQ(Game.DayKind, 1);
    EXPECT_EQ(Game.DayIndex, 45);
    EXPECT_EQ(Game.NationalCupStage, 2);
}

TEST_F(NewGameTest, CupFirstWithOnlyOtherLeaguesPlayingOpensTheMatchday)
{
    NewGameChoices choices = OnlyTheLeague(46, testdb::ClubFileBase(46, 1) + ".tcf");
    choices.countries = {46, 11};
    choices.nationalCup = true;
    ASSERT_EQ(StartNewGame(choices), FirstScreen::Matchday);
    EXPECT_EQ(Game.DayKind, 2);
    EXPECT_EQ(CurrentLeague, 0);
    EXPECT_GT(Lineups.size(), 0u);
}

TEST_F(NewGameTest, CustomChampionshipPoolsTheTickedCountries)
{
    NewGameChoices choices = OneCoach({11, 104, 195}, testdb::ClubFileBase(104, 5) + ".tcf");
    choices.customChampionship = true;
    choices.leagueFormat = kLeagueFormatDivisionsOf20;
    ASSERT_EQ(StartNewGame(choices), FirstScreen::Hub);

    const int pooled = 44 + 44 + (6 + 195 % 9);
    EXPECT_EQ(Game.playedCountry, 202);
    EXPECT_EQ(Game.LeagueClubCount, pooled);
    EXPECT_EQ(Game.ExtraClubCount, 0);
    EXPECT_EQ(static_cast<int>(Clubs.size()), pooled);
    EXPECT_EQ(Game.cupName.str(), "Copa Internacional");
    EXPECT_EQ(Game.worldCupOn + Game.eurocopaOn + Game.copaAmericaOn + Game.StateChampionshipsOn, 0);
    ASSERT_EQ(Leagues.size(), 1u);
    EXPECT_EQ(Leagues[0].country, 202);
    EXPECT_EQ(Leagues[0].clubCount, pooled);
    EXPECT_EQ(Leagues[0].divisionCount, 4);
    for (const TClub& club : Clubs)
        EXPECT_EQ(club.Country, 202);
    EXPECT_TRUE(SameCompetitions(Competitions, CompetitionsOf({{0, -1, -1}, {1, 202, 1}, {1, 202, 2}, {1, 202, 3}, {1, 202, 4}, {2, 202, -1}})));
    ExpectSquadsConsistent(22);
    ExpectFixturesName({1});
    ExpectStartingContracts();
}

TEST_F(NewGameTest, CustomChampionshipNeedsFortyTwoClubs)
{
    NewGameChoices choices = OneCoach({195, 150}, testdb::ClubFileBase(195, 0) + ".tcf");
    choices.customChampionship = true;
    EXPECT_EQ(StartNewGame(choices), FirstScreen::None);
}

TEST_F(NewGameTest, AllNationalTournamentsLoadTheNationalTeams)
{
    NewGameChoices choices = OneCoach({104}, testdb::ClubFileBase(104, 0) + ".tcf");
    choices.realWorldCupGroups = false;
    ASSERT_NE(StartNewGame(choices), FirstScreen::None);

    ASSERT_EQ(NationalTeams.size(), 9u);
    const int firstEntry = Game.LeagueClubCount + Game.ExtraClubCount;
    for (std::size_t t = 0; t < NationalTeams.size(); ++t) {
        const TNationalTeam& team = NationalTeams[t];
        ASSERT_EQ(team.clubEntry, firstEntry + static_cast<int>(t));
        const TClub& club = Clubs[team.clubEntry];
        EXPECT_EQ(club.Country, team.country);
        EXPECT_EQ(club.State, static_cast<int>(t));
        EXPECT_EQ(club.coach, -1);
        EXPECT_EQ(club.NationalTeamCupEntry, 1);
        EXPECT_EQ(club.name.str(), CountryNames[team.country]);
        EXPECT_EQ(team.coachName.str(), "Selecionador " + std::to_string(team.country));
        int players = 0;
        for (const TPlayer& p : Players)
            players += p.Club == team.clubEntry && p.nationality == team.country;
        EXPECT_EQ(players, 23);
        EXPECT_EQ(team.confederation, team.country == 131 ? 4 : ConfederationOfCountry(team.country));
    }
    EXPECT_EQ(Competitions[Competitions.size() - 3].kind, 7);
    EXPECT_EQ(Competitions[Competitions.size() - 2].kind, 8);
    EXPECT_EQ(Competitions[Competitions.size() - 1].kind, 9);
    ExpectSquadsConsistent(22);
    ExpectStartingContracts();
}

TEST_F(NewGameTest, SameSeedBuildsTheSameGameEvenAfterAnotherOne)
{
    NewGameChoices brazil = OneCoach({29}, testdb::ClubFileBase(29, 7) + ".tcf");
    brazil.stateChampionships = true;
    brazil.leagueFormat = kLeagueFormatDivisionsOf20;

    RandSeed = 99;
    ASSERT_NE(StartNewGame(brazil), FirstScreen::None);
    const std::uint64_t first = HashOfGame();

    RandSeed = 5;
    NewGameChoices custom = OneCoach({11, 104}, testdb::ClubFileBase(11, 2) + ".tcf");
    custom.customChampionship = true;
    ASSERT_NE(StartNewGame(custom), FirstScreen::None);
    EXPECT_NE(HashOfGame(), first);

    RandSeed = 99;
    ASSERT_NE(StartNewGame(brazil), FirstScreen::None);
    EXPECT_EQ(HashOfGame(), first);

    RandSeed = 100;
    ASSERT_NE(StartNewGame(brazil), FirstScreen::None);
    EXPECT_NE(HashOfGame(), first);
}

TEST_F(NewGameTest, SeveralCoachesTakeTheirSlotsInOrder)
{
    NewGameChoices choices = OnlyTheLeague(104, "");
    choices.humanCoaches = {{"Um", testdb::ClubFileBase(104, 9) + ".tcf"},
                            {"Dois", testdb::ClubFileBase(104, 1) + ".TCF"},
                            {"Três", testdb::ClubFileBase(104, 30) + ".tcf"}};
    ASSERT_EQ(StartNewGame(choices), FirstScreen::Hub);
    EXPECT_EQ(Game.HumanClubCount, 3);
    const char* names[] = {"Um", "Dois", "Três"};
    for (int k = 0; k < 3; ++k) {
        const int club = Game.HumanClubs[k];
        ASSERT_TRUE(IsClub(club));
        EXPECT_EQ(Coaches[club].name.str(), names[k]);
        EXPECT_EQ(Clubs[club].IsHuman, 1);
    }
    EXPECT_EQ(Game.HumanClubs[3], -1);
    EXPECT_EQ(Game.CurrentHumanClub, Game.HumanClubs[2]);
    EXPECT_EQ(MailMessages.size(), 3u);
    // The coach slots follow the clubs in index order; the spare records hold the files' coaches.
    std::vector<int> sorted(Game.HumanClubs, Game.HumanClubs + 3);
    std::sort(sorted.begin(), sorted.end());
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(Game.HumanCoachSlots[k], sorted[static_cast<std::size_t>(k)]);
        EXPECT_EQ(Coaches[Clubs.size() + k].club, -1);
        EXPECT_EQ(Coaches[Clubs.size() + k].name.str(), "Técnico " + Clubs[sorted[static_cast<std::size_t>(k)]].name.str().substr(6));
    }
}

TEST_F(NewGameTest, RefusedChoicesStartNothing)
{
    EXPECT_EQ(StartNewGame(OneCoach({}, testdb::ClubFileBase(11, 0) + ".tcf")), FirstScreen::None);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], "Selecione pelo menos uma liga");
    // Countries with fewer than 22 club files are not offered as leagues.
    EXPECT_EQ(StartNewGame(OneCoach({195}, testdb::ClubFileBase(195, 0) + ".tcf")), FirstScreen::None);
    // Two coaches cannot take the same club.
    NewGameChoices twice = OneCoach({11}, testdb::ClubFileBase(11, 0) + ".tcf");
    twice.humanCoaches.push_back(twice.humanCoaches[0]);
    messages_.clear();
    EXPECT_EQ(StartNewGame(twice), FirstScreen::None);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], "Este time já é de um treinador humano");
    // A club of a league that is not played cannot be chosen.
    EXPECT_EQ(StartNewGame(OneCoach({11}, testdb::ClubFileBase(104, 0) + ".tcf")), FirstScreen::None);
    NewGameChoices nobody = OneCoach({11}, "");
    nobody.humanCoaches.clear();
    EXPECT_EQ(StartNewGame(nobody), FirstScreen::None);
}

}  // namespace
