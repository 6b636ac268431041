// Cards, penalties, fatigue and injuries, and the human coach's dialogs during a match.
#include <algorithm>

#include "core/match/fouls_cards.h"
#include "core/match/match_events_codes.h"
#include "core/match/player_picks.h"
#include "core/match/zone_play.h"
#include "tests/core/match_engine_fixture.h"

namespace tarvelon::testing {
namespace {

// Two clubs with full squads and computer line-ups, match 1 kicked off between them.
class Incidents : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetTestGame(31);
        home = AddClubWithSquad("Casa", 60);
        away = AddClubWithSquad("Fora", 60);
        KickOffPairs();
        L1 = Matches[1].lineup[0];
        L2 = Matches[1].lineup[1];
    }
    int OnlyStarterLeft(int lineup)
    {
        for (int k = 1; k <= 10; ++k)
            Players[Lineups[lineup].starters[k - 1]].OnPitch = 0;
        return Lineups[lineup].starters[10];
    }
    int home = -1, away = -1, L1 = -1, L2 = -1;
};

TEST_F(Incidents, CardsFollowOneFoulInFourteenAndNoStraightRedBeforeTickNinety)
{
    int yellows = 0, reds = 0;
    const int fouls = 20000;
    for (int i = 0; i < fouls; ++i) {
        BookedPlayers.clear();
        PlayerPair card = CardOnFoul(L1, -1, meAfterFoul, 60);
        yellows += card.second == ckYellow ? 1 : 0;
        reds += card.second == ckRed ? 1 : 0;
        if (card.first > 0)
            Players[card.first].OnPitch = 1;
    }
    EXPECT_EQ(reds, 0);
    EXPECT_NEAR(yellows / double(fouls), 0.07, 0.01);
    int lateReds = 0;
    for (int i = 0; i < fouls; ++i) {
        BookedPlayers.clear();
        PlayerPair card = CardOnFoul(L1, -1, meAfterFoul, 90);
        if (card.second == ckRed) {
            lateReds += 1;
            EXPECT_FALSE(Players[card.first].OnPitch);
            Players[card.first].OnPitch = 1;
        }
    }
    EXPECT_GT(lateReds, 20);  // 93 in 100 of the fouls reach the draw of 99: about 186
    EXPECT_LT(lateReds, 400);
}

TEST_F(Incidents, SecondYellowOfTheDaySendsOffWithCardKindThree)
{
    int keeper = OnlyStarterLeft(L1);
    BookedPlayers.push_back(keeper);
    PlayerPair card;
    for (int i = 0; i < 20000 && card.first <= 0; ++i)  // a lone keeper is picked one time in 20
        card = CardOnFoul(L1, -1, meAfterFoul, 30);
    ASSERT_EQ(card.first, keeper);
    EXPECT_EQ(card.second, ckSecondYellow);
    EXPECT_FALSE(Players[keeper].OnPitch);
    EXPECT_EQ(Lineups[L1].keeper, 0);  // he no longer counts
    EXPECT_EQ(Lineups[L1].starters[10], keeper);  // but keeps his place
    EXPECT_EQ(PickFouler(L1, -1), -1);  // nobody left to pick
}

TEST_F(Incidents, PenaltyTakerStrongerThanTheKeeperScoresMoreOften)
{
    Clubs[home].SetPieceTaker = Lineups[L1].starters[0];
    int taker = Clubs[home].SetPieceTaker;
    Players[taker].Strength = 90;
    int scored = 0;
    const int kicks = 20000;
    for (int i = 0; i < kicks; ++i) {
        PlayerPair kick = SetPieceOutcome(L1, 50, -1);
        ASSERT_EQ(kick.first, taker);
        scored += kick.second == 1 ? 1 : 0;
    }
    EXPECT_NEAR(scored / double(kicks), 0.86, 0.015);
    Players[taker].Strength = 40;
    scored = 0;
    for (int i = 0; i < kicks; ++i)
        scored += SetPieceOutcome(L1, 50, -1).second == 1 ? 1 : 0;
    EXPECT_NEAR(scored / double(kicks), 0.76, 0.015);
}

TEST_F(Incidents, PenaltyTakerIsTheSetPieceTakerWhenOnThePitchElseALastOutfieldStarter)
{
    const TLineup& L = Lineups[L1];
    Clubs[home].SetPieceTaker = L.starters[4];
    EXPECT_EQ(ChoosePenaltyTaker(L1), L.starters[4]);
    Players[L.starters[4]].OnPitch = 0;
    EXPECT_EQ(ChoosePenaltyTaker(L1), L.starters[9]);
    Clubs[home].SetPieceTaker = Lineups[L2].starters[0];  // not one of his club
    EXPECT_EQ(ChoosePenaltyTaker(L1), L.starters[9]);
    EXPECT_EQ(SetPieceOutcome(L1, 50, L.starters[2]).first, L.starters[2]);  // a taker passed in
    OnlyStarterLeft(L1);
    EXPECT_EQ(SetPieceOutcome(L1, 50, -1).first, -1);
    EXPECT_EQ(SetPieceOutcome(L1, 50, -1).second, -1);
}

TEST_F(Incidents, FatigueByAgeAndTheKeeperRestsUntilHalfTime)
{
    EXPECT_EQ(FatigueByAge(16), 1);
    EXPECT_EQ(FatigueByAge(26), 1);
    EXPECT_EQ(FatigueByAge(27), 2);
    EXPECT_EQ(FatigueByAge(36), 3);
    EXPECT_EQ(FatigueByAge(42), 4);
    EXPECT_EQ(FatigueByAge(60), 6);
    EXPECT_EQ(FatigueByAge(90), 9);
    EXPECT_EQ(FatigueByAge(91), 10);

    const TLineup& L = Lineups[L1];
    int keeper = L.starters[10];
    int outfield = L.starters[0];
    int star = L.starters[1];
    int benched = L.bench[0];
    for (int p : {keeper, outfield}) {
        Players[p].Age = 30;
        Players[p].Energy = 100;
    }
    Players[star].Age = 35;
    Players[star].Star = 1;
    Players[star].Energy = 100;
    Players[benched].Energy = 100;
    for (int tick = 15; tick <= 90; tick += 15)
        ApplyFatigue(home, tick);
    EXPECT_EQ(Players[keeper].Energy, 100);
    for (int tick = 105; tick <= 180; tick += 15)
        ApplyFatigue(home, tick);
    EXPECT_EQ(Players[keeper].Energy, 88);
    EXPECT_EQ(Players[outfield].Energy, 76);
    EXPECT_EQ(Players[star].Energy, 76);  // loses 3, gets 1 back, twelve times
    EXPECT_EQ(Players[benched].Energy, 100);
    Players[outfield].Energy = 2;
    ApplyFatigue(home, 15);
    EXPECT_EQ(Players[outfield].Energy, 1);
}

// Draws injury checks on side 1 until one player is injured.
PlayerPair InjureSomeone(int lineup)
{
    PlayerPair injury;
    for (int i = 0; i < 20000 && injury.first <= 0; ++i)
        injury = InjuryCheck(lineup, 5, 1);
    return injury;
}

TEST_F(Incidents, InjuredComputerPlayerIsReplacedFromTheBench)
{
    PlayerPair injury = InjureSomeone(L1);
    ASSERT_GT(injury.first, 0);
    ASSERT_GT(injury.second, 0);
    const TLineup& L = Lineups[L1];
    EXPECT_FALSE(Players[injury.first].OnPitch);
    EXPECT_TRUE(Players[injury.second].OnPitch);
    EXPECT_EQ(std::count(L.starters, L.starters + 11, injury.second), 1);
    EXPECT_EQ(std::count(L.bench, L.bench + 7, injury.second), 0);
    EXPECT_EQ(std::count(L.starters, L.starters + 11, injury.first), 0);
    EXPECT_EQ(Matches[1].subsLeft[0], 2);
}

TEST_F(Incidents, WithoutSubstitutionsLeftTheSidePlaysOnAManShort)
{
    Matches[1].subsLeft[0] = 0;
    const TLineup before = Lineups[L1];
    PlayerPair injury = InjureSomeone(L1);
    ASSERT_GT(injury.first, 0);
    EXPECT_EQ(injury.second, -1);
    EXPECT_TRUE(std::equal(before.bench, before.bench + 7, Lineups[L1].bench));
}

TEST_F(Incidents, HumanCoachChoosesTheSubstituteOrNobodyAndAnInvalidChoiceFallsBackToTheEngines)
{
    Clubs[home].IsHuman = 1;
    SilentMatchday = false;
    int asked = 0;
    int chosen = Lineups[L1].bench[6];
    Hooks().injurySubstitutionDialog = [&](int club, int injured, int match) {
        asked += 1;
        EXPECT_EQ(club, home);
        EXPECT_EQ(InjuredPlayer, injured);
        EXPECT_EQ(match, 1);
        return chosen;
    };
    PlayerPair injury = InjureSomeone(L1);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(injury.second, chosen);
    EXPECT_EQ(Lineups[L1].bench[6], -1);

    chosen = Lineups[L2].bench[0];  // not on his bench
    injury = InjureSomeone(L1);
    EXPECT_EQ(asked, 2);
    EXPECT_GT(injury.second, 0);
    EXPECT_NE(injury.second, chosen);
    EXPECT_GT(std::count(Lineups[L1].starters, Lineups[L1].starters + 11, injury.second), 0);

    chosen = -1;  // the dialog closed without a choice: the side plays one short
    const int subsLeft = Matches[1].subsLeft[0];
    const TLineup before = Lineups[L1];
    injury = InjureSomeone(L1);
    EXPECT_EQ(asked, 3);
    EXPECT_GT(injury.first, 0);
    EXPECT_EQ(injury.second, -1);
    EXPECT_EQ(Matches[1].subsLeft[0], subsLeft);
    EXPECT_TRUE(std::equal(before.bench, before.bench + 7, Lineups[L1].bench));

    chosen = kInjuryLeftToEngine;  // nobody was asked: the engine picks
    injury = InjureSomeone(L1);
    EXPECT_EQ(asked, 4);
    EXPECT_GT(injury.second, 0);

    SilentMatchday = true;  // no dialog on a silent matchday
    Matches[1].subsLeft[0] = 1;
    InjureSomeone(L1);
    EXPECT_EQ(asked, 4);
}

// A ball in side 1's box after a carded foul: the next step draws the injury, then the penalty.
TEST_F(Incidents, PenaltyDialogOnlyWhenAHumanClubPlaysAndItsTakerMustBeOnThePitch)
{
    Clubs[away].IsHuman = 1;
    SilentMatchday = false;
    int asked = 0;
    PenaltyDialogAnswer answer{1, 999999};
    Hooks().penaltyDialog = [&](int kicking, int defending, bool humanKicks) {
        asked += 1;
        EXPECT_EQ(kicking, home);
        EXPECT_EQ(defending, away);
        EXPECT_FALSE(humanKicks);
        EXPECT_EQ(PenaltyClubA, home);
        EXPECT_EQ(PenaltyOutcome, 2);
        return answer;
    };
    jogos& M = Matches[1];
    M.tick = 10;
    M.ballZone = 11;
    M.sideInPossession = 1;
    M.nextPlay = meAfterInjury;
    int event = MatchStep(1);
    ASSERT_EQ(asked, 1);
    ASSERT_GE(event, 0);
    const TMatchEventEntry& e = MatchEvents[event];
    EXPECT_EQ(e.code, mePenaltyGoal);
    EXPECT_EQ(e.club, home);
    EXPECT_TRUE(Players[e.player].OnPitch);  // the engine's own taker, not player 999999
    EXPECT_EQ(M.goals[0], 1);
    EXPECT_EQ(M.penalties[0], 1);
    EXPECT_EQ(M.ballZone, KickOffZone(2));
    EXPECT_EQ(M.sideInPossession, 2);

    answer = PenaltyDialogAnswer{2, Lineups[L1].starters[3]};
    M.ballZone = 11;
    M.sideInPossession = 1;
    M.nextPlay = meAfterInjury;
    event = MatchStep(1);
    ASSERT_GE(event, 0);
    EXPECT_EQ(MatchEvents[event].code, mePenaltyMissed);
    EXPECT_EQ(MatchEvents[event].player, Lineups[L1].starters[3]);
    EXPECT_EQ(M.ballZone, MirrorZone(2, 2));

    Clubs[away].IsHuman = 0;  // no human club: the engine kicks
    M.ballZone = 11;
    M.sideInPossession = 1;
    M.nextPlay = meAfterInjury;
    event = MatchStep(1);
    EXPECT_EQ(asked, 2);
    ASSERT_GE(event, 0);
    EXPECT_TRUE(MatchEvents[event].code == mePenaltyGoal || MatchEvents[event].code == mePenaltyMissed);
}

TEST_F(Incidents, WithBothClubsHumanTheKickingSidesDialogIsShown)
{
    Clubs[home].IsHuman = 1;
    Clubs[away].IsHuman = 1;
    SilentMatchday = false;
    std::vector<bool> kicks;
    Hooks().penaltyDialog = [&](int kicking, int, bool humanKicks) {
        kicks.push_back(humanKicks);
        return PenaltyDialogAnswer{1, Lineups[Clubs[kicking].LineupIndex].starters[0]};
    };
    jogos& M = Matches[1];
    M.ballZone = MirrorZone(11, 2);
    M.sideInPossession = 2;
    M.nextPlay = meAfterInjury;
    int event = MatchStep(1);
    ASSERT_EQ(kicks.size(), 1u);
    EXPECT_TRUE(kicks[0]);
    EXPECT_EQ(MatchEvents[event].club, away);
    EXPECT_EQ(M.ballZone, KickOffZone(1));
    SilentMatchday = true;  // a silent matchday asks nobody
    M.ballZone = MirrorZone(11, 2);
    M.sideInPossession = 2;
    M.nextPlay = meAfterInjury;
    MatchStep(1);
    EXPECT_EQ(kicks.size(), 1u);
}

TEST_F(Incidents, FoulOutsideTheBoxOrWithoutACardGivesNoPenalty)
{
    jogos& M = Matches[1];
    M.tick = 11;  // not a substitution tick
    M.ballZone = 10;
    M.sideInPossession = 1;
    M.nextPlay = meAfterInjury;
    int before = static_cast<int>(MatchEvents.size());
    MatchStep(1);
    for (std::size_t i = before; i < MatchEvents.size(); ++i) {
        EXPECT_NE(MatchEvents[i].code, mePenaltyGoal);
        EXPECT_NE(MatchEvents[i].code, mePenaltyMissed);
    }
    EXPECT_EQ(M.penalties[0], 0);
}

}  // namespace
}  // namespace tarvelon::testing
