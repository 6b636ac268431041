#include <gtest/gtest.h>

#include "core/matchday/result_effects.h"
#include "core/matchday/supporters_mood.h"
#include "core/season/fixtures.h"
#include "core/tables.h"

using namespace tarvelon;

namespace {

constexpr int kPlayedCountry = 29;

class ResultEffectsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Leagues.assign(1, TLeague{});
        Leagues[0].country = kPlayedCountry;
        Clubs.assign(4, TClub{});
        for (TClub& club : Clubs) {
            club.Country = kPlayedCountry;
            club.Level = 10;
            club.boardConfidence = 50;
            club.SupportersMood = 80;
        }
        Game.DayKind = 1;
        Game.LeagueFormat = 4;
    }

    TClub& club(int i) { return Clubs[i]; }
};

}  // namespace

TEST_F(ResultEffectsTest, StrongerClubDrawingNinthOfTenLosesSix)
{
    club(0).Level = 20;
    club(0).Place[1] = 9;
    club(1).Place[1] = 1;
    UpdateMoraleAfterResult(1, 0, 1, 1, 1, 0);
    EXPECT_EQ(club(0).boardConfidence, 50 - 1 - 5);
    EXPECT_EQ(club(0).SupportersMood, 80 - 7);
    // The weaker club gains 1 for the level and 5 for its first place (away side of a draw, format 4).
    EXPECT_EQ(club(1).boardConfidence, 50 + 1 + 5);
    EXPECT_EQ(club(1).SupportersMood, 80 + 2);
}

TEST_F(ResultEffectsTest, DebtCostsEveryClubAfterADefeatButOnlyHumansOtherwise)
{
    for (int i = 0; i < 4; ++i) {
        club(i).cash = -1;
        club(i).Place[1] = 5;
    }
    club(2).IsHuman = 1;
    club(3).IsHuman = 1;
    UpdateMoraleAfterResult(1, 0, 1, 2, 0, 0);  // computer 0 wins, computer 1 loses
    EXPECT_EQ(club(0).boardConfidence, 50 + 3);      // place 5 of ten: +3, no debt cost for a computer win
    EXPECT_EQ(club(1).boardConfidence, 50 - 12 - 5);  // away loss, format 4, place 5..8: -5
    UpdateMoraleAfterResult(1, 2, 3, 1, 1, 0);      // human draw
    EXPECT_EQ(club(2).boardConfidence, 50 - 10);
    EXPECT_EQ(club(3).boardConfidence, 50 - 10);
    club(2).boardConfidence = club(3).boardConfidence = 50;
    UpdateMoraleAfterResult(1, 2, 3, 0, 3, 0);
    EXPECT_EQ(club(2).boardConfidence, 50 - 12 - 5);
    EXPECT_EQ(club(3).boardConfidence, 50 - 9 + 3);
}

TEST_F(ResultEffectsTest, UnnamedPlacesChangeNothing)
{
    club(0).Place[1] = 5;
    club(1).Place[1] = 6;
    UpdateMoraleAfterResult(1, 0, 1, 0, 0, 0);
    EXPECT_EQ(club(0).boardConfidence, 50);
    EXPECT_EQ(club(1).boardConfidence, 50);
}

TEST_F(ResultEffectsTest, DivisionsOfTwentyUseTheirOwnBands)
{
    Game.LeagueFormat = 2;
    club(0).Place[1] = 12;  // home loss, result code 2: 11-16 costs 4
    club(1).Place[1] = 4;   // away win: 3-6 gives 3
    club(1).Level = 22;
    UpdateMoraleAfterResult(1, 0, 1, 0, 1, 0);
    EXPECT_EQ(club(0).boardConfidence, 50 + 0 - 4);  // weaker club losing: no level change
    EXPECT_EQ(club(1).boardConfidence, 50 + 3);       // stronger club winning: no level change
    club(0).boardConfidence = 50;
    club(1).boardConfidence = 50;
    club(0).Place[1] = 17;
    UpdateMoraleAfterResult(1, 1, 0, 2, 0, 0);  // level-22 home club wins; club 0 loses away (code 1)
    EXPECT_EQ(club(0).boardConfidence, 50 - 7);
    club(1).boardConfidence = 50;
    UpdateMoraleAfterResult(1, 0, 1, 2, 0, 0);  // a level above 20 costs 2 more on a loss
    EXPECT_EQ(club(1).boardConfidence, 50 - 2 - 2 - 2);  // stronger -2, level -2, away place 4 after a home win: -2
}

TEST_F(ResultEffectsTest, StateChampionshipAndOtherKinds)
{
    Game.DayKind = 3;
    club(0).IsHuman = 1;
    club(0).cash = -5;
    club(0).Place[3] = 4;
    club(1).Place[3] = 1;
    UpdateMoraleAfterResult(3, 0, 1, 0, 2, 0);
    EXPECT_EQ(club(0).boardConfidence, 50 - 10 - 2 - 3);
    EXPECT_EQ(club(0).SupportersMood, 80 - 5);
    EXPECT_EQ(club(1).boardConfidence, 50 + 5);
    EXPECT_EQ(club(1).SupportersMood, 80 + 7);

    Game.DayKind = 2;
    club(2).Level = 15;
    club(2).Place[1] = 1;
    UpdateMoraleAfterResult(2, 2, 3, 0, 1, 0);  // a cup defeat: only the level rule
    EXPECT_EQ(club(2).boardConfidence, 50 - 2);
    EXPECT_EQ(club(2).SupportersMood, 80);
    EXPECT_EQ(club(3).boardConfidence, 50 + 2);
}

TEST_F(ResultEffectsTest, ClubsOfACountryWithoutLeagueAreLeftAlone)
{
    club(0).Country = 5;
    club(0).SupportersMood = 10;
    club(0).Level = 25;
    UpdateMoraleAfterResult(1, 0, 1, 0, 5, 0);
    EXPECT_EQ(club(0).boardConfidence, 50);
    EXPECT_EQ(club(0).SupportersMood, 10);
}

TEST_F(ResultEffectsTest, SupportersMoodByPlace)
{
    club(0).Place[1] = 3;
    UpdateSupportersMood(1, 0, moDraw);
    EXPECT_EQ(club(0).SupportersMood, 80);
    Game.LeagueFormat = 2;
    club(0).Place[1] = 20;
    UpdateSupportersMood(1, 0, moLoss);
    EXPECT_EQ(club(0).SupportersMood, 68);
    club(0).Place[1] = 1;
    UpdateSupportersMood(1, 0, moWin);
    EXPECT_EQ(club(0).SupportersMood, 76);
    Game.LeagueFormat = 4;
    club(0).Place[1] = 8;
    UpdateSupportersMood(1, 0, moLoss);
    EXPECT_EQ(club(0).SupportersMood, 76 - 15);
}

TEST_F(ResultEffectsTest, ALowMoodCostsConfidenceOnAnyDayAndBothAreClamped)
{
    Game.DayKind = 2;
    club(0).SupportersMood = 30;
    UpdateSupportersMood(2, 0, moWin);
    EXPECT_EQ(club(0).SupportersMood, 30);
    EXPECT_EQ(club(0).boardConfidence, 42);
    club(1).Level = 21;
    club(1).SupportersMood = 39;
    club(1).boardConfidence = 3;
    UpdateSupportersMood(2, 1, moLoss);
    EXPECT_EQ(club(1).boardConfidence, 0);

    Game.DayKind = 1;
    club(2).SupportersMood = 98;
    club(2).Place[1] = 1;
    club(2).boardConfidence = 120;
    UpdateSupportersMood(1, 2, moWin);
    EXPECT_EQ(club(2).SupportersMood, 100);
    EXPECT_EQ(club(2).boardConfidence, 100);
    club(3).SupportersMood = 3;
    club(3).Place[1] = 10;
    UpdateSupportersMood(1, 3, moLoss);
    EXPECT_EQ(club(3).SupportersMood, 0);
    EXPECT_EQ(club(3).boardConfidence, 42);
}

TEST_F(ResultEffectsTest, NationalCupOfTheClubsCountry)
{
    Fixtures.clear();
    EXPECT_FALSE(ClubCountryHasNationalCup(0));
    TFixture tie{};
    tie.kind = 2;
    tie.round = 2;
    tie.region = 0;
    Fixtures.push_back(tie);
    EXPECT_FALSE(ClubCountryHasNationalCup(0));  // no round-1 fixture
    tie.round = 1;
    Fixtures.push_back(tie);
    EXPECT_TRUE(ClubCountryHasNationalCup(0));
    club(1).Country = 5;  // no league of his country
    EXPECT_FALSE(ClubCountryHasNationalCup(1));
}
