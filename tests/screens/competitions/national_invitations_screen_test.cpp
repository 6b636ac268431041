// The invitation to lead a national team (TForm76) on a seeded game made into a World Cup day: taken
// with the mouse (a team led by another human coach disabled, empty offers hidden, "OK" only after a
// choice), left when no offer is free, and opened by the dispatch only with an offer free to lead.
#include <QMenu>

#include "controls/dc_glow_button.h"
#include "controls/grad_button.h"
#include "core/club_rosters.h"
#include "core/lineup/lineup_board.h"
#include "core/progression/national_invitations.h"
#include "core/progression/post_round_invitations.h"
#include "core/records/game_state.h"
#include "core/records/match_records.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "core/views/national_tournament.h"
#include "grid/dg_combo_box.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/menus.h"
#include "screens/club/club_screens.h"
#include "screens/common/form_references.h"
#include "screens/common/navigator.h"
#include "screens/common/subjects.h"
#include "screens/competitions/national_invitations_screen.h"
#include "screens/matchday/pitch_board.h"
#include "tests/screens/board_drags.h"
#include "tests/screens/competitions/national_team_suite.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/player_clicks.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon {
namespace {

class NationalInvitationsScreenTest : public test::NationalTeamSuite {};

TEST_F(NationalInvitationsScreenTest, AnInvitationIsTakenWithTheMouseOnlyAmongTheTeamsFreeToLead)
{
    const int coach = Game.CurrentHumanCoach;
    ASSERT_GE(coach, 0);
    for (int slot = 0; slot < 8; ++slot)
        Game.tournamentRows[0][slot] = slot < 6 ? kFirstNation + slot : 0;
    Clubs[kFirstNation + 1].IsHuman = 1;  // led by another human coach
    InvitationCompetition = 9;
    InvitationOfferTier = 1;
    auto* form = Open<TForm76>("TForm76");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Label1->Caption(), "Escolha da seleção para treinar na Eurocopa");
    EXPECT_EQ(form->radios[0]->Caption(), Clubs[kFirstNation].name.str());
    EXPECT_FALSE(form->radios[1]->Enabled());
    EXPECT_FALSE(form->radios[6]->Visible());
    EXPECT_FALSE(form->images[7]->Visible());
    EXPECT_FALSE(form->btfechar->Enabled());
    Click(form->radios[1], QPoint(8, 10));  // disabled: nothing chosen
    EXPECT_FALSE(form->btfechar->Enabled());
    Click(form->radios[2], QPoint(8, 10));
    EXPECT_EQ(form->SelectedOffer, 3);
    EXPECT_TRUE(form->btfechar->Enabled());
    const int open = Screen->FormCount();
    Click(form->btfechar);
    test::Pump();
    EXPECT_EQ(Screen->FormCount(), open - 1);
    EXPECT_EQ(Game.HumanNationCount, 1);
    EXPECT_EQ(Game.HumanNations[0], kFirstNation + 2);
    EXPECT_EQ(Clubs[kFirstNation + 2].coach, coach);
    EXPECT_TRUE(Clubs[kFirstNation + 2].IsHuman);
}

TEST_F(NationalInvitationsScreenTest, WithNoOfferFreeTheInvitationCanStillBeLeft)
{
    for (int slot = 0; slot < 8; ++slot)
        Game.tournamentRows[1][slot] = slot < 2 ? kFirstNation + slot : -1;
    Clubs[kFirstNation].IsHuman = Clubs[kFirstNation + 1].IsHuman = 1;
    InvitationOfferTier = 2;
    auto* form = Open<TForm76>("TForm76");
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->btfechar->Enabled());
    const int open = Screen->FormCount();
    Click(form->btfechar);
    test::Pump();
    EXPECT_EQ(Screen->FormCount(), open - 1);
    EXPECT_EQ(Game.HumanNationCount, 0);
}

TEST_F(NationalInvitationsScreenTest, TheDispatchOpensAnInvitationOnlyWithAnOfferFreeToLead)
{
    const int tier = InvitationTier(7, Game.CurrentHumanClub);
    for (int slot = 0; slot < 8; ++slot)
        Game.tournamentRows[tier - 1][slot] = -1;
    EXPECT_EQ(OfferNationalTeamInvitation(7), -1);  // nothing offered: no dialog
    Game.tournamentRows[tier - 1][3] = kFirstNation + 7;
    // The dialog opens modally; the coach takes the one offer with the mouse.
    test::Answer<TForm76>([](TForm76& dialog) {
        Click(dialog.radios[3], QPoint(8, 10));
        Click(dialog.btfechar);
    });
    EXPECT_EQ(OfferNationalTeamInvitation(7), kFirstNation + 7);
    EXPECT_EQ(InvitationCompetition, 7);
    EXPECT_EQ(InvitationOfferTier, tier);
}

}  // namespace
}  // namespace tarvelon
