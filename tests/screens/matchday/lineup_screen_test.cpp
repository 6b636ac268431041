// The line-up screen (TForm87) on the hub's two-coach game, driven by real clicks, drags and keys:
// players dragged onto shirts, shirts swapped and moved on the pitch, the dragged shirt's cursor,
// tactics, captain and a stored line-up coming back, the bench's names; and a national team's
// line-up, whose players wear their clubs' numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "controls/dc_glow_button.h"
#include "controls/dc_smooth_message_dialog.h"
#include "controls/grad_button.h"
#include "core/lineup/lineup_board.h"
#include "core/records/match_records.h"
#include "core/records/game_state.h"
#include "core/records/session_globals.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "core/vocab/tactics_board.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/graphic_controls.h"
#include "richtext/html_label.h"
#include "screens/common/art/cursor_art.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/matchday/pitch_board.h"
#include "tests/screens/competitions/national_team_suite.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/two_coach_hub_suite.h"
#include "tests/screens/board_drags.h"
#include "tests/controls/smooth_dialog_answer.h"

namespace tarvelon {
namespace {

using test::CloseEveryForm;
using test::Shown;

class LineupScreenTest : public test::TwoCoachHubSuite {};

TEST_F(LineupScreenTest, DragsPutPlayersOnShirtsSwapShirtsAndMoveThemOnThePitch)
{
    Game.CurrentHumanClub = Game.HumanClubs[0];
    Game.KeepLineup = 0;
    const std::vector<int> squad = SquadInListOrder(Game.CurrentHumanClub);
    const int injured = squad[3];  // a row the grid shows without scrolling
    Players[injured].InjuredUntil = TodayDate() + 20;
    TForm87* lineup = OpenLineupScreen();
    TDataGrid* grid = lineup->gridview1;
    QWidget* pitch = lineup->Panel1->Widget();
    ASSERT_EQ(grid->RowCount(), static_cast<int>(squad.size()));

    // The first row (a goalkeeper) dragged onto shirt 1.
    const int keeper = lineup->Board().rowPlayers[0];
    QTest::mouseClick(grid->Widget(), Qt::LeftButton, Qt::NoModifier, RowPoint(grid, 0));
    test::DragMouse(grid->Widget(), RowPoint(grid, 0), pitch, test::ShirtCentreOf(lineup->PitchBoard(), 1));
    EXPECT_EQ(lineup->Board().shirts[1].player, keeper);
    EXPECT_EQ(grid->GetCellTextByName("colstatus", 0), "1");
    EXPECT_EQ(lineup->PitchBoard().ShirtPicture(1), "camisa2");
    const QColor shirt = lineup->Widget()->grab().toImage().pixelColor(test::ShirtCentreOf(lineup->PitchBoard(), 1) + QPoint(-8, 0));
    EXPECT_GT(shirt.red(), 150);  // the goalkeeper's yellow shirt
    EXPECT_GT(shirt.green(), 110);
    EXPECT_LT(shirt.blue(), 90);

    // The injured player's row is refused; chosen in the list, it says why at the top right.
    EXPECT_EQ(lineup->Label2->Caption(), "");
    const int injuredRow = lineup->Board().Row(injured);
    QTest::mouseClick(grid->Widget(), Qt::LeftButton, Qt::NoModifier, RowPoint(grid, injuredRow));
    EXPECT_EQ(lineup->Label2->Caption(), "Jogador contundido");
    test::DragMouse(grid->Widget(), RowPoint(grid, injuredRow), pitch, test::ShirtCentreOf(lineup->PitchBoard(), 5));
    EXPECT_FALSE(lineup->Board().HasPlayer(5));
    EXPECT_EQ(grid->GetCellTextByName("colstatus", injuredRow), "3");

    // Shirt 1 dragged onto bench shirt 12: the goalkeeper moves to the bench.
    test::DragMouse(pitch, test::ShirtCentreOf(lineup->PitchBoard(), 1), pitch, test::ShirtCentreOf(lineup->PitchBoard(), 12));
    EXPECT_FALSE(lineup->Board().HasPlayer(1));
    EXPECT_EQ(lineup->Board().shirts[12].player, keeper);
    EXPECT_EQ(grid->GetCellTextByName("colstatus", 0), "2");
    EXPECT_EQ(lineup->PitchBoard().ShirtPicture(12), "camisa3");

    // The tactics boxes are lists only: a click anywhere on one drops its list, Escape closes it.
    QTest::mouseClick(lineup->combtat->Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(20, lineup->combtat->Height() / 2));
    test::Pump();
    EXPECT_TRUE(lineup->combtat->DroppedDown());
    QTest::keyClick(lineup->combtat->Widget(), Qt::Key_Escape);
    test::Pump();
    EXPECT_FALSE(lineup->combtat->DroppedDown());
    EXPECT_TRUE(lineup->Visible());

    // An automatic "4-4-2", then shirt 2 moved to the free slot 20 of the pitch.
    lineup->combtat->SetFocus();
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(lineup->combtat->Widget(), Qt::Key_Down);
    ASSERT_TRUE(StartersComplete(lineup->Board()));
    // The shirts' small labels keep their boxes: "100%" whole under the shirt, not a stroke of it.
    TPitchBoard& board = lineup->PitchBoard();
    for (int shirt : {2, 12}) {
        EXPECT_EQ(board.EnergyLabel(shirt)->Caption(), "100%");
        EXPECT_EQ(board.EnergyLabel(shirt)->Width(), board.Scaled(25));
        EXPECT_EQ(board.NumberLabel(shirt)->Width(), board.Scaled(10));
    }
    const TPoint centre20 = lineup->PitchSlotCentre(20);
    const QPoint slot20(centre20.X, centre20.Y);
    test::DragMouse(pitch, test::ShirtCentreOf(lineup->PitchBoard(), 2), pitch, slot20);
    EXPECT_EQ(lineup->Board().shirts[2].pitchSlot, 20);
    EXPECT_EQ(lineup->PitchBoard().Shirt(2)->Left(), lineup->PitchBoard().Scaled(PitchSlotX[20]));
    lineup->Close();
}

TEST_F(LineupScreenTest, ADraggedShirtShowsTheArrowCarryingItsKindOfShirt)
{
    Game.CurrentHumanClub = Game.HumanClubs[0];
    TForm87* lineup = OpenLineupScreen();
    QWidget* pitch = lineup->Panel1->Widget();
    // The colour of the carried shirt's chest in the cursor shown while the mouse moves with it.
    auto carried = [&](int shirt) {
        const QPoint start = test::ShirtCentreOf(lineup->PitchBoard(), shirt);
        QTest::mousePress(pitch, Qt::LeftButton, Qt::NoModifier, start);
        test::MoveMouse(pitch, start + QPoint(4, 4), Qt::LeftButton);  // over its own shirt, which takes drops
        test::MoveMouse(pitch, start + QPoint(2, 2), Qt::LeftButton);
        const QCursor* cursor = QApplication::overrideCursor();
        const QColor chest = cursor ? cursor->pixmap().toImage().pixelColor(21, 24) : QColor();
        test::SendMouse(pitch, QEvent::MouseButtonRelease, start, Qt::LeftButton, Qt::NoButton);
        test::Pump(10);
        return chest;
    };
    auto drawn = [](const char* name) { return art::DrawCursor(name).image.pixelColor(21, 24); };
    const std::pair<int, const char*> shirts[] = {{1, "cursor2"}, {5, "cursor1"}, {14, "cursor3"}};
    for (const auto& [shirt, name] : shirts) {
        const QColor seen = carried(shirt);
        const QColor expected = drawn(name);
        EXPECT_GT(seen.alpha(), 200) << "shirt " << shirt;
        EXPECT_NEAR(seen.red(), expected.red(), 12) << "shirt " << shirt;
        EXPECT_NEAR(seen.green(), expected.green(), 12) << "shirt " << shirt;
        EXPECT_NEAR(seen.blue(), expected.blue(), 12) << "shirt " << shirt;
    }
    // The three kinds of shirt are told apart.
    EXPECT_NE(drawn("cursor1").rgb(), drawn("cursor2").rgb());
    EXPECT_NE(drawn("cursor1").rgb(), drawn("cursor3").rgb());
    lineup->Close();
}

// A squad whose contracts all ran out has nobody to field: "Jogar >>" says so and waits for the
// coach's renewals instead of sending out an empty side.
TEST_F(LineupScreenTest, ASquadWithEveryContractRunOutDoesNotKickOff)
{
    Game.CurrentHumanClub = Game.HumanClubs[0];
    Game.KeepLineup = 0;
    for (const int player : SquadInListOrder(Game.CurrentHumanClub))
        Players[static_cast<std::size_t>(player)].ContractEnd = TodayDate() - 1;
    TForm87* lineup = OpenLineupScreen();
    lineup->combtat->SetFocus();
    for (int i = 0; i < 4; ++i)  // "4-4-2": the automatic selection finds nobody
        QTest::keyClick(lineup->combtat->Widget(), Qt::Key_Down);
    EXPECT_FALSE(lineup->Board().HasPlayer(1));
    const std::size_t lineups = Lineups.size();
    bool told = false;
    test::AnswerSmoothDialog(*lineup->info1, [&told](TDcSmoothMessageDialogForm& form) {
        told = true;
        QTest::keyClick(form.Widget(), Qt::Key_Return);
    });
    QTest::mouseClick(lineup->bt_irprojogo->Widget(), Qt::LeftButton);
    EXPECT_TRUE(told);
    EXPECT_EQ(Lineups.size(), lineups);
    EXPECT_FALSE(LineupConfirmed);
    EXPECT_TRUE(lineup->Visible());
    lineup->Close();
}

TEST_F(LineupScreenTest, TacticsCaptainAndAStoredLineupComeBackWhenTheScreenOpensAgain)
{
    Game.CurrentHumanClub = Game.HumanClubs[0];
    Game.KeepLineup = 0;
    TForm87* lineup = OpenLineupScreen();
    // "Jogar >>" with empty shirts: the message, centred on the screen, the screen stays, nothing is built.
    const std::size_t lineups = Lineups.size();
    QRect message;
    test::AnswerSmoothDialog(*lineup->info1, [&message](TDcSmoothMessageDialogForm& form) {
        message = form.Widget()->frameGeometry();
        QTest::keyClick(form.Widget(), Qt::Key_Return);
    });
    QTest::mouseClick(lineup->bt_irprojogo->Widget(), Qt::LeftButton);
    EXPECT_EQ(Lineups.size(), lineups);
    EXPECT_FALSE(LineupConfirmed);
    EXPECT_TRUE(lineup->Visible());
    ASSERT_FALSE(message.isEmpty());
    EXPECT_NEAR(message.center().x(), lineup->Left() + lineup->Width() / 2, 1);
    EXPECT_NEAR(message.center().y(), lineup->Top() + lineup->Height() / 2, 1);

    lineup->comboej->SetFocus();
    QTest::keyClick(lineup->comboej->Widget(), Qt::Key_End);
    EXPECT_EQ(Clubs[Game.CurrentHumanClub].PlayingStyle, 2);
    lineup->combo1->SetFocus();
    QTest::keyClick(lineup->combo1->Widget(), Qt::Key_Home);
    QTest::keyClick(lineup->combo1->Widget(), Qt::Key_Down);
    EXPECT_EQ(Clubs[Game.CurrentHumanClub].Captain, lineup->ComboPlayer(1));
    EXPECT_EQ(lineup->combo1->ItemIndex(), 1);

    QTest::mouseClick(lineup->ckescalacao->Widget(), Qt::LeftButton);
    EXPECT_EQ(Game.KeepLineup, 1);
    lineup->combtat->SetFocus();
    for (int i = 0; i < 9; ++i)
        QTest::keyClick(lineup->combtat->Widget(), Qt::Key_Down);
    const LineupBoard chosen = lineup->Board();
    QTest::mouseClick(lineup->bt_voltar->Widget(), Qt::LeftButton);
    test::Pump(20);

    TForm87* again = OpenLineupScreen();
    EXPECT_TRUE(again->ckescalacao->Checked());
    for (int shirt = 1; shirt <= kShirtCount; ++shirt)
        EXPECT_EQ(again->Board().shirts[shirt].player, chosen.shirts[shirt].player) << shirt;
    EXPECT_EQ(again->Board().shirts[3].pitchSlot, FormationSlots[9][3]);
    EXPECT_EQ(again->combo1->ItemIndex(), 1);  // the captain shown by who he is
    again->Close();
    test::Pump(20);

    // A stored line-up whose goalkeeper is gone still shows the goalkeeper's shirt, empty.
    const auto record = std::find_if(TacticsPresets.begin(), TacticsPresets.end(),
                                     [](const TTacticsPreset& t) { return t.club == Game.CurrentHumanClub; });
    ASSERT_NE(record, TacticsPresets.end());
    record->players[0] = 0;
    TForm87* keeperless = OpenLineupScreen();
    EXPECT_FALSE(keeperless->Board().HasPlayer(1));
    EXPECT_EQ(keeperless->PitchBoard().ShirtPicture(1), "camisa2");
    EXPECT_EQ(keeperless->PitchBoard().ShirtPicture(2), "camisa1");
    keeperless->Close();
    Game.KeepLineup = 0;
}

// The bench column after the automatic selection: each substitute's name and position letter
// stand under his shirt, clear of every text of the shirt below (the column is tight: its places
// are about a shirt and a line apart).
TEST_F(LineupScreenTest, TheBenchNamesStandClearOfTheTextsOfTheShirtBelow)
{
    Game.CurrentHumanClub = Game.HumanClubs[0];
    Game.KeepLineup = 0;
    TForm87* lineup = OpenLineupScreen();
    lineup->combtat->SetFocus();
    for (int i = 0; i < test::kAcceptedFormation; ++i)
        QTest::keyClick(lineup->combtat->Widget(), Qt::Key_Down);
    test::Pump(20);
    const TPitchBoard& board = lineup->PitchBoard();
    const auto bounds = [](const TControl* c) { return QRect(c->Left(), c->Top(), c->Width(), c->Height()); };
    for (int shirt = kStarterShirts + 1; shirt < 18; ++shirt) {
        ASSERT_TRUE(lineup->Board().HasPlayer(shirt)) << shirt;
        const QRect name = bounds(board.NameLabel(shirt));
        ASSERT_NE(board.NameLabel(shirt)->GetDisplayText().find(board.DisplayName(lineup->Board().shirts[shirt].player)),
                  std::string::npos);
        for (const TLabel* below : {board.PositionLabel(shirt + 1), board.NumberLabel(shirt + 1), board.EnergyLabel(shirt + 1)})
            if (below->Visible() && !below->Caption().empty()) {
                EXPECT_FALSE(name.intersects(bounds(below))) << "shirt " << shirt << ": " << below->Name() << " \""
                                                             << below->Caption() << "\"";
            }
    }
}

class NationalLineupScreenTest : public test::NationalTeamSuite {};

// A national team's players wear their clubs' numbers: the line-up list opens with plain shirts;
// a player put on a shirt shows the shirt's number, and the automatic selection shows every row's.
TEST_F(NationalLineupScreenTest, TheNationalLineupListOpensWithPlainShirts)
{
    test::GameKeptAside kept;
    int number = 0;
    for (int player : SquadInListOrder(1)) {
        Players[player].Club = kFirstNation;
        Players[player].ShirtNumber = ++number;  // the numbers they wear at their club
    }
    PlayerClubsChanged();
    const std::vector<int> squad = SquadInListOrder(kFirstNation);
    const int injured = squad[4];
    Players[injured].InjuredUntil = TodayDate() + 20;
    Game.KeepLineup = 0;
    Game.CurrentHumanClub = kFirstNation;
    NationalTeamMatch = true;
    auto* lineup = Open<TForm87>("TForm87");
    ASSERT_NE(lineup, nullptr);
    TDataGrid* grid = lineup->gridview1;
    ASSERT_EQ(grid->RowCount(), static_cast<int>(squad.size()));
    auto status = [grid](int row) { return grid->GetCellTextByName("status", std::to_string(row)); };
    auto numbered = [](int player, int first) { return std::to_string(first + std::clamp(Players[player].ShirtNumber, 0, 28)); };
    for (int row = 0; row < grid->RowCount(); ++row) {
        const int player = lineup->Board().rowPlayers[static_cast<std::size_t>(row)];
        EXPECT_EQ(status(row), player == injured ? "87" : "58") << row;
    }

    // The goalkeeper of the first row dragged onto shirt 1: his row shows the starter's number.
    const int keeper = lineup->Board().rowPlayers[0];
    QWidget* pitch = lineup->Panel1->Widget();
    const QPoint rowPoint(60, grid->RowTop(0) + 10);
    QTest::mouseClick(grid->Widget(), Qt::LeftButton, Qt::NoModifier, rowPoint);
    test::DragMouse(grid->Widget(), rowPoint, pitch, test::ShirtCentreOf(lineup->PitchBoard(), 1));
    ASSERT_EQ(lineup->Board().shirts[1].player, keeper);
    EXPECT_EQ(status(0), numbered(keeper, 0));
    EXPECT_EQ(status(1), "58");

    // An automatic "4-4-2": every row left off the shirts shows its number.
    lineup->combtat->SetFocus();
    for (int i = 0; i < test::kAcceptedFormation; ++i)
        QTest::keyClick(lineup->combtat->Widget(), Qt::Key_Down);
    int left = 0;
    for (int row = 0; row < grid->RowCount(); ++row) {
        const int player = lineup->Board().rowPlayers[static_cast<std::size_t>(row)];
        if (lineup->Board().rowCodes[static_cast<std::size_t>(row)] != kCodeFree)
            continue;
        ++left;
        EXPECT_EQ(status(row), numbered(player, 58)) << row;
    }
    EXPECT_GT(left, 0);
    lineup->Close();
    test::Pump();
    NationalTeamMatch = false;
}

}  // namespace
}  // namespace tarvelon
