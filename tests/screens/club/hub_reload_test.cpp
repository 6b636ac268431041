// A game saved at the hub and loaded again goes on as it would have without the reload: a screen
// opened from the hub and closed again, then a save, writes the same file either way. The round's
// updates (sales of the listed players, the morale countdowns) are not run a second time for the day.
#include <gtest/gtest.h>

#include <QTest>

#include <string>
#include <vector>

#include "core/club_rosters.h"
#include "core/economy/player_sale.h"
#include "core/format/money_format.h"
#include "core/persist/file_io.h"
#include "core/persist/saved_game.h"
#include "core/persist/saved_game_image.h"
#include "core/records/session_globals.h"
#include "core/tables.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/club/hub_screen.h"
#include "screens/common/navigator.h"
#include "tests/screens/club/between_rounds_suite.h"
#include "tests/screens/hub_driving.h"

namespace tarvelon {
namespace {

class HubReloadTest : public test::BetweenRoundsSuite {
protected:
    // Two players of `club` whose next round would show: a morale countdown of 3, which the round
    // steps, and (once `ListAtValue` ran) a listing at his value, which the round's sales draw sells.
    struct Marked {
        int club, complaining, listed;
    };
    static Marked MarkPlayersOf(int club)
    {
        const std::vector<int> squad = PlayersOfClub(club);
        Players[squad[1]].moraleCountdown = 3;
        return {club, squad[1], squad[2]};
    }
    static void ListAtValue(const Marked& marked)
    {
        ListPlayerForSale(marked.listed, CurrencyUnits(Players[marked.listed].Value));
    }
    // The round ran once: the countdown stepped once, the listed player still the club's.
    static void ExpectOneRound(const Marked& marked)
    {
        EXPECT_EQ(Players[marked.complaining].moraleCountdown, 2);
        EXPECT_EQ(Players[marked.listed].Club, marked.club);
        EXPECT_TRUE(Players[marked.listed].ListedForSale);
    }

    static std::string Saved(const std::string& name)
    {
        std::string bytes;
        EXPECT_EQ(ReadWholeFile(SavePath(name), bytes, kMaxSavedGameBytes), WholeFileRead::kRead) << name;
        return bytes;
    }

    // F2 saves the game under `name`.
    static std::string SaveWithF2(TForm13& hub, const std::string& name)
    {
        Game.saveName.set(name);
        QTest::keyClick(hub.Widget(), Qt::Key_F2);
        return Saved(name);
    }

    // F5 opens the standings, which the answerer closes; then F2 saves.
    static std::string StandingsThenSave(TForm13& hub)
    {
        QTest::keyClick(hub.Widget(), Qt::Key_F5);
        EXPECT_TRUE(test::OpenedAndClosedAgain("TForm36"));
        test::Pump(20);
        return SaveWithF2(hub, "depois.nsx");
    }

    // The game saved as `name` loaded as the load screen loads it, its hub shown and its first
    // round's dispatch run.
    static TForm13* LoadAtTheHub(const std::string& name)
    {
        test::CloseEveryForm();
        const LoadOutcome loaded = LoadGame(name);
        EXPECT_EQ(loaded, LoadOutcome::kOpenHub);
        OpenAfterLoad(loaded);
        EXPECT_TRUE(test::PumpUntil([] { return test::OpenHub() != nullptr && !PostRoundPending; }));
        return test::OpenHub();
    }
};

TEST_F(HubReloadTest, AScreenOpenedAndClosedAfterAReloadLeavesTheSameSave)
{
    SeasonStartPending = 0;  // a round's hub: the round's updates run as it opens
    const Marked marked = MarkPlayersOf(Game.HumanClubs[0]);
    ModalAnswerer closer([](TGameForm& form) { form.Close(); });
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    ASSERT_EQ(Game.CurrentHumanClub, marked.club);
    ListAtValue(marked);
    SaveWithF2(*hub, "antes.nsx");

    const std::string withoutReload = StandingsThenSave(*hub);

    hub = LoadAtTheHub("antes.nsx");
    ASSERT_NE(hub, nullptr);
    // A loaded game's first hub skips the round's updates: the large face of the squad's mood stays.
    EXPECT_EQ(hub->imgmoral->Picture().Width(), 24);
    const std::string afterReload = StandingsThenSave(*hub);
    ExpectOneRound(marked);
    EXPECT_TRUE(afterReload == withoutReload) << "the save after the reload differs";
}

// Saved at the second coach's turn, a loaded game serves the first coach again; when his line-up
// hands the hub over, the second coach's round has been had already, as the save holds: his listed
// player is not offered to the buyers again, his players' morale countdowns not stepped again.
TEST_F(HubReloadTest, AReloadAtTheSecondCoachsTurnDoesNotRunHisRoundAgain)
{
    SeasonStartPending = 0;
    const Marked marked = MarkPlayersOf(Game.HumanClubs[1]);
    ModalAnswerer closer([](TGameForm& form) { form.Close(); });
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    test::PlayTurnFromHub(*hub);
    ASSERT_EQ(Game.CurrentHumanClub, marked.club);
    ListAtValue(marked);
    SaveWithF2(*hub, "antes.nsx");

    hub = LoadAtTheHub("antes.nsx");
    ASSERT_NE(hub, nullptr);
    ASSERT_EQ(Game.CurrentHumanClub, Game.HumanClubs[0]);
    test::PlayTurnFromHub(*hub);
    ASSERT_EQ(Game.CurrentHumanClub, marked.club);
    ExpectOneRound(marked);
}

}  // namespace
}  // namespace tarvelon
