// The purchase offer for a player (TForm68), opened between rounds on a seeded two-coach game and
// answered by real clicks: accepted, it sells the player; refused, he stays.
#include <gtest/gtest.h>

#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <filesystem>

#include <functional>
#include <optional>
#include <memory>
#include <string>
#include <vector>

#include "controls/grad_button.h"
#include "core/basics/datetime.h"
#include "core/basics/random.h"
#include "core/club_rosters.h"
#include "core/economy/between_rounds.h"
#include "core/economy/contract_renewal.h"
#include "core/economy/incoming_offers.h"
#include "core/economy/loans.h"
#include "core/economy/player_actions.h"
#include "core/economy/player_sale.h"
#include "core/economy/stadium.h"
#include "core/format/money_format.h"
#include "core/records/session_globals.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "core/vocab/players.h"
#include "grid/dg_grid.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/menus.h"
#include "platform/stdctrls/message_box.h"
#include "richtext/html_label.h"
#include "screens/club/club_screens.h"
#include "screens/club/incoming_offers.h"
#include "screens/common/game_form.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "tests/screens/club/between_rounds_suite.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/hub_game.h"

namespace tarvelon {
namespace {

class IncomingOffersTest : public test::BetweenRoundsSuite {};

TEST_F(IncomingOffersTest, AnAcceptedPurchaseOfferSellsThePlayerAndRefusalKeepsHim)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    const int club = Game.CurrentHumanClub;
    const int player = PlayersOfClub(club)[3];
    const int buyer = SubjectOtherClub();
    // Both of his traits are named, alike or not.
    Players[player].Trait1 = 7;
    Players[player].Trait2 = 7;
    for (bool accept : {false, true}) {
        DealPlayer = player;
        OfferingClub = buyer;
        const Currency cash = Clubs[club].cash;
        std::int64_t offer = 0;
        ModalAnswerer answerer([accept, &offer](TGameForm& form) {
            auto* dialog = dynamic_cast<TForm68*>(&form);
            ASSERT_NE(dialog, nullptr);
            offer = dialog->Offer();
            EXPECT_NE(dialog->Label3->Caption().find(Players[DealPlayer].Name.str()), std::string::npos);
            EXPECT_EQ(dialog->Label6->Caption(), std::string(TraitNames[7]) + "/" + TraitNames[7]);
            Click(accept ? dialog->bt3 : dialog->GradButton1);
        });
        CreateScreen("TForm68", hub)->ShowModal();
        test::Pump();
        if (!accept) {
            EXPECT_EQ(Players[player].Club, club);
            EXPECT_EQ(Clubs[club].cash, cash);
            EXPECT_EQ(DealPlayer, player);
            continue;
        }
        EXPECT_EQ(Players[player].Club, buyer);
        EXPECT_EQ(Clubs[club].cash - cash, CurrencyFromUnits(offer));
        EXPECT_EQ(DealPlayer, -1);
        EXPECT_EQ(OfferingClub, -1);
        EXPECT_EQ(RowOf(*hub, player), -1);  // the hub's squad was refreshed
    }
}

// The loan request is drawn on its own white: the game's background picture is not laid under it.
TEST_F(IncomingOffersTest, TheLoanRequestPaintsNoBackgroundPictureOfItsOwn)
{
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    std::optional<test::RedBackgroundPicture> background(std::in_place);
    ASSERT_TRUE(background->Loaded());
    LoanRequestPlayer = PlayersOfClub(Game.CurrentHumanClub)[3];
    LoanRequestClub = SubjectOtherClub();
    QImage shown;
    ModalAnswerer answerer([&shown](TGameForm& form) {
        test::Pump();
        shown = form.Widget()->grab().toImage();
        Click(dynamic_cast<TForm59&>(form).GradButton1);
    });
    CreateScreen("TForm59", hub)->ShowModal();
    test::Pump();
    background.reset();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.pixelColor(3, 3), QColor(Qt::white));
}

}  // namespace
}  // namespace tarvelon
