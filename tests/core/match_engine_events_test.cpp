// The matchday event list and what each event adds to the players' records.
#include "core/records/history_records.h"
#include "core/match/match_events.h"
#include "core/match/match_events_codes.h"
#include "core/match/player_match_stats.h"
#include "core/season/calendar.h"
#include "core/season/fixtures.h"
#include "tests/core/match_engine_fixture.h"

namespace tarvelon::testing {
namespace {

class MatchEventsList : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetTestGame(51);
        BuildCalendar();
        home = AddClubWithSquad("Casa", 60);
        away = AddClubWithSquad("Fora", 60);
        KickOffPairs();
        Matches[1].competition = 7;
        scorer = Lineups[Matches[1].lineup[0]].starters[0];
        defender = Lineups[Matches[1].lineup[1]].starters[5];
    }
    const TPlayerSeasonStats* SeasonLine(int player)
    {
        for (const TPlayerSeasonStats& s : PlayerSeasonStats)
            if (s.player == player)
                return &s;
        return nullptr;
    }
    int GoalsIn(const std::vector<TGoalTally>& tallies, int player)
    {
        for (const TGoalTally& t : tallies)
            if (t.player == player)
                return t.goals;
        return 0;
    }
    int home = -1, away = -1, scorer = -1, defender = -1;
};

TEST_F(MatchEventsList, TwoGoalsCountTwiceForTheSeasonAndOnceForAllTime)
{
    int games = SeasonLine(scorer)->games;  // his game was counted when he was put in the line-up
    EXPECT_EQ(games, 1);
    EXPECT_EQ(RecordMatchEvent(1, scorer, 1, meGoal, -1), 0);
    EXPECT_EQ(RecordMatchEvent(1, scorer, 1, meGoal, -1), 1);
    EXPECT_EQ(GoalsIn(GoalTallies, scorer), 2);
    EXPECT_EQ(GoalsIn(AllTimeGoalTallies, scorer), 1);
    EXPECT_EQ(SeasonLine(scorer)->goals, 2);
    EXPECT_EQ(SeasonLine(scorer)->games, 1);
    EXPECT_EQ(Players[scorer].careerGoals, 2);
    EXPECT_TRUE(PlayerScoredToday(scorer));
    EXPECT_EQ(CountPlayerMatchEvents(scorer).goals, 2);
}

TEST_F(MatchEventsList, OwnGoalIsStoredAsCodeEightAndCountsNothingForTheScorer)
{
    int index = RecordMatchEvent(1, defender, 1, meGoal, -1);  // a player of side 2 scores for side 1
    EXPECT_EQ(MatchEvents[index].code, meOwnGoal);
    EXPECT_EQ(MatchEvents[index].club, home);
    EXPECT_EQ(GoalsIn(GoalTallies, defender), 0);
    EXPECT_FALSE(PlayerScoredToday(defender));
    EXPECT_EQ(CountPlayerMatchEvents(defender).ownGoals, 1);
    EXPECT_EQ(MatchEventText(defender, meGoal, -1, true), "(gol contra) " + Players[defender].Name.str());
}

TEST_F(MatchEventsList, InjuryWithSubstituteAddsTwoEntriesAndCountsTheNewcomersGame)
{
    int injured = Lineups[Matches[1].lineup[0]].starters[2];
    int substitute = Lineups[Matches[1].lineup[0]].bench[3];
    Matches[1].tick = 77;
    int index = RecordMatchEvent(1, injured, 1, meInjury, substitute);
    ASSERT_EQ(MatchEvents.size(), 2u);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(MatchEvents[0].code, meInjury);
    EXPECT_EQ(MatchEvents[1].code, meInjurySubstitution);
    EXPECT_EQ(MatchEvents[1].second, substitute);
    EXPECT_EQ(MatchEvents[1].tick, 77);
    EXPECT_EQ(MatchEvents[1].match, 1);
    EXPECT_EQ(SeasonLine(substitute)->games, 1);
    EXPECT_EQ(SeasonLine(injured)->injuries, 1);
    EXPECT_EQ(CountPlayerCards(injured).injuries, 1);
    EXPECT_GT(Players[injured].InjuredUntil, TodayDate());
}

TEST_F(MatchEventsList, TicksOnThePitchFollowTheSubstitutions)
{
    int starter = Lineups[Matches[1].lineup[0]].starters[3];
    int benched = Lineups[Matches[1].lineup[0]].bench[4];
    Matches[1].tick = 100;
    RecordMatchEvent(1, starter, 1, meSubstitution, benched);
    EXPECT_EQ(CountPlayerMatchEvents(starter).ticksOnPitch, 100);
    EXPECT_EQ(CountPlayerMatchEvents(benched).ticksOnPitch, 82);
    Matches[1].tick = 150;
    int other = Lineups[Matches[1].lineup[0]].bench[5];
    RecordMatchEvent(1, benched, 1, meSubstitution, other);
    EXPECT_EQ(CountPlayerMatchEvents(benched).ticksOnPitch, 50);
    EXPECT_EQ(CountPlayerMatchEvents(scorer).ticksOnPitch, 182);
}

TEST_F(MatchEventsList, CardKindAndPenaltyOutcomeAreNotTakenForPlayers)
{
    // Players 1, 2 and 3 exist; the card kinds and the missed penalty's outcome must not count for them.
    int booked = Lineups[Matches[1].lineup[1]].starters[4];
    RecordMatchEvent(2, booked, 1, meCard, ckYellow);
    RecordMatchEvent(2, booked, 1, meCard, ckRed);
    RecordMatchEvent(2, booked, 1, meCard, ckSecondYellow);
    RecordMatchEvent(1, scorer, 1, mePenaltyMissed, 2);
    for (int p = 1; p <= 3; ++p) {
        if (p == booked || p == scorer)
            continue;
        PlayerMatchCounts c = CountPlayerMatchEvents(p);
        EXPECT_EQ(c.yellowCards + c.otherCards + c.missedPenalties, 0) << p;
    }
    PlayerMatchCounts c = CountPlayerMatchEvents(booked);
    EXPECT_EQ(c.yellowCards, 1);
    EXPECT_EQ(c.otherCards, 2);
    PlayerCardCounts cards = CountPlayerCards(booked);
    EXPECT_EQ(cards.yellow, 1);
    EXPECT_EQ(cards.red, 1);
    EXPECT_EQ(cards.secondYellowRed, 1);
    EXPECT_EQ(CountPlayerMatchEvents(scorer).missedPenalties, 1);
    EXPECT_EQ(Players[booked].YellowCards[Game.DayKind], 1);
    EXPECT_EQ(SeasonLine(booked)->redCards, 2);
    EXPECT_EQ(Players[booked].careerCards, 3);
    EXPECT_GE(Players[booked].Bans[Game.DayKind], 2);
}

TEST_F(MatchEventsList, BansAfterARedCardAreMostlyOneMatch)
{
    int counts[11] = {};
    const int draws = 35000;
    for (int i = 0; i < draws; ++i)
        counts[DrawSuspension()] += 1;
    EXPECT_NEAR(counts[1] / double(draws), 19.0 / 35, 0.02);
    EXPECT_NEAR(counts[2] / double(draws), 10.0 / 35, 0.02);
    EXPECT_NEAR(counts[10] / double(draws), 1.0 / 35, 0.006);
    EXPECT_EQ(counts[0] + counts[4] + counts[6] + counts[7] + counts[8] + counts[9], 0);
}

TEST_F(MatchEventsList, HumanClubIsToldOfLongBansAndInjuries)
{
    Clubs[away].IsHuman = 1;
    int player = Lineups[Matches[1].lineup[1]].starters[6];
    std::size_t before = MailMessages.size();
    int reds = 0;
    for (int i = 0; i < 20; ++i) {
        int ban = Players[player].Bans[Game.DayKind];
        RecordPlayerStat(player, away, 7, "cv");
        reds += (Players[player].Bans[Game.DayKind] - ban) >= 2 ? 1 : 0;
    }
    EXPECT_EQ(MailMessages.size() - before, static_cast<std::size_t>(reds));
}

TEST_F(MatchEventsList, InjuryCostsStrengthByAgeAndWeeksOut)
{
    EXPECT_EQ(InjuryStrengthLoss(18), 2);
    EXPECT_EQ(InjuryStrengthLoss(33), 5);
    EXPECT_EQ(InjuryStrengthLoss(38), 7);
    EXPECT_EQ(InjuryStrengthLoss(45), 0);
    EXPECT_EQ(InjuryStrengthLoss(61), 10);
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(InjuryWeeks(20, 80), 1);
        EXPECT_EQ(InjuryWeeks(20, 40), 2);
        int w = InjuryWeeks(33, 80);
        EXPECT_TRUE(w >= 2 && w <= 4);
    }
    int player = scorer;
    Players[player].Age = 45;
    Players[player].Strength = 70;
    Players[player].Trait1 = 12;  // stamina: 2 strength back
    RecordPlayerStat(player, home, 7, "ct");
    EXPECT_EQ(Players[player].Strength, 72);
    Players[player].Age = 33;
    Players[player].Trait1 = 4;
    Players[player].Trait2 = 4;
    RecordPlayerStat(player, home, 7, "ct");
    EXPECT_EQ(Players[player].Strength, 67);
    Players[player].Strength = 3;
    RecordPlayerStat(player, home, 7, "ct");
    EXPECT_EQ(Players[player].Strength, 1);
}

TEST_F(MatchEventsList, LineupPlaceCountsTheGameAndClearsHisBenchPlace)
{
    TLineup& L = Lineups[Clubs[home].LineupIndex];
    int benched = L.bench[2];
    PutPlayerInLineupSlot(home, benched, 12);  // no such place
    EXPECT_EQ(L.bench[2], benched);
    PutPlayerInLineupSlot(home, benched, 4);
    EXPECT_EQ(L.starters[3], benched);
    EXPECT_EQ(L.bench[2], 0);
    EXPECT_TRUE(Players[benched].OnPitch);
    EXPECT_TRUE(Players[benched].PlayedThisRound);
    EXPECT_EQ(Players[benched].careerGames, 1);
}

TEST_F(MatchEventsList, EventTextsAndTheEventTrace)
{
    std::string a = Players[scorer].Name.str();
    std::string b = Players[defender].Name.str();
    EXPECT_EQ(MatchEventText(scorer, mePenaltyGoal, -1, false), "(gol penalty) " + a);
    EXPECT_EQ(MatchEventText(scorer, meCard, ckSecondYellow, false), "(C.A + C.V.) " + a);
    EXPECT_EQ(MatchEventText(scorer, meInjury, defender, false), "(contusão) " + a + "<br>(subst.) " + a + " <> " + b);
    EXPECT_EQ(MatchEventText(scorer, meSubstitution, defender, false), "(subst.) " + a + " <> " + b);
    EXPECT_EQ(MatchEventText(scorer, mePass, -1, false), "");
    DebugTrace = true;
    Matches[1].tick = 21;
    RecordMatchEvent(1, scorer, 1, meFreeKickGoal, -1);
    EXPECT_EQ(EventTraceText, " (gol falta) " + a + " 10<br>");  // round(10.5) to even
}

}  // namespace
}  // namespace tarvelon::testing

namespace tarvelon::testing {
namespace {

TEST(FixtureScores, ScoreOfTodaysKindRoundAndClubs)
{
    ResetTestGame(71);
    TFixture f{};
    f.home = 4;
    f.away = 9;
    f.kind = 1;
    f.round = 3;
    f.homeGoals = 2;
    f.awayGoals = 1;
    Fixtures.push_back(f);
    FixtureScore s = FindFixtureScore(3, 9, 4);
    EXPECT_EQ(s.homeGoals, 2);
    EXPECT_EQ(s.awayGoals, 1);
    EXPECT_EQ(FindFixtureScore(3, 4, 9).homeGoals, -1);  // the other way round is another fixture
    EXPECT_EQ(FindFixtureScore(2, 9, 4).awayGoals, -1);
    Game.DayKind = 2;
    EXPECT_EQ(FindFixtureScore(3, 9, 4).homeGoals, -1);
}

}  // namespace
}  // namespace tarvelon::testing
