// A season played match by match with the matchday driver on two divisions of ten, saved and loaded
// halfway, then rolled over with the game's own economy and coach career: the new season's
// divisions follow the played tables, and the saved game keeps every table of a real season.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>

#include "core/career/coach_hiring.h"
#include "core/draws/draw_services.h"
#include "core/economy/player_value.h"
#include "core/persist/saved_game.h"
#include "core/persist/saved_game_image.h"
#include "core/rollover/rollover_services.h"
#include "core/rollover/season_rollover.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/services/rule_services.h"
#include "tests/core/matchday_world.h"
#include "tests/core/saved_game_world.h"

using namespace tarvelon;

namespace {

constexpr int kBrazil = 29;
constexpr int kLeagueClubs = 20;
constexpr int kRegionalClubs = 4;

void AddNamedCoach(int club)
{
    TCoach coach{};
    coach.name.set("Técnico " + std::to_string(club));
    coach.club = club;
    coach.active = 1;
    coach.country = kBrazil;
    Clubs[club].coach = static_cast<int>(Coaches.size());
    Coaches.push_back(coach);
}

// Two divisions of ten in club order, four regional clubs, a named coach each, squads of 22 and a
// few veterans; the season's calendar and league fixtures built.
void BuildLeague()
{
    matchdaytest::BuildWorld(kLeagueClubs + kRegionalClubs, 2026);
    Game.saveVersion = kSaveVersion;
    Game.LeagueClubCount = kLeagueClubs + kRegionalClubs;
    Game.LeagueFormat = kDivisionsOf10;
    std::fill(std::begin(Game.HumanClubs), std::end(Game.HumanClubs), -1);  // a game of computer clubs
    std::fill(std::begin(Game.HumanCoachSlots), std::end(Game.HumanCoachSlots), -1);
    Game.DayIndex = 1;
    TicketPrices = DefaultTicketPrices;
    InstallRuleServices();
    TLeague& league = Leagues[0];
    for (auto& row : league.divisions) std::fill(std::begin(row), std::end(row), -1);
    for (auto& row : league.finalOrder) std::fill(std::begin(row), std::end(row), -1);
    league.divisionCount = 2;
    league.clubCount = kLeagueClubs + kRegionalClubs;
    for (int club = 0; club < kLeagueClubs + kRegionalClubs; ++club) {
        const int division = club < kLeagueClubs ? 1 + club / 10 : 0;
        Clubs[club].Division = division;
        Clubs[club].Place[1] = 0;
        if (division > 0) league.divisions[division - 1][club % 10] = league.finalOrder[division - 1][club % 10] = club;
        AddNamedCoach(club);
        for (int age : {36, 40, 49}) {
            matchdaytest::AddPlayer(club, 3);
            Players.back().Age = age;
        }
    }
    Competitions = {TCompetition{}, TCompetition{1, kBrazil, 1}, TCompetition{1, kBrazil, 2}};
    BuildCalendar();
    BuildCompetitionFixtures(kKindNationalLeague, 0);
}

void BookLeagueResult(int m)
{
    const jogos& match = Matches[static_cast<std::size_t>(m)];
    for (int side = 0; side < 2; ++side) {
        TClub& club = Clubs[static_cast<std::size_t>(match.club[side])];
        const int scored = match.goals[side], conceded = match.goals[1 - side];
        ++club.Played[1];
        club.GoalsFor[1] += scored;
        club.GoalsAgainst[1] += conceded;
        if (scored > conceded) {
            ++club.Won[1];
            club.Points[1] += 3;
        } else if (scored < conceded) {
            ++club.Lost[1];
        } else {
            club.Points[1] += 1;
        }
    }
}

// Plays every league fixture dated on calendar day `day`.
void PlayLeagueDay(int day)
{
    Game.DayIndex = day;
    Game.DayKind = kKindNationalLeague;
    std::vector<MatchdayFixture> today;
    for (int f = 0; f < static_cast<int>(Fixtures.size()); ++f) {
        const TFixture& fixture = Fixtures[static_cast<std::size_t>(f)];
        if (fixture.kind == kKindNationalLeague && fixture.date == Calendar[day].date && !fixture.played)
            today.push_back({Clubs[fixture.home].Division, fixture.home, fixture.away, f});
    }
    if (today.empty()) return;
    DrawReferees();
    matchdaytest::PrepareLineups();
    MatchdayRecord record = MatchdayRecordOfToday();
    record.bookResult = BookLeagueResult;
    PlayWholeMatchday(today, record);
}

std::vector<int> LeagueDays()
{
    std::vector<int> days;
    for (int day = 1; day <= kCalendarDays; ++day)
        if (Calendar[day].dayKind == kKindNationalLeague) days.push_back(day);
    return days;
}

// Each division's clubs in table order: points, goal difference, goals scored, then club index.
void WriteFinalTables()
{
    TLeague& league = Leagues[0];
    for (int d = 0; d < 2; ++d) {
        std::vector<int> table(league.divisions[d], league.divisions[d] + 10);
        std::stable_sort(table.begin(), table.end(), [](int a, int b) {
            const TClub &x = Clubs[a], &y = Clubs[b];
            const auto key = [](const TClub& c) {
                return std::make_tuple(c.Points[1], c.GoalsFor[1] - c.GoalsAgainst[1], c.GoalsFor[1]);
            };
            return key(x) > key(y);
        });
        std::copy(table.begin(), table.end(), league.finalOrder[d]);
    }
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(PlayedSeason, SavedHalfwayAndRolledOverWithTheGamesOwnRules)
{
    savetest::ScratchFolder folder("played-season");
    BuildLeague();
    ASSERT_EQ(Fixtures.size(), 2u * 90u);
    const std::vector<int> days = LeagueDays();
    ASSERT_EQ(days.size(), 18u);

    for (std::size_t i = 0; i < days.size() / 2; ++i) PlayLeagueDay(days[i]);
    ASSERT_FALSE(MatchReports.empty());
    ASSERT_FALSE(ReportEvents.empty());
    ASSERT_FALSE(Appearances.empty());
    Game.saveName.set("meio.nsx");
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    const std::string halfway = ReadAll("sav/meio.nsx");
    ASSERT_EQ(LoadGame("meio.nsx"), LoadOutcome::kOpenHub);
    ASSERT_EQ(SaveGame(), SaveOutcome::kSaved);
    EXPECT_EQ(ReadAll("sav/meio.nsx"), halfway);

    for (std::size_t i = days.size() / 2; i < days.size(); ++i) PlayLeagueDay(days[i]);
    EXPECT_TRUE(std::all_of(Fixtures.begin(), Fixtures.end(), [](const TFixture& f) { return f.played != 0; }));
    WriteFinalTables();
    const TLeague finals = Leagues[0];
    std::vector<int> ages, clubOf;
    std::map<int, int> squad;
    for (const TPlayer& p : Players) {
        ages.push_back(p.Age);
        clubOf.push_back(p.Club);
        if (p.Club >= 0) ++squad[p.Club];
    }
    const std::size_t playersBefore = Players.size();
    SeasonMatchesOver = true;

    SummarySeason = 1;
    NewSeasonRollover();

    const TLeague& league = Leagues[0];
    const auto in = [](const std::int32_t* row, int club) { return std::find(row, row + 10, club) != row + 10; };
    for (int p = 0; p < 8; ++p) EXPECT_TRUE(in(league.divisions[0], finals.finalOrder[0][p]));
    for (int p = 8; p < 10; ++p) EXPECT_TRUE(in(league.divisions[1], finals.finalOrder[0][p]));  // down
    for (int p = 0; p < 2; ++p) EXPECT_TRUE(in(league.divisions[0], finals.finalOrder[1][p]));   // up
    for (int p = 8; p < 10; ++p) EXPECT_EQ(Clubs[finals.finalOrder[1][p]].Division, 0);         // out
    int inDivisions = 0;
    for (int club = 0; club < Game.LeagueClubCount; ++club) {
        const int division = Clubs[club].Division;
        if (division == 0) continue;
        ++inDivisions;
        EXPECT_TRUE(in(league.divisions[division - 1], club)) << "club " << club;
    }
    EXPECT_EQ(inDivisions, 20);

    int retired = 0;
    for (std::size_t p = 1; p < playersBefore; ++p) {
        if (clubOf[p] < 0) continue;
        EXPECT_EQ(Players[p].Age, ages[p] + 1);
        if (Players[p].Club < 0) ++retired;
    }
    EXPECT_GE(retired, kLeagueClubs + kRegionalClubs);  // every 49-year-old at least
    EXPECT_EQ(Players.size(), playersBefore + static_cast<std::size_t>(retired));
    std::map<int, int> squadAfter;
    for (const TPlayer& p : Players)
        if (p.Club >= 0) ++squadAfter[p.Club];
    EXPECT_EQ(squadAfter, squad);  // each retiree's place taken by a youth
    for (std::size_t p = playersBefore; p < Players.size(); ++p) {
        EXPECT_LE(Players[p].Age, 20);
        EXPECT_EQ(Players[p].loanStatus, 0);
    }

    EXPECT_TRUE(MatchReports.empty());
    EXPECT_TRUE(ReportEvents.empty());
    EXPECT_EQ(Game.Season, 2);
    EXPECT_EQ(Fixtures.size(), 2u * 90u);
    for (const TFixture& f : Fixtures) {
        EXPECT_EQ(f.played, 0);
        EXPECT_EQ(Clubs[f.home].Division, Clubs[f.away].Division);
        EXPECT_GT(Clubs[f.home].Division, 0);
    }
    for (int club = 0; club < Game.LeagueClubCount; ++club) {
        const std::int64_t units = CurrencyUnits(Clubs[club].cash);
        const int division = Clubs[club].Division;
        const std::int64_t low = division == 1 ? 10'000'000 : division == 2 ? 5'000'000 : 200'000;
        const std::int64_t spread = division == 0 ? 200'000 : 1'000'000;
        EXPECT_GE(units, low) << "club " << club;
        EXPECT_LT(units, low + spread) << "club " << club;
        EXPECT_EQ(Clubs[club].Points[1], 0);
    }
    for (int club = 0; club < Game.LeagueClubCount; ++club) {
        const int coach = Clubs[club].coach;
        if (coach >= 0) {
            EXPECT_EQ(Coaches[coach].club, club);
        }
    }
}
