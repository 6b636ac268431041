// The match engine's questions to the human coach answered by the dialogs, driven with the mouse:
// the penalty for him (he picks the taker and kicks), the penalty against him (narrated by itself)
// and the injury (he picks the substitute among the offered ones).
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "controls/grad_button.h"
#include "core/basics/random.h"
#include "core/hooks.h"
#include "platform/graphics/geometry.h"
#include "core/matchday_rules/shootout.h"
#include "core/lineup/lineup_board.h"
#include "core/match/computer_lineups.h"
#include "core/match/injury_choice.h"
#include "core/match/lineup_access.h"
#include "core/records/match_records.h"
#include "core/match/match_flags.h"
#include "core/match/penalty_kick.h"
#include "core/matchday_rules/matchday_state.h"
#include "core/records/game_state.h"
#include "core/vocab/tactics_board.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/list_view.h"
#include "platform/stdctrls/lists.h"
#include "richtext/html_label.h"
#include "screens/common/form_references.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/matchday/in_match_screen.h"
#include "screens/matchday/injury_dialog.h"
#include "screens/matchday/matchday_screen.h"
#include "screens/matchday/matchday_screens.h"
#include "screens/matchday/pitch_board.h"
#include "screens/matchday/penalty_dialogs.h"
#include "screens/matchday/shootout_dialogs.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/board_drags.h"
#include "tests/screens/gallery_game_suite.h"
#include "tests/screens/quick_clock.h"
#include "tools/gallery/gallery_game.h"

namespace tarvelon {
namespace {

template <typename T>
T* OpenForm()
{
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (auto* form = dynamic_cast<T*>(Screen->Forms(i)); form && form->Visible())
            return form;
    return nullptr;
}

void ClickRow(TListView* list, int row)
{
    auto* tree = qobject_cast<QTreeWidget*>(list->Widget());
    ASSERT_NE(tree, nullptr);
    const QRect rect = tree->visualItemRect(tree->topLevelItem(row));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
}

class MatchDialogsTest : public test::GalleryGameSuite {
protected:
    static void SetUpTestSuite()
    {
        PrepareGame(7, 1);
        if (!ready_)
            return;
        InstallMatchdayDialogs();
        // A match of the human club at kick-off: both line-ups built, their starters on the pitch.
        human_ = Game.CurrentHumanClub;
        other_ = human_ == 0 ? 1 : 0;
        for (int club : {human_, other_}) {
            BuildCpuLineup(club);
            ChooseCpuTactics(club);
            const TLineup* lineup = LineupAt(Clubs[club].LineupIndex);
            ASSERT_NE(lineup, nullptr);
            for (int player : lineup->starters)
                if (TPlayer* p = PlayerAt(player))
                    p->OnPitch = 1;
        }
        match_ = 1;
        Matches.assign(kMatchSlots, jogos{});
        Matches[1].club[0] = human_;
        Matches[1].club[1] = other_;
        Matches[1].subsLeft[0] = Matches[1].subsLeft[1] = 3;
        Matches[1].lineup[0] = Clubs[human_].LineupIndex;
        Matches[1].lineup[1] = Clubs[other_].LineupIndex;
        MatchCount = 1;
    }
    static void TearDownTestSuite()
    {
        for (int i = Screen->FormCount() - 1; i >= 0; --i)
            delete Screen->Forms(i);
        GalleryGameSuite::TearDownTestSuite();
    }

    static inline int match_ = 0;
    static inline int human_ = -1;
    static inline int other_ = -1;
    const test::QuickClock clock_;  // the dialogs' pauses after each kick end at once
};

TEST_F(MatchDialogsTest, AHumanPenaltyIsKickedByTheTakerHeChose)
{
    int chosen = -1;
    bool buttonWasOff = false;
    std::string narrationBefore = "-";
    std::string narrationAfter;
    const auto narration = [](const TForm34* dialog) {
        std::string html;
        for (const std::string& line : dialog->info1->HTMLText())
            html += line;
        return html;
    };
    QTimer::singleShot(50, [&] {
        TForm34* dialog = OpenForm<TForm34>();
        ASSERT_NE(dialog, nullptr);
        if (dialog->ListView1->Items().Count() < 2) {
            ADD_FAILURE() << "no takers listed";
            dialog->Close();
            return;
        }
        buttonWasOff = !dialog->bt1->Enabled();
        narrationBefore = narration(dialog);
        ClickRow(dialog->ListView1, 1);
        chosen = std::stoi(dialog->ListView1->Items()[1]->SubItems()[3]);
        QTest::mouseClick(dialog->bt1->Widget(), Qt::LeftButton);
        narrationAfter = narration(dialog);
    });
    const PenaltyDialogAnswer answer = Hooks().penaltyDialog(human_, other_, true);
    EXPECT_TRUE(buttonWasOff) << "\"Bater\" waits for a taker";
    EXPECT_EQ(narrationBefore, "") << "the narration starts with the kick";
    EXPECT_NE(narrationAfter.find(Players[chosen].Name.str()), std::string::npos) << narrationAfter;
    EXPECT_EQ(answer.taker, chosen);
    EXPECT_TRUE(answer.outcome == 1 || answer.outcome == 2);
    EXPECT_EQ(OpenForm<TForm34>(), nullptr);
}

TEST_F(MatchDialogsTest, APenaltyAgainstHimIsNarratedByItself)
{
    const int taker = PenaltyTakerOf(other_);
    ASSERT_GT(taker, 0);
    PenaltyClubA = other_;
    PenaltyClubB = human_;
    const PenaltyDialogAnswer answer = Hooks().penaltyDialog(other_, human_, false);
    EXPECT_EQ(answer.taker, taker);
    EXPECT_TRUE(answer.outcome == 1 || answer.outcome == 2);
}

TEST_F(MatchDialogsTest, AnInjuryAsksForTheSubstituteAmongTheOfferedOnes)
{
    const TLineup* lineup = LineupAt(Clubs[human_].LineupIndex);
    ASSERT_NE(lineup, nullptr);
    const int injured = lineup->starters[5];
    const InjuryChoice choice = InjurySubstituteChoice(human_, injured);
    ASSERT_GT(choice.candidates.size(), 1u);
    QTimer::singleShot(50, [&] {
        TForm53* dialog = OpenForm<TForm53>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->ListView1->Items().Count(), static_cast<int>(choice.candidates.size()));
        // Keys are swallowed; the button waits for a choice.
        test::PressKey(dialog->Widget(), Qt::Key_Escape);
        QTest::mouseClick(dialog->bt1->Widget(), Qt::LeftButton);
        EXPECT_EQ(OpenForm<TForm53>(), dialog);
        ClickRow(dialog->ListView1, 1);
        QTest::mouseClick(dialog->bt1->Widget(), Qt::LeftButton);
    });
    EXPECT_EQ(Hooks().injurySubstitutionDialog(human_, injured, match_), choice.candidates[1]);
}

// The human coach orders his takers (one by hand, the rest automatically), then the kicks are
// shown one by one until a side has won; the outcome is booked.
TEST_F(MatchDialogsTest, AShootOutAsksForTheTakersThenShowsTheKicks)
{
    ShootoutClubA = human_;
    ShootoutClubB = other_;
    ShootoutTie = -1;
    int first = -1;
    int listed = 0;
    bool nextWasOff = false;
    QTimer::singleShot(50, [&] {
        TForm37* takers = OpenForm<TForm37>();
        ASSERT_NE(takers, nullptr);
        EXPECT_EQ(takers->OrderingClub(), human_);
        listed = takers->l1->Items().Count();
        ASSERT_GT(listed, 2);
        first = std::stoi(takers->l1->Items()[2]->SubItems()[3]);
        ClickRow(takers->l1, 2);
        QTest::mouseClick(takers->GradButton2->Widget(), Qt::LeftButton);
        EXPECT_EQ(takers->l2->Items().Count(), 1);
        nextWasOff = !takers->btp->Enabled();
        QTest::mouseClick(takers->bt1->Widget(), Qt::LeftButton);
        EXPECT_EQ(takers->l1->Items().Count(), 0);
        EXPECT_EQ(takers->l2->Items().Count(), listed);
        QTest::mouseClick(takers->btp->Widget(), Qt::LeftButton);
    });
    Hooks().shootoutDialog(true);
    EXPECT_TRUE(nextWasOff) << "\"Próximo >>\" waits until every player is placed";
    EXPECT_EQ(ShootoutTakersA[0], first);
    EXPECT_TRUE(ShootoutResult == 1 || ShootoutResult == 2);
    EXPECT_EQ(OpenForm<TForm37>(), nullptr);
    EXPECT_EQ(OpenForm<TForm38>(), nullptr);
}

// The shoot-out's header holds the longest club names (25 characters, capitals among them) whole,
// and none of its names, crests, scores and lists cover one another.
TEST_F(MatchDialogsTest, TheShootOutShowsTheLongestClubNamesWhole)
{
    const std::string savedA = Clubs[human_].name.str();
    const std::string savedB = Clubs[other_].name.str();
    Clubs[human_].name = "SOCIEDADE ESPORTIVA MOGIM";
    Clubs[other_].name = "Wanderers Montevideo MMWW";
    ShootoutClubA = human_;
    ShootoutClubB = other_;
    ShootoutTie = -1;
    auto* shootout = dynamic_cast<TForm38*>(CreateScreen("TForm38", Application));
    ASSERT_NE(shootout, nullptr);
    shootout->Timer3->SetEnabled(false);
    shootout->Show();
    test::Pump(20);
    for (TLabel* name : {shootout->nome1, shootout->nome2}) {
        ASSERT_EQ(name->Caption().size(), 25u);
        TCanvas& canvas = shootout->Canvas();
        canvas.Font.Assign(name->Font());
        EXPECT_LE(canvas.TextWidth(name->Caption()), name->Width()) << name->Caption();
    }
    const std::vector<TControl*> header = {shootout->nome1, shootout->nome2, shootout->escudo1, shootout->escudo2,
                                           shootout->pl1, shootout->pl2, shootout->l1, shootout->l2};
    for (std::size_t i = 0; i < header.size(); ++i) {
        EXPECT_LE(header[i]->BoundsRect().Right, shootout->ClientWidth()) << header[i]->Name();
        for (std::size_t j = i + 1; j < header.size(); ++j) {
            TRect common;
            EXPECT_FALSE(IntersectRect(common, header[i]->BoundsRect(), header[j]->BoundsRect()))
                << header[i]->Name() << " and " << header[j]->Name();
        }
    }
    delete shootout;
    Clubs[human_].name = savedA;
    Clubs[other_].name = savedB;
}

// Two computer clubs' shoot-out shown kick by kick ends as the one kicked out at once.
TEST_F(MatchDialogsTest, AShownComputerShootOutEndsAsTheOneKickedOutAtOnce)
{
    Clubs[human_].IsHuman = 0;
    ShootoutClubA = human_;
    ShootoutClubB = other_;
    ShootoutTie = -1;
    RandSeed = 4242;
    Hooks().shootoutDialog(false);
    const int shown = ShootoutResult;
    RandSeed = 4242;
    KickOutShootoutAtOnce();
    Clubs[human_].IsHuman = 1;
    EXPECT_EQ(shown, ShootoutResult);
}

// The coach manages his side on the pitch board with the mouse: a substitute dragged onto a
// starter comes on, the limit refuses one more and says so, two starters dragged onto each other
// swap places, a starter dragged onto a free place of the pitch plays there; the opponent can be
// looked at, not changed.
TEST_F(MatchDialogsTest, TheInMatchScreenManagesHisSideWithDragsOnThePitchBoard)
{
    ActiveMatch = match_;
    ReportMode = 1;
    Matches[match_].subsLeft[0] = 1;
    TLineup* lineup = LineupAt(Clubs[human_].LineupIndex);
    ASSERT_NE(lineup, nullptr);
    ASSERT_GT(lineup->bench[0], 0);
    ASSERT_GT(lineup->bench[1], 0);
    auto* form = dynamic_cast<TForm88*>(CreateScreen("TForm88", nullptr));
    ASSERT_NE(form, nullptr);
    form->Show();
    test::Pump();
    // Only the side not shown offers the hand for a click.
    const auto pointers = [form] {
        return std::vector<TCursor>{form->nometime1->Cursor(), form->bck1->Cursor(), form->esc1->Cursor(),
                                    form->nometime2->Cursor(), form->bck2->Cursor(), form->esc2->Cursor()};
    };
    EXPECT_EQ(pointers(), (std::vector<TCursor>{crDefault, crDefault, crDefault, crHandPoint, crHandPoint, crHandPoint}));
    TPitchBoard& board = form->PitchBoard();
    QWidget* pitch = form->Panel1->Widget();
    const auto centre = [&](int place) { return test::ShirtCentreOf(board, TForm88::ShirtOfPlace(place)); };
    const auto drag = [&](int from, int onto) { test::DragMouse(pitch, centre(from), pitch, centre(onto)); };
    const QPoint benchSpot = centre(12) + QPoint(-8, 0);
    EXPECT_GT(pitch->grab().toImage().pixelColor(benchSpot).blue(), 150) << "the substitute's blue shirt";

    // The first substitute (place 12) dragged onto the starter of place 1.
    const int incoming = lineup->bench[0];
    const int leaving = lineup->starters[0];
    const std::size_t events = MatchEvents.size();
    drag(12, 1);
    EXPECT_EQ(Matches[match_].subsLeft[0], 0);
    ASSERT_EQ(MatchEvents.size(), events + 1);
    EXPECT_EQ(MatchEvents.back().code, 19);
    EXPECT_EQ(MatchEvents.back().player, leaving);
    EXPECT_EQ(MatchEvents.back().second, incoming);
    EXPECT_EQ(lineup->starters[0], incoming);
    EXPECT_EQ(Players[leaving].OnPitch, 0);
    EXPECT_EQ(Players[incoming].CameOn, 1);
    EXPECT_FALSE(board.Shirt(12)->Visible()) << "a used bench place is empty for the rest of the match";
    EXPECT_LT(pitch->grab().toImage().pixelColor(benchSpot).blue(), 100);
    EXPECT_NE(board.NameLabel(TForm88::ShirtOfPlace(1))->GetDisplayText().find(board.DisplayName(incoming)), std::string::npos);
    EXPECT_FALSE(form->lbaviso->Visible());

    // No substitution left: the next substitute dragged onto a starter is refused and told.
    const int secondBench = lineup->bench[1];
    const int starter2 = lineup->starters[1];
    drag(13, 2);
    EXPECT_TRUE(form->lbaviso->Visible()) << "the limit is told";
    EXPECT_EQ(form->lbaviso->Caption(), "Já foram realizadas o número limite de substituições.");
    EXPECT_EQ(MatchEvents.size(), events + 1);
    EXPECT_EQ(lineup->starters[1], starter2);
    EXPECT_EQ(lineup->bench[1], secondBench);

    // Two starters swap places; their pitch places stay with the places.
    const int starter3 = lineup->starters[2];
    const int slot2 = lineup->pitchSlots[1];
    const int slot3 = lineup->pitchSlots[2];
    drag(2, 3);
    EXPECT_EQ(lineup->starters[1], starter3);
    EXPECT_EQ(lineup->starters[2], starter2);
    EXPECT_EQ(lineup->pitchSlots[1], slot2);
    EXPECT_EQ(lineup->pitchSlots[2], slot3);
    EXPECT_NE(board.NameLabel(TForm88::ShirtOfPlace(2))->GetDisplayText().find(board.DisplayName(starter3)), std::string::npos);

    // The starter of place 4 dragged onto a free place of the pitch (no shirt over its centre) plays there.
    int freeSlot = 0;
    QPoint freeCentre;
    for (int slot = 2; slot <= PitchSlotCount && freeSlot == 0; ++slot) {
        const QPoint c(board.Scaled(PitchSlotX[slot] + 21), board.Scaled(PitchSlotY[slot] + 21));
        bool covered = false;
        for (int shirt = 1; shirt <= TPitchBoard::kShirts; ++shirt) {
            const TImage* s = board.Shirt(shirt);
            covered = covered || (s->Visible() && QRect(s->Left(), s->Top(), s->Width(), s->Height()).contains(c));
        }
        if (!covered)
            freeSlot = slot, freeCentre = c;
    }
    ASSERT_GT(freeSlot, 0);
    test::DragMouse(pitch, centre(4), pitch, freeCentre);
    EXPECT_EQ(lineup->pitchSlots[3], freeSlot);
    EXPECT_EQ(board.Shirt(TForm88::ShirtOfPlace(4))->Left(), board.Scaled(PitchSlotX[freeSlot]));
    // A drop outside every place square leaves him there.
    const QPoint nowhere(board.Scaled(5), board.Scaled(5));
    ASSERT_EQ(PitchSlotAt(board.DesignX(nowhere.x()), board.DesignY(nowhere.y())), 0);
    test::DragMouse(pitch, centre(4), pitch, nowhere);
    EXPECT_EQ(lineup->pitchSlots[3], freeSlot);

    // The opponent's side: shown with its tactics as texts, not changed by drags.
    QTest::mouseClick(form->nometime2->Parent()->Widget(), Qt::LeftButton, {},
                      QPoint(form->nometime2->Left() + 5, form->nometime2->Top() + 5));
    EXPECT_EQ(form->ShownSide(), 2);
    EXPECT_EQ(pointers(), (std::vector<TCursor>{crHandPoint, crHandPoint, crHandPoint, crDefault, crDefault, crDefault}));
    EXPECT_FALSE(form->comboej->Visible()) << "the computer's side is not managed";
    EXPECT_TRUE(form->lb_tat1->Visible());
    const TLineup before = *LineupAt(Clubs[other_].LineupIndex);
    drag(12, 1);
    drag(2, 3);
    EXPECT_EQ(std::memcmp(&before, LineupAt(Clubs[other_].LineupIndex), sizeof(TLineup)), 0);
    EXPECT_EQ(Matches[match_].subsLeft[1], 3);
    test::PressKey(form->Widget(), Qt::Key_Escape);
    EXPECT_TRUE(test::PumpUntil([] { return OpenForm<TForm88>() == nullptr; }));
}

// Two human coaches in one match: the screen (at half time) opens on the home side, and the away
// coach, clicking his club's name, manages his own side there.
TEST_F(MatchDialogsTest, TheAwayHumanCoachSwitchesToHisSideAndManagesIt)
{
    Clubs[other_].IsHuman = 1;
    ActiveMatch = match_;
    ReportMode = 1;
    auto* form = dynamic_cast<TForm88*>(CreateScreen("TForm88", nullptr));
    ASSERT_NE(form, nullptr);
    form->Show();
    test::Pump();
    EXPECT_EQ(form->ShownSide(), 1);
    QTest::mouseClick(form->nometime2->Parent()->Widget(), Qt::LeftButton, {},
                      QPoint(form->nometime2->Left() + 5, form->nometime2->Top() + 5));
    EXPECT_EQ(form->ShownSide(), 2);
    EXPECT_TRUE(form->comboej->Visible()) << "his own side is managed";
    EXPECT_FALSE(form->lb_tat1->Visible());
    EXPECT_EQ(form->comboej->ItemIndex(), Clubs[other_].PlayingStyle);
    test::PressKey(form->Widget(), Qt::Key_Escape);
    EXPECT_TRUE(test::PumpUntil([] { return OpenForm<TForm88>() == nullptr; }));
    Clubs[other_].IsHuman = 0;
}

}  // namespace
}  // namespace tarvelon
