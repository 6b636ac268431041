// The coach's own decisions and what he is told: the job offers as the offer screen lists them, a
// resignation (accepted, or refused with a message), and the notice of another club's coach change.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/career/career_state.h"
#include "core/career/resignation.h"
#include "core/club_rosters.h"
#include "core/hooks.h"
#include "core/tables.h"
#include "core/views/dismissal_text.h"
#include "core/views/job_offer_view.h"
#include "tests/core/economy_test_world.h"

namespace tarvelon {
namespace {

using testworld::Build;
using testworld::MakeHuman;

class CareerNoticesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Build({{104, 2}, {29, 2}}, 4);
        Hooks().showCoachDismissal = [this](int club, int fired, int replacement) {
            dismissals_.push_back({club, fired, replacement});
            resignedWhenShown_ = CoachResigned;
        };
        Hooks().showMessage = [this](const std::string& text) { messages_.push_back(text); };
    }
    void TearDown() override
    {
        Hooks().showCoachDismissal = nullptr;
        Hooks().showMessage = [](const std::string&) {};
        ClearJobOffers();
        ResetCoachChange();
    }

    std::vector<std::vector<int>> dismissals_;
    std::vector<std::string> messages_;
    bool resignedWhenShown_ = false;
};

TEST_F(CareerNoticesTest, OnlyTheFirstOfferMayComeFromAClubWithoutAPlayedLeague)
{
    const int abroad = testbuild::AppendClub(7, 1, 10);  // a country whose league is not played
    JobOffers = {abroad, 3, abroad, -1};
    EXPECT_TRUE(IsJobOfferShown(0));
    EXPECT_TRUE(IsJobOfferShown(1));
    EXPECT_FALSE(IsJobOfferShown(2));
    EXPECT_FALSE(IsJobOfferShown(3));
    EXPECT_FALSE(IsJobOfferShown(4));

    Clubs[3].name.set("Roma");
    EXPECT_EQ(JobOfferCaption(3), "Roma(Itália) - 1ª divisão");
    Clubs[3].Division = 0;
    EXPECT_EQ(JobOfferCaption(3), "Roma(Itália) - Divisão regional");
}

TEST_F(CareerNoticesTest, AnOfferedSquadIsListedByPositionGoalkeepersFirst)
{
    const int club = 12;
    const std::vector<JobOfferSquadRow> rows = JobOfferSquad(club);
    ASSERT_EQ(rows.size(), PlayersOfClub(club).size());
    int lastPosition = 0;
    int lastPlayer = 0;
    for (const JobOfferSquadRow& row : rows) {
        const TPlayer& p = Players[row.player];
        ASSERT_GE(p.Position, lastPosition);
        if (p.Position == lastPosition) {
            EXPECT_GT(row.player, lastPlayer);
        }
        lastPosition = p.Position;
        lastPlayer = row.player;
        EXPECT_EQ(row.energy, std::to_string(p.Energy) + "%");
        EXPECT_EQ(row.star, p.Star != 0);
        EXPECT_EQ(row.traits.find('/') != std::string::npos, true);
    }
    EXPECT_EQ(rows.front().position, "G");
    EXPECT_EQ(rows.back().position, "A");
}

TEST_F(CareerNoticesTest, AResignationIsAcceptedAndAReplacementTakesTheClub)
{
    const int club = 4;
    MakeHuman(club);
    const int coach = Game.CurrentHumanCoach;
    EXPECT_TRUE(ResignCurrentHumanCoach());
    ASSERT_EQ(dismissals_.size(), 1u);
    EXPECT_EQ(dismissals_[0][0], club);
    EXPECT_EQ(dismissals_[0][1], coach);
    EXPECT_TRUE(resignedWhenShown_);
    EXPECT_FALSE(CoachResigned);
    EXPECT_EQ(Clubs[club].coach, dismissals_[0][2]);
    EXPECT_EQ(Coaches[coach].club, -1);
    EXPECT_FALSE(Clubs[club].IsHuman);
    EXPECT_EQ(CoachChangeClub, -1);
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(DismissalReason(club, true), "conforme você solicitou, boa sorte no próximo clube");
}

TEST_F(CareerNoticesTest, AResignationThatCannotBeCarriedOutSaysSo)
{
    MakeHuman(4);
    const int coach = Game.CurrentHumanCoach;
    Game.CurrentHumanClub = -1;  // a coach without a club has nothing to resign from
    EXPECT_FALSE(ResignCurrentHumanCoach());
    EXPECT_TRUE(dismissals_.empty());
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], kResignationRefused);
    EXPECT_EQ(Clubs[4].coach, coach);
    EXPECT_FALSE(CoachResigned);
}

TEST_F(CareerNoticesTest, TheCoachChangeNoticeGivesTheReasonAndTheChain)
{
    const int club = 5;
    CoachChangeClub = club;
    FiredCoach = Clubs[club].coach;
    ReplacementCoach = Clubs[7].coach;
    ReplacementCoachOldClub = -1;
    const std::string fired = Coaches[FiredCoach].name.str();
    const std::string replacement = Coaches[ReplacementCoach].name.str();

    Clubs[club].SupportersMood = 20;
    Clubs[club].cash = -1;
    CoachChangeNoticeText text = CoachChangeNotice();
    EXPECT_EQ(text.title, "Técnico demitido");
    EXPECT_EQ(text.coaches, fired);
    EXPECT_EQ(text.reason, fired + " demitido do " + Clubs[club].name.str() +
                               " pois estava levando nosso clube para um pântano de dívidas sem fim.");
    EXPECT_EQ(text.outcome, "Para seu lugar foi contratado " + replacement);

    Clubs[club].SupportersMood = 14;
    EXPECT_EQ(CoachChangeReason(club),
              "porque a pressão da torcida foi grande pois os resultados não estavam sendo nada bons");
    Clubs[club].SupportersMood = 15;
    Clubs[club].cash = 0;
    EXPECT_EQ(CoachChangeReason(club), "pois não foi aprovado como treinador do clube, muitas derrotas e poucas vitórias");

    ReplacementCoachOldClub = 7;
    text = CoachChangeNotice();
    EXPECT_EQ(text.title, "Troca de técnicos");
    EXPECT_EQ(text.coaches, fired + " por " + replacement);
    EXPECT_EQ(text.outcome, "Em seu lugar foi contratado " + replacement + " e " + fired + " foi parar no " +
                                Clubs[7].name.str());
}

}  // namespace
}  // namespace tarvelon
