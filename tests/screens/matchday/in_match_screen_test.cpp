// The in-match screen (TForm88) driven with the mouse: the coach manages his side with drags on the
// pitch board (substitutes, swaps, places, the limit of substitutions), the opponent looked at but
// not changed, and the away human coach switching to his own side.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "controls/dc_smooth_message_dialog.h"
#include "controls/dc_combo.h"
#include "controls/dc_glow_button.h"
#include "core/basics/random.h"
#include "core/hooks.h"
#include "core/lineup/lineup_board.h"
#include "core/match/computer_lineups.h"
#include "core/match/fouls_cards.h"
#include "core/match/injury_choice.h"
#include "core/match/lineup_access.h"
#include "core/match/lineup_ratings.h"
#include "core/match/match_events_codes.h"
#include "core/match/match_flags.h"
#include "core/match/penalty_kick.h"
#include "core/matchday/matchday_driver.h"
#include "core/matchday_rules/matchday_state.h"
#include "core/matchday_rules/shootout.h"
#include "core/records/game_state.h"
#include "core/records/match_records.h"
#include "core/records/matchday_globals.h"
#include "core/season/competition_kind.h"
#include "core/season/fixtures.h"
#include "core/vocab/tactics_board.h"
#include "platform/forms/application.h"
#include "platform/forms/drag_drop.h"
#include "platform/forms/hint_window.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/geometry.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/list_view.h"
#include "platform/stdctrls/lists.h"
#include "richtext/html_label.h"
#include "screens/common/form_references.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/matchday/in_match_screen.h"
#include "screens/matchday/matchday_screens.h"
#include "screens/matchday/pitch_board.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/board_drags.h"
#include "tests/screens/matchday/match_dialogs_suite.h"
#include "tests/screens/quick_clock.h"
#include "tests/controls/shown_text.h"
#include "tests/controls/smooth_dialog_answer.h"
#include "tools/gallery/gallery_game.h"

namespace tarvelon {
namespace {

class InMatchScreenTest : public test::MatchDialogsSuite {
protected:
    // The screen of the suite's match, shown with the home side.
    static TForm88* OpenOnHomeSide() { return OpenOn(match_, 1); }

    // The screen of a match of the day, shown with one side.
    static TForm88* OpenOn(int match, int side)
    {
        ActiveMatch = match;
        ReportMode = side;
        auto* form = dynamic_cast<TForm88*>(CreateScreen("TForm88", nullptr));
        if (form == nullptr)
            return nullptr;
        form->Show();
        test::Pump();
        return form;
    }
};

// The coach manages his side on the pitch board with the mouse: a substitute dragged onto a
// starter comes on, the limit refuses one more and says so, two starters dragged onto each other
// swap places, a starter dragged onto a free place of the pitch plays there; the opponent can be
// looked at, not changed.
TEST_F(InMatchScreenTest, TheInMatchScreenManagesHisSideWithDragsOnThePitchBoard)
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

    // No substitution left: the next substitute dragged onto a starter is refused and told in the
    // message dialog, answered with its button.
    const int secondBench = lineup->bench[1];
    const int starter2 = lineup->starters[1];
    std::string told;
    test::AnswerSmoothDialog(*form->dlg_info1, [form, &told](TDcSmoothMessageDialogForm& dialog) {
        told = form->dlg_info1->HTMLText().Text();
        QTest::keyClick(dialog.Widget(), Qt::Key_Return);
    });
    drag(13, 2);
    EXPECT_NE(told.find("Já foram realizadas o número limite de substituições."), std::string::npos) << "the limit is told";
    EXPECT_EQ(form->dlg_info1->DialogForm(), nullptr);
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

    // "Estatísticas" opens the match's statistics in a message dialog answered with its button.
    std::string stats;
    test::AnswerSmoothDialog(*form->dlg_st, [form, &stats](TDcSmoothMessageDialogForm& dialog) {
        stats = form->dlg_st->HTMLText().Text();
        QTest::keyClick(dialog.Widget(), Qt::Key_Return);
    });
    QTest::mouseClick(form->RichLabel1->Parent()->Widget(), Qt::LeftButton, {},
                      QPoint(form->RichLabel1->Left() + 10, form->RichLabel1->Top() + 6));
    EXPECT_NE(stats.find("Posse de Bola"), std::string::npos) << stats;
    EXPECT_EQ(form->dlg_st->DialogForm(), nullptr);

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

// The formation under the club's name counts the outfield players on the pitch: with the goalkeeper
// sent off, a defender dragged into the goal keeps goal and is no defender, and a player sent off
// counts in no line.
TEST_F(InMatchScreenTest, TheFormationCountsOnlyTheOutfieldPlayersOnThePitch)
{
    const int lineupIndex = Clubs[human_].LineupIndex;
    TLineup* lineup = LineupAt(lineupIndex);
    ASSERT_NE(lineup, nullptr);
    const TLineup kept = *lineup;
    std::vector<std::uint8_t> onPitch;
    for (int player : kept.starters)
        onPitch.push_back(PlayerAt(player) ? PlayerAt(player)->OnPitch : 0);
    const auto lines = [](const TForm88& form) {
        std::smatch m;
        const std::string text = test::ShownText(*form.info1);
        static const std::regex formation(R"((\d+)-(\d+)-(\d+))");
        return std::regex_search(text, m, formation) ? std::vector<int>{std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3])}
                                                     : std::vector<int>{};
    };
    const auto placeIn = [&](int low, int high) {
        for (int k = 1; k <= 10; ++k)
            if (lineup->pitchSlots[k - 1] >= low && lineup->pitchSlots[k - 1] <= high && PlayerOnPitch(lineup->starters[k - 1]))
                return k;
        return 0;
    };
    const int defender = placeIn(2, 9);
    const int midfielder = placeIn(10, 17);
    ASSERT_GT(defender, 0);
    ASSERT_GT(midfielder, 0);

    SendOff(lineupIndex, lineup->starters[10]);  // the goalkeeper
    TForm88* form = OpenOnHomeSide();
    ASSERT_NE(form, nullptr);
    const std::vector<int> before = lines(*form);
    ASSERT_EQ(before.size(), 3u);
    EXPECT_EQ(before[0] + before[1] + before[2], 10);
    TPitchBoard& board = form->PitchBoard();
    const QPoint goal(board.Scaled(PitchSlotX[1] + 21), board.Scaled(PitchSlotY[1] + 21));
    test::DragMouse(form->Panel1->Widget(), test::ShirtCentreOf(board, TForm88::ShirtOfPlace(defender)),
                    form->Panel1->Widget(), goal);
    ASSERT_EQ(lineup->pitchSlots[defender - 1], 1) << "the defender keeps goal";
    EXPECT_EQ(lines(*form), (std::vector<int>{before[0] - 1, before[1], before[2]}));

    SendOff(lineupIndex, lineup->starters[midfielder - 1]);
    form->Close();
    ASSERT_TRUE(test::PumpUntil([] { return OpenForm<TForm88>() == nullptr; }));
    form = OpenOnHomeSide();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(lines(*form), (std::vector<int>{before[0] - 1, before[1] - 1, before[2]}));
    form->Close();
    EXPECT_TRUE(test::PumpUntil([] { return OpenForm<TForm88>() == nullptr; }));
    *lineup = kept;
    for (std::size_t k = 0; k < onPitch.size(); ++k)
        if (TPlayer* p = PlayerAt(kept.starters[k]))
            p->OnPitch = onPitch[k];
    LineupRatingInputsChanged(lineupIndex);
}

// On the opponent's side a shirt is still picked up (an outfield starter's shows the places of the
// pitch), but neither another shirt nor the pitch takes it, and nothing changes.
TEST_F(InMatchScreenTest, TheOpponentsShirtsArePickedUpButTakenNowhere)
{
    ActiveMatch = match_;
    ReportMode = 2;
    auto* form = dynamic_cast<TForm88*>(CreateScreen("TForm88", nullptr));
    ASSERT_NE(form, nullptr);
    form->Show();
    test::Pump();
    ASSERT_EQ(form->ShownSide(), 2);
    TPitchBoard& board = form->PitchBoard();
    QWidget* pitch = form->Panel1->Widget();
    const TLineup before = *LineupAt(Clubs[other_].LineupIndex);
    const QPoint from = test::ShirtCentreOf(board, TForm88::ShirtOfPlace(2));
    const QPoint onto = test::ShirtCentreOf(board, TForm88::ShirtOfPlace(3));
    QTest::mousePress(pitch, Qt::LeftButton, Qt::NoModifier, from);
    test::MoveMouse(pitch, onto + QPoint(2, 2), Qt::LeftButton);
    test::MoveMouse(pitch, onto, Qt::LeftButton);
    EXPECT_TRUE(DragManager().Active()) << "the shirt is picked up";
    EXPECT_TRUE(form->Image3->Visible()) << "the pitch's places show";
    EXPECT_FALSE(DragManager().Accepted()) << "the other shirt does not take it";
    test::SendMouse(pitch, QEvent::MouseButtonRelease, onto, Qt::LeftButton, Qt::NoButton);
    test::Pump(10);
    EXPECT_FALSE(form->Image3->Visible());
    EXPECT_EQ(std::memcmp(&before, LineupAt(Clubs[other_].LineupIndex), sizeof(TLineup)), 0);
    form->Close();
    EXPECT_TRUE(test::PumpUntil([] { return OpenForm<TForm88>() == nullptr; }));
}

// The match's events as the in-match screen lists them: a missed penalty is written without an
// icon, an own goal with the own goal's.
TEST_F(InMatchScreenTest, AMissedPenaltyIsListedWithoutAnIcon)
{
    const std::size_t kept = MatchEvents.size();
    const TLineup* lineup = LineupAt(Clubs[human_].LineupIndex);
    ASSERT_NE(lineup, nullptr);
    MatchEvents.push_back(TMatchEventEntry{mePenaltyMissed, human_, lineup->starters[9], -1, 30, match_});
    MatchEvents.push_back(TMatchEventEntry{meOwnGoal, human_, lineup->starters[1], -1, 40, match_});
    TForm88* form = OpenOnHomeSide();
    ASSERT_NE(form, nullptr);
    const std::string shown = form->events->GetDisplayText();
    const std::size_t missed = shown.find(" (perdeu penalti)");
    const std::size_t own = shown.find(" (contra)");
    ASSERT_NE(missed, std::string::npos) << shown;
    ASSERT_NE(own, std::string::npos) << shown;
    const std::size_t missedLine = shown.rfind("<P align=", missed);
    EXPECT_NE(shown.substr(missedLine, missed - missedLine).find("<IMG src=\"\">"), std::string::npos) << shown;
    const std::size_t ownLine = shown.rfind("<P align=", own);
    EXPECT_NE(shown.substr(ownLine, own - ownLine).find("<IMG src=\"i_golv\">"), std::string::npos) << shown;
    test::PressKey(form->Widget(), Qt::Key_Escape);
    EXPECT_TRUE(test::PumpUntil([] { return OpenForm<TForm88>() == nullptr; }));
    MatchEvents.resize(kept);
}

// Before a side is laid out each place's shirt stands at a random spot 0..99 (two draws a place,
// in place order); a place left empty keeps it, hidden.
TEST_F(InMatchScreenTest, TheShirtsStandAtRandomSpotsUntilLaidOut)
{
    ActiveMatch = match_;
    ReportMode = 1;
    TLineup* lineup = LineupAt(Clubs[human_].LineupIndex);
    ASSERT_NE(lineup, nullptr);
    const int benchLast = lineup->bench[6];
    lineup->bench[6] = -1;  // place 18 used
    constexpr std::uint32_t kSeed = 424242;
    RandSeed = kSeed;
    std::vector<int> spots;
    for (int draw = 0; draw < 2 * TPitchBoard::kShirts; ++draw)
        spots.push_back(Random(100));
    const std::uint32_t after = RandSeed;
    RandSeed = kSeed;
    auto* form = dynamic_cast<TForm88*>(CreateScreen("TForm88", nullptr));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(RandSeed, after);
    const TImage* shirt18 = form->PitchBoard().Shirt(TForm88::ShirtOfPlace(18));
    EXPECT_FALSE(shirt18->Visible());
    EXPECT_EQ(shirt18->Left(), spots[34]);
    EXPECT_EQ(shirt18->Top(), spots[35]);
    form->Close();
    test::Pump();
    lineup->bench[6] = benchLast;
}

// A starter out of position shows only his position letter in yellow; his name stays white. A long
// name is cut to the first name and the next word's first letter, however that letter is written.
TEST_F(InMatchScreenTest, AStarterOutOfPositionHasOnlyHisLetterMarkedAndLongNamesTheirInitial)
{
    ActiveMatch = match_;
    ReportMode = 1;
    TLineup* lineup = LineupAt(Clubs[human_].LineupIndex);
    ASSERT_NE(lineup, nullptr);
    const int player = lineup->starters[0];
    int slot = 1;
    while (slot <= PitchSlotCount && !PlaysOutOfPosition(player, slot))
        ++slot;
    ASSERT_LE(slot, PitchSlotCount);
    lineup->pitchSlots[0] = slot;
    Players[lineup->starters[1]].Name = "Goleiro ñoñoñoño";
    Players[lineup->starters[2]].Name = "Meio Ææ Øøøøøøø";
    auto* form = dynamic_cast<TForm88*>(CreateScreen("TForm88", nullptr));
    ASSERT_NE(form, nullptr);
    form->Show();
    test::Pump();
    TPitchBoard& board = form->PitchBoard();
    const std::string name = board.DisplayName(player);
    EXPECT_EQ(board.NameLabel(TForm88::ShirtOfPlace(1))->GetDisplayText(),
              "<P align=\"center\"><shad><B>" + name + "</shad></B><BR><shad><FONT color=\"#DFDF00\">" + PitchSlotLetters[slot]
                  + "</font></shad></P>");
    EXPECT_EQ(board.DisplayName(lineup->starters[1]), "Goleiro ñ.");
    EXPECT_EQ(board.DisplayName(lineup->starters[2]), "Meio Æ.");
    EXPECT_NE(board.NameLabel(TForm88::ShirtOfPlace(2))->GetDisplayText().find("<B>Goleiro ñ.</shad>"), std::string::npos);
    form->Close();
    EXPECT_TRUE(test::PumpUntil([] { return OpenForm<TForm88>() == nullptr; }));
}

// Two human coaches in one match: the screen (at half time) opens on the home side, and the away
// coach, clicking his club's name, manages his own side there.
TEST_F(InMatchScreenTest, TheAwayHumanCoachSwitchesToHisSideAndManagesIt)
{
    Clubs[other_].IsHuman = 1;
    TForm88* form = OpenOnHomeSide();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->ShownSide(), 1);
    QTest::mouseClick(form->nometime2->Parent()->Widget(), Qt::LeftButton, {},
                      QPoint(form->nometime2->Left() + 5, form->nometime2->Top() + 5));
    EXPECT_EQ(form->ShownSide(), 2);
    EXPECT_TRUE(form->comboej->Visible()) << "his own side is managed";
    EXPECT_FALSE(form->lb_tat1->Visible());
    EXPECT_EQ(form->comboej->ItemIndex(), Clubs[other_].PlayingStyle);
    // His tactics in the drawn combo boxes, each set on the club as soon as it is chosen.
    form->comboej->SetFocus();
    QTest::keyClick(form->comboej->Widget(), Qt::Key_End);
    EXPECT_EQ(Clubs[other_].PlayingStyle, 2);
    form->combomarc->SetFocus();
    QTest::keyClick(form->combomarc->Widget(), Qt::Key_End);
    EXPECT_EQ(Clubs[other_].Pressing, 2);
    form->combo_cataq->SetFocus();
    QTest::keyClick(form->combo_cataq->Widget(), Qt::Key_End);
    EXPECT_EQ(Clubs[other_].AttackFocus, 1);
    EXPECT_EQ(form->comboej->ClassName(), "TDcComboBox");
    // "Voltar ao jogo >>", a glossy button, takes him back to the match.
    EXPECT_EQ(form->bt_irprojogo->ClassName(), "TDcGlowButton");
    QTest::mouseClick(form->bt_irprojogo->Widget(), Qt::LeftButton);
    EXPECT_TRUE(test::PumpUntil([] { return OpenForm<TForm88>() == nullptr; }));
    Clubs[other_].IsHuman = 0;
}

// Resting the pointer on the paying crowd shows it sector by sector.
TEST_F(InMatchScreenTest, TheCrowdsHintGivesItsSectors)
{
    ASSERT_LT(Game.DayKind, 7);
    TForm88* form = OpenOnHomeSide();
    ASSERT_NE(form, nullptr);
    ASSERT_FALSE(form->lb_pub->Caption().empty());
    const std::string hint = test::HintShownOver(form->lb_pub, QPoint(4, 6));
    EXPECT_EQ(hint.rfind("(G:", 0), 0u) << hint;
    test::PressKey(form->Widget(), Qt::Key_Escape);
    EXPECT_TRUE(test::PumpUntil([] { return OpenForm<TForm88>() == nullptr; }));
}

// The clubs' and coaches' names are shown as typed: an "&" underlines no letter, "<b>" is no markup.
TEST_F(InMatchScreenTest, NamesOfClubsAndCoachesAreShownAsTyped)
{
    const std::string clubName = Clubs[human_].name.str();
    const std::string otherName = Clubs[other_].name.str();
    Clubs[human_].name.set("&a Lat");
    Clubs[other_].name.set("<b>Dois</b>");
    const int coach = Clubs[human_].coach;
    ASSERT_GE(coach, 0);
    const std::string coachName = Coaches[static_cast<std::size_t>(coach)].name.str();
    Coaches[static_cast<std::size_t>(coach)].name.set("R&D");
    TForm88* form = OpenOnHomeSide();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(test::ShownCaption(*form->nometime1).text.toStdString(), "&a Lat");
    EXPECT_EQ(test::ShownCaption(*form->nometime1).underline, -1);
    EXPECT_EQ(test::ShownCaption(*form->nometime2).text.toStdString(), "<b>Dois</b>");
    EXPECT_EQ(test::ShownCaption(*form->lbtec1).text.toStdString(), "Tec: R&D");
    EXPECT_EQ(test::ShownCaption(*form->lbtec1).underline, -1);
    EXPECT_NE(test::ShownText(*form->info1).find("&a Lat"), std::string::npos) << test::ShownText(*form->info1);
    QTest::mouseClick(form->nometime2->Parent()->Widget(), Qt::LeftButton, {},
                      QPoint(form->nometime2->Left() + 5, form->nometime2->Top() + 5));
    EXPECT_NE(test::ShownText(*form->info1).find("<b>Dois</b>"), std::string::npos) << test::ShownText(*form->info1);
    test::PressKey(form->Widget(), Qt::Key_Escape);
    EXPECT_TRUE(test::PumpUntil([] { return OpenForm<TForm88>() == nullptr; }));
    Clubs[human_].name.set(clubName);
    Clubs[other_].name.set(otherName);
    Coaches[static_cast<std::size_t>(coach)].name.set(coachName);
}

// A press on a shirt's number picks the shirt up, a press on its energy picks nothing up; a starter
// sent off leaves the pitch with his shirt and every label of it.
TEST_F(InMatchScreenTest, TheNumberPicksAShirtUpItsEnergyDoesNot)
{
    TLineup* lineup = LineupAt(Clubs[human_].LineupIndex);
    ASSERT_NE(lineup, nullptr);
    const TLineup before = *lineup;
    const int sentOff = lineup->starters[3];
    Players[sentOff].OnPitch = 0;
    TForm88* form = OpenOnHomeSide();
    ASSERT_NE(form, nullptr);
    TPitchBoard& board = form->PitchBoard();
    QWidget* pitch = form->Panel1->Widget();
    const auto middle = [](const TControl* c) { return QPoint(c->Left() + c->Width() / 2, c->Top() + c->Height() / 2); };
    const int gone = TForm88::ShirtOfPlace(4);
    for (const TControl* control : std::initializer_list<const TControl*>{
             board.Shirt(gone), board.NameLabel(gone), board.NumberLabel(gone), board.EnergyLabel(gone)})
        EXPECT_FALSE(control->Visible()) << control->Name();

    const int shirt = TForm88::ShirtOfPlace(2);
    const QPoint onto = test::ShirtCentreOf(board, TForm88::ShirtOfPlace(3));
    ASSERT_TRUE(board.EnergyLabel(shirt)->Visible());
    QTest::mousePress(pitch, Qt::LeftButton, Qt::NoModifier, middle(board.EnergyLabel(shirt)));
    test::MoveMouse(pitch, onto + QPoint(2, 2), Qt::LeftButton);
    test::MoveMouse(pitch, onto, Qt::LeftButton);
    EXPECT_FALSE(DragManager().Active()) << "the energy picks nothing up";
    EXPECT_FALSE(form->Image3->Visible());
    test::SendMouse(pitch, QEvent::MouseButtonRelease, onto, Qt::LeftButton, Qt::NoButton);
    test::Pump(10);
    EXPECT_EQ(std::memcmp(&before, lineup, sizeof(TLineup)), 0);

    test::DragMouse(pitch, middle(board.NumberLabel(shirt)), pitch, onto);
    EXPECT_EQ(lineup->starters[1], before.starters[2]) << "the number picks the shirt up";
    EXPECT_EQ(lineup->starters[2], before.starters[1]);
    form->Close();
    EXPECT_TRUE(test::PumpUntil([] { return OpenForm<TForm88>() == nullptr; }));
    *lineup = before;
    Players[sentOff].OnPitch = 1;
}

// A matchday row below the day's last match holds no match: the screen opened on it names no club
// and shows no player to manage, whoever club 0 is.
TEST_F(InMatchScreenTest, ARowWithoutAMatchShowsNoClubAndNoPlayer)
{
    ASSERT_EQ(MatchCount, 1);
    ASSERT_EQ(Matches[2].club[0], 0);
    const auto wasHuman = Clubs[0].IsHuman;
    Clubs[0].IsHuman = 1;
    TForm88* form = OpenOn(2, 1);
    ASSERT_NE(form, nullptr);
    for (const TLabel* label : {form->nometime1, form->nometime2, form->lbtec1, form->lbtec2})
        EXPECT_EQ(label->Caption(), "") << label->Name();
    TPitchBoard& board = form->PitchBoard();
    for (int shirt = 1; shirt <= TPitchBoard::kShirts; ++shirt) {
        EXPECT_FALSE(board.Shirt(shirt)->Visible()) << shirt;
        EXPECT_FALSE(board.NumberLabel(shirt)->Visible()) << shirt;
    }
    EXPECT_FALSE(form->comboej->Visible());
    test::PressKey(form->Widget(), Qt::Key_Escape);
    EXPECT_TRUE(test::PumpUntil([] { return OpenForm<TForm88>() == nullptr; }));
    Clubs[0].IsHuman = wasHuman;
}

// A second leg names its first leg with both clubs whole; a line too wide for its label is written
// smaller, so that it ends inside the label.
TEST_F(InMatchScreenTest, TheFirstLegNamesBothClubsWholeInsideItsLabel)
{
    const std::vector<jogos> matches = Matches;
    const std::vector<std::string> venues = MatchVenues;
    const int count = MatchCount;
    const std::size_t fixtures = Fixtures.size();
    const std::string names[2] = {Clubs[human_].name.str(), Clubs[other_].name.str()};
    Clubs[human_].name = "Sociedade Esportiva Palme";
    Clubs[other_].name = "Associacao Atletica Ponte";
    TFixture first;
    first.kind = kKindNationalCup;
    first.round = 2;
    first.leg = 1;
    first.home = human_;
    first.away = other_;
    first.homeGoals = 2;
    first.awayGoals = 1;
    first.played = 1;
    TFixture second = first;
    second.leg = 2;
    second.home = other_;
    second.away = human_;
    second.played = 0;
    Fixtures.push_back(first);
    Fixtures.push_back(second);
    BeginMatchday({{0, other_, human_, static_cast<int>(Fixtures.size()) - 1}});
    TForm88* form = OpenOn(1, 2);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->lb_jogo1->Caption(),
              "Primeiro Jogo: Sociedade Esportiva Palme 2 x 1 Associacao Atletica Ponte");
    TBitmap measure;
    measure.Canvas().Font.Assign(form->lb_jogo1->Font());
    EXPECT_LE(measure.Canvas().TextWidth(form->lb_jogo1->Caption()), form->lb_jogo1->Width());
    form->Close();
    EXPECT_TRUE(test::PumpUntil([] { return OpenForm<TForm88>() == nullptr; }));
    BeginMatchday({});
    Matches = matches;
    MatchVenues = venues;
    MatchCount = count;
    Fixtures.resize(fixtures);
    Clubs[human_].name = names[0];
    Clubs[other_].name = names[1];
}

}  // namespace
}  // namespace tarvelon
