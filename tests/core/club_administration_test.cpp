// The club's administration rules the coach's screens call: friendlies booked and paid, human
// coaches added and removed, a national squad called up and back to its clubs.
#include <gtest/gtest.h>

#include "core/career/human_coaches.h"
#include "core/club_rosters.h"
#include "core/matchday_rules/national_call_up.h"
#include "core/progression/calendar_advance.h"
#include "core/season/calendar.h"
#include "core/season/fixtures.h"
#include "core/economy/friendly_booking.h"
#include "core/tables.h"
#include "core/views/call_up_search.h"
#include "tests/core/test_world.h"

namespace tarvelon {
namespace {

using namespace testbuild;

// Five days: 1 and 2 friendly days, 3 the first league day, 4 a friendly day after it, 5 the cup.
class FriendlyBookingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartEmptyGame(1, kDivisionsOf20);
        for (int day = 1; day <= kCalendarDays; ++day)
            Calendar[day] = {day, EncodeDate(2010, 1, 1) + day, kNoMatchDay};
        Calendar[1].dayKind = kKindFriendlies;
        Calendar[2].dayKind = kKindFriendlies;
        Calendar[3].dayKind = kKindNationalLeague;
        Calendar[4].dayKind = kKindFriendlies;
        Calendar[5].dayKind = kKindNationalCup;
        Game.DayIndex = 0;
        club_ = AppendClub(29, 1, 20);
        local_ = AppendClub(29, 2, 10);
        foreign_ = AppendClub(11, 1, 18);
        human_ = AppendClub(29, 1, 20);
        Clubs[human_].IsHuman = 1;
        Game.LeagueClubCount = 4;
        Clubs[club_].cash = CurrencyFromUnits(100000);
    }
    int club_ = 0, local_ = 0, foreign_ = 0, human_ = 0;
};

TEST_F(FriendlyBookingTest, FeesFollowDivisionOrLevelAndHumanClubsPlayForNothing)
{
    EXPECT_EQ(FriendlyFee(club_, local_, false), 40000);
    EXPECT_EQ(FriendlyFee(club_, local_, true), 100000);
    EXPECT_EQ(FriendlyFee(club_, foreign_, false), 80000);
    EXPECT_EQ(FriendlyFee(club_, foreign_, true), 200000);
    Clubs[foreign_].Level = 26;  // outside the table
    EXPECT_EQ(FriendlyFee(club_, foreign_, true), 0);
    EXPECT_EQ(FriendlyFee(club_, human_, true), 0);

    Clubs[club_].cash = 0;  // a human opponent is free even for a club without money
    EXPECT_TRUE(CanPayFriendlyFee(club_, FriendlyFee(club_, human_, true)));
    Clubs[club_].cash = CurrencyFromUnits(100000);  // exactly the fee is enough
    EXPECT_TRUE(CanPayFriendlyFee(club_, 100000));
    EXPECT_FALSE(CanPayFriendlyFee(club_, 100001));
}

TEST_F(FriendlyBookingTest, PreseasonDatesStopAtTheFirstLeagueDayAndBookedDatesDisappear)
{
    const FriendlyDates preseason = FreeFriendlyDates(club_, true);
    EXPECT_EQ(preseason.days, (std::vector<int>{1, 2}));
    EXPECT_EQ(preseason.information, "Camp. nacional se inicia em " + DateToStr(Calendar[3].date));
    EXPECT_EQ(FreeFriendlyDates(club_, false).days, (std::vector<int>{1, 2, 4}));
    EXPECT_TRUE(FreeFriendlyDates(club_, false).information.empty());

    Game.DayIndex = 1;  // today is not offered
    EXPECT_EQ(FreeFriendlyDates(club_, false).days, (std::vector<int>{2, 4}));

    BookFriendly(club_, local_, 2, false, 40000);
    EXPECT_EQ(FreeFriendlyDates(club_, false).days, (std::vector<int>{4}));
    EXPECT_TRUE(ClubHasFriendlyOnDate(2, local_));  // the opponent is busy that day too

    const auto opponents = FriendlyOpponents(club_);
    ASSERT_EQ(opponents.size(), 3u);
    EXPECT_TRUE(std::is_sorted(opponents.begin(), opponents.end()));
}

TEST_F(FriendlyBookingTest, BookingPaysTheFeeUnderSundriesAndAppendsFriendlyAndFixture)
{
    BookFriendly(club_, foreign_, 4, true, 60000);
    EXPECT_EQ(Clubs[club_].cash, CurrencyFromUnits(40000));
    EXPECT_EQ(ClubFinances[club_].miscellaneous, 60000);
    EXPECT_EQ(Clubs[foreign_].cash, 0);
    ASSERT_EQ(Friendlies.size(), 1u);
    EXPECT_EQ(Friendlies[0].home, club_);
    EXPECT_EQ(Friendlies[0].away, foreign_);
    EXPECT_EQ(Friendlies[0].done, 0);
    EXPECT_EQ(Friendlies[0].date, Calendar[4].date);
    ASSERT_EQ(Fixtures.size(), 1u);
    EXPECT_EQ(Fixtures[0].home, club_);
    EXPECT_EQ(Fixtures[0].away, foreign_);
    EXPECT_EQ(Fixtures[0].kind, kKindFriendlies);

    BookFriendly(club_, human_, 2, false, 0);  // away: the other club is at home
    EXPECT_EQ(Friendlies[1].home, human_);
    EXPECT_EQ(Friendlies[1].away, club_);
    EXPECT_EQ(Clubs[club_].cash, CurrencyFromUnits(40000));
}

class HumanCoachesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartEmptyGame(1, kDivisionsOf20);
        Game.playedCountry = 29;
        for (int& slot : Game.HumanCoachSlots) slot = -1;
        const int club = AppendClub(29, 1, 20);
        Clubs[club].coach = AppendCoachOf(club);
        Coaches.push_back(TCoach{});  // a free record
        Coaches[1].division = 3;
        Coaches[1].titles[0] = 4;
    }
};

TEST_F(HumanCoachesTest, AddedCoachesTakeFreeRecordsThenAppendAndSixSlotsAreTheLimit)
{
    const int first = AddHumanCoach("Ana");
    EXPECT_EQ(first, 1);  // the free record is reused
    EXPECT_EQ(Game.HumanCoachSlots[0], 1);
    const TCoach& ana = Coaches[1];
    EXPECT_EQ(ana.name.str(), "Ana");
    EXPECT_EQ(ana.club, -1);
    EXPECT_EQ(ana.lastClub, -1);
    EXPECT_EQ(ana.division, 2);
    EXPECT_EQ(ana.country, 29);
    EXPECT_EQ(ana.human, 1);
    EXPECT_EQ(ana.titles[0], 0);

    // No free record left: each new coach gets a record of his own after the table.
    const int second = AddHumanCoach("Bruno");
    EXPECT_EQ(second, 2);
    ASSERT_EQ(Coaches.size(), 3u);
    EXPECT_EQ(Coaches[2].name.str(), "Bruno");
    EXPECT_EQ(AddHumanCoach(""), -1);
    for (int i = 0; i < 4; ++i)
        EXPECT_GE(AddHumanCoach("Extra"), 0);
    EXPECT_EQ(FreeHumanCoachSlot(), -1);
    EXPECT_EQ(AddHumanCoach("Sétimo"), -1);
    EXPECT_EQ(HumanCoachRows().size(), 6u);
}

TEST_F(HumanCoachesTest, OnlyACoachWithoutClubIsRemovedAndHisRecordIsReused)
{
    Game.HumanCoachSlots[2] = 0;  // the club's coach is human
    EXPECT_EQ(RemoveHumanCoach(0), RemoveCoachResult::StillHasClub);
    EXPECT_EQ(Coaches[0].name.str(), "Técnico 0");
    ASSERT_EQ(HumanCoachRows().size(), 1u);
    EXPECT_EQ(HumanCoachRows()[0].clubName, "Clube 0");

    const int ana = AddHumanCoach("Ana");
    EXPECT_EQ(Game.HumanCoachSlots[0], ana);
    EXPECT_EQ(RemoveHumanCoach(ana), RemoveCoachResult::Removed);
    EXPECT_EQ(Game.HumanCoachSlots[0], -1);
    EXPECT_TRUE(Coaches[ana].name.str().empty());
    EXPECT_EQ(AddHumanCoach("Carla"), ana);
    EXPECT_EQ(RemoveHumanCoach(99), RemoveCoachResult::NotACoach);
}

class NationalCallUpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartEmptyGame(1, kDivisionsOf20);
        home_ = AppendClub(29, 1, 20);
        other_ = AppendClub(29, 1, 20);
        Game.LeagueClubCount = 2;
        nation_ = AppendClub(29, 0, 20);
        Players.push_back(TPlayer{});  // element 0 holds nobody
        Players[0].Club = -1;
        for (int i = 0; i < 3; ++i)
            keepers_.push_back(Add(home_, 0, 29));
        for (int i = 0; i < 21; ++i)
            outfield_.push_back(Add(i % 2 ? home_ : other_, 1 + i % 4, 29));
        ownSquad_ = Add(nation_, 3, 29);
        foreigner_ = Add(home_, 3, 11);
        clubless_ = Add(-1, 3, 29);
    }
    int Add(int club, int position, int nationality)
    {
        TPlayer p = NumberedPlayer(club, position);
        p.nationality = nationality;
        p.Strength = 40;
        p.Age = 25;
        p.Value = CurrencyFromUnits(200000);
        return AppendPlayer(p);
    }
    int home_ = 0, other_ = 0, nation_ = 0, ownSquad_ = 0, foreigner_ = 0, clubless_ = 0;
    std::vector<int> keepers_, outfield_;
};

TEST_F(NationalCallUpTest, SearchFindsOnlyTheCountrysPlayersAtLeagueClubs)
{
    PlayerSearchFilters filter;
    filter.nationality = 3;  // the call-up's own country counts, not the filter's
    const std::vector<int> all = SearchCallUpPlayers(29, filter);
    EXPECT_EQ(all.size(), 24u);
    for (int p : {ownSquad_, foreigner_, clubless_})
        EXPECT_EQ(std::count(all.begin(), all.end(), p), 0);

    filter.position = 0;
    EXPECT_EQ(SearchCallUpPlayers(29, filter), keepers_);
    filter.position = kAnyPosition;
    filter.namePrefix = "jOGADOR " + std::to_string(keepers_[1]);
    EXPECT_EQ(SearchCallUpPlayers(29, filter), std::vector<int>{keepers_[1]});
    filter.namePrefix.clear();
    filter.valueBand = 1;  // 101 mil .. 500 mil
    EXPECT_EQ(SearchCallUpPlayers(29, filter).size(), 24u);
    // The bands are the player search's: a bound is in neither band, nor is a value between two.
    Players[keepers_[0]].Value = CurrencyFromUnits(500000);
    EXPECT_EQ(SearchCallUpPlayers(29, filter).size(), 23u);
    Players[keepers_[0]].Value = CurrencyFromUnits(100500);
    EXPECT_EQ(SearchCallUpPlayers(29, filter).size(), 23u);
    Players[keepers_[0]].Value = CurrencyFromUnits(999999);
    filter.valueBand = 2;  // 501 mil .. 1 milhão
    EXPECT_EQ(SearchCallUpPlayers(29, filter), std::vector<int>{keepers_[0]});
    filter.valueBand = 1;
    filter.starOnly = true;
    EXPECT_TRUE(SearchCallUpPlayers(29, filter).empty());
}

TEST_F(NationalCallUpTest, ListKeepsItsLimitsAndIsCompleteWithTwoKeepersAndTwentyOutfield)
{
    CallUpSquad squad;
    for (int k : keepers_) EXPECT_TRUE(squad.Add(k));
    EXPECT_FALSE(squad.Add(keepers_[0]));  // already in
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(squad.Add(outfield_[i]));
    EXPECT_FALSE(squad.CanAdd(outfield_[20]));
    EXPECT_TRUE(squad.Complete());
    EXPECT_TRUE(squad.Remove(outfield_[3]));
    EXPECT_FALSE(squad.Complete());
    EXPECT_EQ(squad.Outfield(), 19);
    EXPECT_TRUE(squad.Remove(keepers_[0]));
    EXPECT_TRUE(squad.Add(outfield_[20]));
    EXPECT_TRUE(squad.Complete());  // two keepers are enough
    EXPECT_EQ(squad.Goalkeepers(), 2);
}

TEST_F(NationalCallUpTest, CalledUpPlayersMoveAndTheClubListsFollowThemThereAndBack)
{
    const std::size_t homeBefore = PlayersOfClub(home_).size();
    CommitNationalCallUp(nation_, {keepers_[0], outfield_[0], outfield_[1]});
    EXPECT_EQ(Players[ownSquad_].Club, -1);
    EXPECT_EQ(Players[keepers_[0]].Club, nation_);
    ASSERT_EQ(CallUps.size(), 4u);
    EXPECT_EQ(CallUps[0].player, ownSquad_);
    EXPECT_EQ(CallUps[0].club, nation_);
    EXPECT_EQ(CallUps[1].club, home_);
    EXPECT_EQ(CallUps[2].club, other_);
    EXPECT_EQ(PlayersOfClub(nation_), (std::vector<int>{keepers_[0], outfield_[0], outfield_[1]}));
    EXPECT_EQ(PlayersOfClub(home_).size(), homeBefore - 2);

    EndTournamentCallUps();
    EXPECT_TRUE(CallUps.empty());
    EXPECT_EQ(Players[keepers_[0]].Club, home_);
    EXPECT_EQ(Players[outfield_[0]].Club, other_);
    EXPECT_EQ(PlayersOfClub(nation_), std::vector<int>{ownSquad_});
    EXPECT_EQ(PlayersOfClub(home_).size(), homeBefore);
}

}  // namespace
}  // namespace tarvelon
