// A game saved at the hub and loaded again goes on as it would have without the reload: a screen
// opened from the hub and closed again, then a save, writes the same file either way. The round's
// updates (sales of the listed players, the morale countdowns) are not run a second time for the day,
// nor a line-up confirmed again after the reload counted again, and a starter it leaves out keeps no
// game.
#include <gtest/gtest.h>

#include <QTest>

#include <cstdint>
#include <cstring>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "core/club_rosters.h"
#include "core/economy/player_sale.h"
#include "core/history/season_lines.h"
#include "core/lineup/lineup_commit.h"
#include "core/format/money_format.h"
#include "core/match/lineup_access.h"
#include "core/persist/file_io.h"
#include "core/persist/saved_game.h"
#include "core/persist/saved_game_image.h"
#include "core/records/history_records.h"
#include "core/records/match_records.h"
#include "core/records/session_globals.h"
#include "core/services/rule_services.h"
#include "core/tables.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/club/hub_screen.h"
#include "screens/common/navigator.h"
#include "screens/matchday/results_screen.h"
#include "tests/screens/club/between_rounds_suite.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/in_match_answerer.h"

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

    // The starters of the club's line-up for today, in their places.
    static std::vector<int> StartersOf(int club)
    {
        const TLineup* lineup = LineupAt(Clubs[static_cast<std::size_t>(club)].LineupIndex);
        EXPECT_NE(lineup, nullptr);
        return lineup == nullptr ? std::vector<int>{} : std::vector<int>(std::begin(lineup->starters), std::end(lineup->starters));
    }
    // A player's career and his season line for the club, and the energy the day left him.
    struct PlayerLines {
        int careerGames, careerGoals, careerCards, energy;
        TPlayerSeasonStats season;
        bool operator==(const PlayerLines& o) const
        {
            return careerGames == o.careerGames && careerGoals == o.careerGoals && careerCards == o.careerCards &&
                   energy == o.energy && std::memcmp(&season, &o.season, sizeof season) == 0;
        }
        friend std::ostream& operator<<(std::ostream& out, const PlayerLines& l)
        {
            return out << l.careerGames << " games, " << l.careerGoals << " goals, " << l.careerCards
                       << " cards in his career, energy " << l.energy << "; season line " << l.season.games
                       << " games, " << l.season.goals << " goals, " << l.season.yellowCards << "/"
                       << l.season.redCards << " cards, " << l.season.injuries << " injuries";
        }
    };
    static std::vector<PlayerLines> LinesOf(const std::vector<int>& players, int club)
    {
        std::vector<PlayerLines> lines;
        for (int player : players) {
            const TPlayer& p = Players[static_cast<std::size_t>(player)];
            const int line = FindSeasonLine(player, Game.Season, club);
            lines.push_back({p.careerGames, p.careerGoals, p.careerCards, p.Energy,
                             line >= 0 ? PlayerSeasonStats[static_cast<std::size_t>(line)] : TPlayerSeasonStats{}});
        }
        return lines;
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

// Saved at the second coach's turn, a loaded game serves the first coach again, as the save holds
// no line-ups; his line-up confirmed again as before counts his starters' game once, as the first
// confirmation did, his tired starters are not warned again, and the game saved over again is the
// one written before the reload.
TEST_F(HubReloadTest, ALineupConfirmedAgainAfterAReloadCountsTheStartersGameOnce)
{
    SeasonStartPending = 0;
    ModalAnswerer closer([](TGameForm& form) { form.Close(); });
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    const int first = Game.HumanClubs[0];
    ASSERT_EQ(Game.CurrentHumanClub, first);
    for (int player : PlayersOfClub(first))
        Players[static_cast<std::size_t>(player)].Energy = kTiredEnergy - 1;  // each starter warned of
    test::PlayTurnFromHub(*hub);
    ASSERT_EQ(Game.CurrentHumanClub, Game.HumanClubs[1]);
    const std::vector<int> starters = StartersOf(first);
    const std::vector<PlayerLines> counted = LinesOf(starters, first);
    const std::string atTheSecondTurn = SaveWithF2(*hub, "antes.nsx");

    hub = LoadAtTheHub("antes.nsx");
    ASSERT_NE(hub, nullptr);
    ASSERT_EQ(Game.CurrentHumanClub, first);
    test::PlayTurnFromHub(*hub);
    ASSERT_EQ(Game.CurrentHumanClub, Game.HumanClubs[1]);
    ASSERT_EQ(StartersOf(first), starters);
    EXPECT_EQ(LinesOf(starters, first), counted);
    EXPECT_TRUE(SaveWithF2(*hub, "antes.nsx") == atTheSecondTurn) << "the save after the reload differs";
}

// Saved at the second coach's turn and loaded, the first coach fields another eleven: the matchday
// then played leaves every player of his squad with the career and the season line that one
// confirmation of that eleven gives; a starter of the first eleven left out keeps no game, nor gets
// two should he come on from the bench, and rests as a player who did not play.
TEST_F(HubReloadTest, AnotherElevenAfterAReloadPlaysTheMatchdayAsOneConfirmationOfIt)
{
    SeasonStartPending = 0;
    Game.InstantPlay = 1;
    Game.HalfTimeScreen = 0;
    const int first = Game.HumanClubs[0];
    for (int player : PlayersOfClub(first))
        Players[static_cast<std::size_t>(player)].Energy = 100;  // no tired starter, whose mood would fall
    test::InMatchAnswerer answerer;
    TForm13* hub = OpenTheHub();
    ASSERT_NE(hub, nullptr);
    SaveWithF2(*hub, "inicio.nsx");
    constexpr int kFiveFourOne = 1;  // the formation box's first item: another eleven than the 4-4-2

    // The second coach's turn, the matchday played from the same draws, its results left.
    const auto playTheMatchday = [](TForm13& atTheSecondTurn) {
        SeedRepeatableRun(20100611);
        test::PlayTurnFromHub(atTheSecondTurn);
        EXPECT_TRUE(test::PumpUntil([] { return test::Shown<TForm67>() != nullptr; }, 120000));
        TForm67* results = test::Shown<TForm67>();
        ASSERT_NE(results, nullptr);
        results->Timer1->SetEnabled(false);
        QTest::mouseClick(results->bt3->Widget(), Qt::LeftButton);
        EXPECT_TRUE(test::PumpUntil([results] { return test::Shown<TForm67>() != results; }, 120000));
    };

    // The second coach's round, run as his turn comes, draws from the same numbers on both ways.
    constexpr std::uint64_t kRoundDraws = 20100612;
    hub = LoadAtTheHub("inicio.nsx");
    ASSERT_NE(hub, nullptr);
    SeedRepeatableRun(kRoundDraws);
    test::PlayTurnFromHub(*hub, kFiveFourOne);
    ASSERT_EQ(Game.CurrentHumanClub, Game.HumanClubs[1]);
    const std::vector<int> eleven = StartersOf(first);
    playTheMatchday(*hub);
    const std::vector<int> squad = PlayersOfClub(first);
    const std::vector<PlayerLines> once = LinesOf(squad, first);

    hub = LoadAtTheHub("inicio.nsx");
    ASSERT_NE(hub, nullptr);
    SeedRepeatableRun(kRoundDraws);
    test::PlayTurnFromHub(*hub);
    const std::vector<int> firstEleven = StartersOf(first);
    ASSERT_NE(firstEleven, eleven);
    SaveWithF2(*hub, "meio.nsx");
    hub = LoadAtTheHub("meio.nsx");
    ASSERT_NE(hub, nullptr);
    ASSERT_EQ(Game.CurrentHumanClub, first);
    test::PlayTurnFromHub(*hub, kFiveFourOne);
    ASSERT_EQ(StartersOf(first), eleven);
    playTheMatchday(*hub);
    ASSERT_EQ(PlayersOfClub(first), squad);
    const std::vector<PlayerLines> afterReload = LinesOf(squad, first);
    for (std::size_t i = 0; i < squad.size(); ++i)
        EXPECT_EQ(afterReload[i], once[i]) << "player " << squad[i];
}

}  // namespace
}  // namespace tarvelon
