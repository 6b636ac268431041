// The recent transfers' lists on a small synthetic game: newest first, the 200-row cap of the
// whole list and none for one club's, loans shown at $0, coach appointments by season, and the club
// chooser's item (none for a club outside the leagues).
#include <gtest/gtest.h>

#include "core/economy/transfers.h"
#include "core/format/money_format.h"
#include "core/tables.h"
#include "core/views/player_search.h"
#include "core/views/transfer_list.h"
#include "tests/core/economy_test_world.h"

namespace tarvelon {
namespace {

TEST(RecentTransferListTest, NewestFirstCappedForAllAndWholeForOneClub)
{
    testworld::Build({{29, 1}}, 4);
    const int a = 0;
    const int b = 1;
    for (int i = 0; i < 230; ++i)
        Transfers.push_back({1 + i % 20, {}, 40000.0 + i, i % 2 ? a : b, i % 2 ? b : a, 1000 * i, {}});
    Transfers.push_back({3, {}, 40300.0, 2, 3, 0, {}});  // a loan between two other clubs

    const auto all = RecentTransferRows();
    ASSERT_EQ(all.size(), 200u);
    EXPECT_EQ(all.front().index, 230);
    EXPECT_EQ(all.front().fee, "$0");
    EXPECT_EQ(all.front().clubLeft, Clubs[2].name.str());
    EXPECT_EQ(all[1].fee, "$" + FormatMoney(229'000));
    EXPECT_EQ(all[1].name, Players[1 + 229 % 20].Name.str());
    EXPECT_EQ(all.back().index, 31);

    const auto ofA = ClubTransferRows(a);
    EXPECT_EQ(ofA.size(), 230u);
    EXPECT_EQ(ofA.front().index, 229);
    EXPECT_TRUE(ClubTransferRows(5).empty());
}

TEST(RecentTransferListTest, CoachHiresShowTheSeasonsYearAndTheClub)
{
    testworld::Build({{29, 1}}, 4);
    CoachHires.push_back({2, 1, 4});
    CoachHires.push_back({3, 3, 7});
    const auto rows = CoachHireRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].date, "2012");
    EXPECT_EQ(rows[0].name, Coaches[3].name.str());
    EXPECT_EQ(rows[0].clubJoined, Clubs[7].name.str());
    EXPECT_EQ(rows[1].date, "2010");
}

TEST(RecentTransferListTest, TheChooserShowsLeagueClubsOnly)
{
    testworld::Build({{29, 1}}, 4);
    EXPECT_EQ(TransferListChooserItem(0), 1);
    EXPECT_EQ(TransferListChooserItem(Game.LeagueClubCount - 1), Game.LeagueClubCount);
    EXPECT_EQ(TransferListChooserItem(Game.LeagueClubCount), -1);  // an extra club has no item
    EXPECT_EQ(TransferListChooserItem(-1), -1);
}

}  // namespace
}  // namespace tarvelon

// The player search on the same small game, each filter on one player made to stand out.
namespace tarvelon {
namespace {

class PlayerSearchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testworld::Build({{29, 1}, {30, 1}}, 4);
        player_ = 5;
        TPlayer& p = Players[player_];
        p.Name.set("Ézio Quintanilha");
        p.Position = 3;
        p.Strength = 40;
        p.Age = 37;
        p.Trait1 = 6;
        p.Trait2 = 9;
        p.nationality = 150;
        p.Value = CurrencyFromUnits(500'000);
    }
    bool Finds(const PlayerSearchFilters& f) const { return MatchesSearch(player_, f); }
    int player_ = 0;
};

TEST_F(PlayerSearchTest, ValueBandsExcludeTheirBoundsAndQualquerHasBoundsToo)
{
    PlayerSearchFilters f;
    const auto bandsOf = [&](std::int64_t units) {
        Players[player_].Value = CurrencyFromUnits(units);
        std::vector<int> bands;
        for (f.valueBand = 0; f.valueBand <= kAnyValue; ++f.valueBand)
            if (Finds(f))
                bands.push_back(f.valueBand);
        return bands;
    };
    // A value on a bound between two bands is in neither; "Qualquer" (7) still holds it.
    EXPECT_EQ(bandsOf(100'000), std::vector<int>{kAnyValue});
    EXPECT_EQ(bandsOf(500'000), std::vector<int>{kAnyValue});
    EXPECT_EQ(bandsOf(1'000'000), std::vector<int>{kAnyValue});
    EXPECT_EQ(bandsOf(100'500), std::vector<int>{kAnyValue});  // the second band starts above 101,000
    EXPECT_EQ(bandsOf(101'001), (std::vector<int>{1, kAnyValue}));
    EXPECT_EQ(bandsOf(99'999), (std::vector<int>{0, kAnyValue}));
    EXPECT_EQ(bandsOf(3'000'001), std::vector<int>{kAnyValue});
    EXPECT_EQ(bandsOf(3'000'002), (std::vector<int>{4, kAnyValue}));
    EXPECT_EQ(bandsOf(1'000), std::vector<int>{});  // not even "Qualquer"
    EXPECT_EQ(bandsOf(999'999'999), std::vector<int>{});

    // "Qualquer" of age is 16..80, of strength 0..101.
    f = {};
    Players[player_].Value = CurrencyFromUnits(200'000);
    Players[player_].Age = 15;
    EXPECT_FALSE(Finds(f));
    f.ageBand = 0;  // 15..25
    EXPECT_TRUE(Finds(f));
    f = {};
    Players[player_].Age = 80;
    EXPECT_TRUE(Finds(f));
    Players[player_].Age = 81;
    EXPECT_FALSE(Finds(f));
    Players[player_].Age = 30;
    Players[player_].Strength = 0;
    EXPECT_TRUE(Finds(f));
    Players[player_].Strength = 102;
    EXPECT_FALSE(Finds(f));
}

TEST_F(PlayerSearchTest, EachFilterRestrictsOnlyWhenSet)
{
    PlayerSearchFilters f;
    EXPECT_TRUE(Finds(f));
    f.position = 3;
    f.strengthBand = 2;  // 31..50
    f.ageBand = 2;       // 37 and over
    f.trait1 = 6;
    f.trait2 = 9;
    f.nationality = 150;
    f.namePrefix = "éZIO q";
    EXPECT_TRUE(Finds(f));
    f.trait1 = 9;  // the traits compare in order
    f.trait2 = 6;
    EXPECT_FALSE(Finds(f));
    f = {};
    f.namePrefix = "zio";
    EXPECT_FALSE(Finds(f));
    f.namePrefix = " ézio";  // compared as typed, blanks included
    EXPECT_FALSE(Finds(f));
    f.namePrefix = "ézio  ";
    EXPECT_FALSE(Finds(f));
    f.namePrefix = " \t ";  // blanks alone: any name
    EXPECT_TRUE(Finds(f));
    f = {};
    for (bool PlayerSearchFilters::*flag :
         {&PlayerSearchFilters::forSaleOnly, &PlayerSearchFilters::loanOnly, &PlayerSearchFilters::starOnly}) {
        f = {};
        f.*flag = true;
        EXPECT_FALSE(Finds(f));
    }
    Players[player_].ListedForSale = 1;
    Players[player_].loanStatus = 1;
    Players[player_].Star = 1;
    f = {};
    f.forSaleOnly = f.loanOnly = f.starOnly = true;
    EXPECT_TRUE(Finds(f));
}

TEST_F(PlayerSearchTest, TheLeagueBoxAsksForTheClubsCountryAndClublessPlayersNeverMatch)
{
    PlayerSearchFilters f;
    f.clubCountry = SearchClubCountry(true, 1);
    EXPECT_EQ(f.clubCountry, 30);
    EXPECT_FALSE(Finds(f));
    f.clubCountry = SearchClubCountry(true, 0);
    EXPECT_TRUE(Finds(f));
    EXPECT_EQ(SearchClubCountry(false, 0), -1);
    const auto all = SearchPlayers({});
    EXPECT_EQ(static_cast<int>(all.size()), static_cast<int>(Players.size()) - 1);
    Players[player_].Club = -1;
    EXPECT_FALSE(Finds({}));
    EXPECT_EQ(SearchCountText(0), "Nenhum jogador encontrado");
    EXPECT_EQ(SearchCountText(12), "12 jogadores encontrados");
}

}  // namespace
}  // namespace tarvelon
