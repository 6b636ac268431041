// The live matchday and the results screen on a seeded sample game: a whole day played through the
// screens books exactly what the headless day books; the clock's labels and speed keys; the rows
// and their events; the results listed and a report shown on a click; "Continuar >>" moving on.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <functional>
#include <set>
#include <tuple>
#include <string>
#include <vector>

#include "controls/grad_button.h"
#include "core/hooks.h"
#include "core/records/match_records.h"
#include "core/records/matchday_globals.h"
#include "core/services/rule_services.h"
#include "core/records/appearance_records.h"
#include "core/matchday_rules/matchday_state.h"
#include "core/records/game_state.h"
#include "core/season/fixtures.h"
#include "core/seasonloop/season_loop.h"
#include "core/tables.h"
#include "core/season/competition_kind.h"
#include "core/season/calendar.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/graphics/canvas.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/geometry.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/ranges.h"
#include "platform/stdctrls/containers.h"
#include "richtext/html_draw_gdi.h"
#include "richtext/html_label.h"
#include "screens/common/form_references.h"
#include "screens/common/navigator.h"
#include "screens/common/subjects.h"
#include "core/match/engine_step.h"
#include "core/match/lineup_access.h"
#include "core/match/match_flags.h"
#include "screens/matchday/in_match_screen.h"
#include "screens/matchday/event_label.h"
#include "screens/matchday/match_report_screen.h"
#include "screens/matchday/matchday_screen.h"
#include "screens/matchday/results_screen.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/board_drags.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/in_match_answerer.h"
#include "tests/screens/player_clicks.h"
#include "tests/screens/seeded_matchday_suite.h"
#include "tests/screens/tables_fingerprint.h"
#include "tests/platform/modal_answer_each.h"
#include "tests/platform/modal_driver.h"

namespace tarvelon {
namespace {

using test::TableFingerprints;
using test::TablesFingerprint;

class MatchdayScreenTest : public test::SeededMatchdaySuite {
protected:
    // Opens today's matchday from the navigator, as the hub's play does, and waits for the results.
    static TForm67* PlayTodayOnScreen()
    {
        OpenTodaysMatchday();
        EXPECT_TRUE(test::PumpUntil([] { return Results() != nullptr; }, 120000));
        return Results();
    }

    // Today's matchday of a new game one day on, opened with its clock stopped.
    static TForm46* OpenStoppedMatchday()
    {
        NewSeededGame(1);
        Game.InstantPlay = 0;
        Game.TickIntervalHuman = 4000;
        return OpenTodaysMatchdayStopped();
    }

    // Opens today's matchday as the hub's play does, with its clock stopped for the test to tick.
    static TForm46* OpenTodaysMatchdayStopped()
    {
        OpenTodaysMatchday();
        EXPECT_TRUE(test::PumpUntil([] { return Matchday() != nullptr; }));
        TForm46* screen = Matchday();
        if (screen)
            screen->ralt1->SetEnabled(false);
        return screen;
    }

    // Enter opens the in-match screen of the first human match; `manage` works on it, then Escape
    // closes it and the clock stays stopped.
    void ManageTheHumanMatch(TForm46* screen, const std::function<void(TForm88*)>& manage)
    {
        answerer_.LeaveToTheTest("TForm88");
        test::Answer<TForm88>([&](TForm88& form) {
            manage(&form);
            test::PressKey(form.Widget(), Qt::Key_Escape);
        });
        test::PressKey(screen->Widget(), Qt::Key_Return);
        EXPECT_TRUE(test::PumpUntil([] { return test::Shown<TForm88>() == nullptr; }));
        screen->ralt1->SetEnabled(false);
    }

    // A drag of the shirt of one place of the in-match board onto another's.
    static void DragPlace(TForm88* form, int from, int onto)
    {
        TPitchBoard& board = form->PitchBoard();
        QWidget* pitch = form->Panel1->Widget();
        test::DragMouse(pitch, test::ShirtCentreOf(board, TForm88::ShirtOfPlace(from)), pitch,
                        test::ShirtCentreOf(board, TForm88::ShirtOfPlace(onto)));
    }
};

// A row's event fits its box: a short one keeps its size, a long one is written smaller.
TEST_F(MatchdayScreenTest, AnEventTooLongForItsRowIsWrittenSmaller)
{
    auto* label = NewEventLabel(nullptr, nullptr, 1, 462, 0);
    const auto event = [](const std::string& text) {
        return "<FONT color=\"clwhite\"  size=\"11\" face=\"Arial\"><shad>" + text + " 45'</shad></font>";
    };
    const auto width = [label] {
        TBitmap measure;
        measure.Canvas().Font.Assign(label->Font());
        THTMLDrawResult result;
        label->HTMLPaint(measure.Canvas(), label->GetDisplayText(), Rect(0, 0, 2000, 16), 0, 0, -1, true, result);
        return result.MeasuredWidth;
    };
    SetEventText(label, event("Jatobá"));
    EXPECT_EQ(label->GetDisplayText(), event("Jatobá"));
    const std::string longer = event("(Maximiliano Wanderlé) Joaquim Pereirinha");
    SetEventText(label, longer);
    EXPECT_NE(label->GetDisplayText(), longer);
    EXPECT_NE(label->GetDisplayText().find("(Maximiliano Wanderlé) Joaquim Pereirinha 45'"), std::string::npos);
    EXPECT_LE(width(), label->Width());
    delete label;
}

// Without the half-time screen: its pitch lays the shirts out at random spots, and those draws
// move every draw after them.
TEST_F(MatchdayScreenTest, ADayPlayedOnScreenBooksWhatTheHeadlessDayBooks)
{
    NewSeededGame();
    Game.InstantPlay = 1;
    Game.HalfTimeScreen = 0;
    const int day = Game.DayIndex;
    const CalendarExit headlessExit = PlayDayToNextScreen();
    const std::map<std::string, std::uint64_t> headless = TableFingerprints();
    ASSERT_GT(Game.DayIndex, day);

    NewSeededGame();
    Game.InstantPlay = 1;
    Game.HalfTimeScreen = 0;
    ASSERT_EQ(Game.DayIndex, day);
    TForm67* results = PlayTodayOnScreen();
    ASSERT_NE(results, nullptr);
    results->Timer1->SetEnabled(false);
    EXPECT_GT(Matchday() == nullptr ? 1 : 0, 0) << "the matchday screen closes when the results open";
    QTest::mouseClick(results->bt3->Widget(), Qt::LeftButton);
    EXPECT_EQ(TableFingerprints(), headless);
    EXPECT_EQ(Game.DayIndex > day, true);
    test::Pump();
    EXPECT_EQ(LastOpenedScreen(), ScreenAfterCalendar(headlessExit));
}

TEST_F(MatchdayScreenTest, TheClockShowsMinutesHalfTimeAddedTimeAndTheEnd)
{
    NewSeededGame(1);
    Game.InstantPlay = 0;
    Game.HalfTimeScreen = 0;
    TForm46* screen = OpenTodaysMatchdayStopped();
    ASSERT_NE(screen, nullptr);
    EXPECT_FALSE(screen->Label1->Visible());
    EXPECT_EQ(screen->labtempo->Caption(), "1º tempo");
    ASSERT_GT(MatchCount, 0);
    EXPECT_EQ(screen->rows[1].labt1->Caption(), " " + Clubs[Matches[1].club[0]].name.str());
    EXPECT_EQ(screen->rows[1].labt1->Color(), Clubs[Matches[1].club[0]].BackColor);

    // The word after ties decided on penalties fits the clock's label.
    screen->ShowShootoutNotice(0);
    EXPECT_EQ(screen->Label1->Caption(), "Desempate por Penaltis");
    TCanvas& canvas = screen->Canvas();
    canvas.Font.Assign(screen->Label1->Font());
    EXPECT_LE(canvas.TextWidth(screen->Label1->Caption()), screen->Label1->Width());

    screen->MatchdayTick();
    EXPECT_TRUE(screen->Label1->Visible());
    EXPECT_EQ(screen->Label1->Caption(), "1'");
    EXPECT_TRUE(screen->ralt1->Enabled()) << "each tick but the last enables the clock again";
    screen->ralt1->SetEnabled(false);
    while (screen->MatchTick() < 46)
        screen->MatchdayTick();
    EXPECT_EQ(screen->Label1->Caption(), "23'");
    EXPECT_EQ(screen->g1->Progress(), 23);
    while (screen->MatchTick() < 92)
        screen->MatchdayTick();
    EXPECT_EQ(screen->Label1->Caption(), "Intervalo");
    EXPECT_EQ(screen->labtempo->Caption(), "2º tempo");
    EXPECT_EQ(screen->g1->Progress(), 0);
    screen->MatchdayTick();
    screen->MatchdayTick();
    EXPECT_EQ(screen->Label1->Caption(), "1'");
    while (screen->MatchTick() < 182)
        screen->MatchdayTick();
    EXPECT_EQ(screen->Label1->Caption(), "Acréscimos");
    EXPECT_EQ(screen->g1->Progress(), 45);
    // Every shown score is the match's score.
    for (int m = 1; m <= MatchCount && m <= kMaxMatchdayRows; ++m) {
        if (!screen->rows[m].labp1)
            continue;
        EXPECT_EQ(screen->rows[m].labp1->Caption(), std::to_string(Matches[m].goals[0])) << m;
        EXPECT_EQ(screen->rows[m].labp2->Caption(), std::to_string(Matches[m].goals[1])) << m;
    }
    // Tick 190 books the day: the results follow, or the day's next shown league starts here.
    const int shown = screen->DaysShown();
    while (screen->MatchTick() != 0)
        screen->MatchdayTick();
    EXPECT_EQ(screen->Label1->Caption(), "Fim de jogo");
    test::Pump();
    EXPECT_TRUE(Results() != nullptr || screen->DaysShown() == shown + 1);
}

// Enter before the first tick opens the in-match screen; two starters swapped there are the
// kick-off line-up that the first tick keeps for the report.
TEST_F(MatchdayScreenTest, AChangeMadeBeforeTheFirstTickIsTheKickOffLineup)
{
    TForm46* screen = OpenStoppedMatchday();
    ASSERT_NE(screen, nullptr);
    ASSERT_GT(HumanMatchCount, 0);
    const int m = HumanMatches[1];
    const int side = Clubs[Matches[m].club[0]].IsHuman ? 0 : 1;
    const TLineup* lineup = LineupAt(Matches[m].lineup[side]);
    ASSERT_NE(lineup, nullptr);
    const int starter2 = lineup->starters[1];
    const int starter3 = lineup->starters[2];
    ASSERT_EQ(Matches[m].startingEleven[side][1], starter2);
    bool swapped = false;
    ManageTheHumanMatch(screen, [&](TForm88* form) {
        DragPlace(form, 2, 3);
        swapped = lineup->starters[1] == starter3;
    });
    ASSERT_TRUE(swapped);
    EXPECT_EQ(screen->MatchTick(), 0);
    screen->MatchdayTick();
    EXPECT_EQ(Matches[m].startingEleven[side][1], starter3);
    EXPECT_EQ(Matches[m].startingEleven[side][2], starter2);
    EXPECT_EQ(Matches[m].startingSlots[side][1], lineup->pitchSlots[1]);
}

// The heading, the panels and the rows stand where the design puts them: the panels with their
// raised edge, the headings and the crowd sized to their texts.
TEST_F(MatchdayScreenTest, ThePanelsAndRowsStandWhereTheDesignPutsThem)
{
    TForm46* screen = OpenStoppedMatchday();
    ASSERT_NE(screen, nullptr);
    const auto at = [screen](int design) { return screen->ScaledLength(design); };
    EXPECT_EQ(screen->lcamp->Left(), at(104));
    EXPECT_EQ(screen->lcamp->Top(), at(8));
    ASSERT_FALSE(screen->panels.empty());
    for (TPanel* panel : screen->panels) {
        EXPECT_EQ(panel->Left(), at(32)) << panel->Name();
        EXPECT_EQ(panel->Width(), at(730)) << panel->Name();
        EXPECT_EQ(panel->BevelOuter(), bvRaised) << panel->Name();
    }
    auto* heading = dynamic_cast<TLabel*>(screen->FindComponent("labextra1"));
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->Left(), at(32));
    EXPECT_EQ(heading->Top(), screen->panels[0]->Top() - at(15));
    EXPECT_TRUE(heading->AutoSize());
    TCanvas& canvas = screen->Canvas();
    canvas.Font.Assign(heading->Font());
    EXPECT_EQ(heading->Width(), canvas.TextWidth(heading->Caption()));
    ASSERT_GT(MatchCount, 0);
    const TMatchRow& row = screen->rows[1];
    EXPECT_EQ(row.est->Left(), at(8));
    EXPECT_EQ(row.est->Width(), at(118));
    EXPECT_EQ(row.labeven->Left(), at(462));
    EXPECT_EQ(row.labeven->Width(), at(215));
    EXPECT_FALSE(row.labeven->Visible());
    EXPECT_EQ(row.labpub->Left(), at(680));
    EXPECT_TRUE(row.labpub->AutoSize());
    canvas.Font.Assign(row.labpub->Font());
    EXPECT_EQ(row.labpub->Width(), canvas.TextWidth(row.labpub->Caption()));
    EXPECT_EQ(row.labpub->Caption(), std::to_string(Matches[1].attendance));
}

// A click on any label of a row opens the in-match screen on that match, also without a human
// club, on the away side only when the away club alone is human; a click on the event icon opens
// nothing.
TEST_F(MatchdayScreenTest, AClickOnARowOpensTheInMatchScreenOnThatMatch)
{
    TForm46* screen = OpenStoppedMatchday();
    ASSERT_NE(screen, nullptr);
    const auto human = [](int club) { return Clubs[club].IsHuman != 0; };
    int computers = 0;
    for (int m = 1; m <= MatchCount && m <= kMaxMatchdayRows && computers == 0; ++m)
        if (!human(Matches[m].club[0]) && !human(Matches[m].club[1]))
            computers = m;
    ASSERT_GT(computers, 0);
    answerer_.LeaveToTheTest("TForm88");
    // Clicks the middle of a control of the row and returns the match and side the in-match screen
    // opened on, or {0, 0} when none opened.
    const auto clickOn = [](TControl* control) {
        std::pair<int, int> opened{0, 0};
        const test::AnswerEach<TForm88> answer([&opened](TForm88& form) {  // the screen opens inside the click
            opened = {static_cast<int>(ActiveMatch), ReportMode};
            test::PressKey(form.Widget(), Qt::Key_Escape);
        });
        test::ClickAt(control->Parent()->Widget(),
                      QPoint(control->Left() + control->Width() / 2, control->Top() + control->Height() / 2));
        EXPECT_TRUE(test::PumpUntil([] { return test::Shown<TForm88>() == nullptr; }));
        return opened;
    };
    EXPECT_EQ(clickOn(screen->rows[computers].labt2), std::make_pair(computers, 1));
    EXPECT_EQ(clickOn(screen->rows[computers].est), std::make_pair(computers, 1));
    EXPECT_EQ(clickOn(screen->rows[computers].imgeven), std::make_pair(0, 0));
    // The same row once its away club alone is run by a coach.
    Clubs[Matches[computers].club[1]].IsHuman = 1;
    EXPECT_EQ(clickOn(screen->rows[computers].labp1), std::make_pair(computers, 2));
    Clubs[Matches[computers].club[1]].IsHuman = 0;
}

// A click on a row below the day's last match is a row's click as any other: the clock stops and
// the in-match screen opens on that row's match, which holds no club; the clock runs again after.
TEST_F(MatchdayScreenTest, AClickOnARowWithoutAMatchOpensTheInMatchScreenOnIt)
{
    TForm46* screen = OpenStoppedMatchday();
    ASSERT_NE(screen, nullptr);
    // The day cut short before the first row of the lower division shown: that row stands as the
    // rows past the day's matches do (a small state group's third row, say), its record all zeros.
    const int shown = screen->ShownDivision();
    const int empty = 10 * (shown - 1) + 1;
    ASSERT_GE(MatchCount, empty);
    ASSERT_EQ(screen->rows[empty].labx->Parent(), screen->panels[static_cast<std::size_t>(shown - 1)]);
    ASSERT_TRUE(screen->panels[static_cast<std::size_t>(shown - 1)]->Visible());
    for (int m = empty; m <= MatchCount; ++m)
        Matches[m] = jogos{};
    MatchCount = empty - 1;
    screen->ralt1->SetEnabled(true);
    answerer_.LeaveToTheTest("TForm88");
    std::pair<int, std::string> opened{0, "?"};
    bool clockRan = true;
    test::Answer<TForm88>([&opened, &clockRan, screen](TForm88& form) {
        opened = {static_cast<int>(ActiveMatch), form.nometime1->Caption()};
        clockRan = screen->ralt1->Enabled();
        test::PressKey(form.Widget(), Qt::Key_Escape);
    });
    TControl* x = screen->rows[empty].labx;
    test::ClickAt(x->Parent()->Widget(), QPoint(x->Left() + x->Width() / 2, x->Top() + x->Height() / 2));
    EXPECT_TRUE(test::PumpUntil([] { return test::Shown<TForm88>() == nullptr; }));
    EXPECT_EQ(opened, std::make_pair(empty, std::string()));
    EXPECT_FALSE(clockRan) << "the clock stops while the screen is open";
    EXPECT_TRUE(screen->ralt1->Enabled()) << "and runs again after";
    screen->ralt1->SetEnabled(false);
}

// A substitution made in the second half is kept in the match with 45 plus the minute the clock
// shows.
TEST_F(MatchdayScreenTest, ASecondHalfSubstitutionIsKeptWithItsMinute)
{
    TForm46* screen = OpenStoppedMatchday();
    ASSERT_NE(screen, nullptr);
    ASSERT_GT(HumanMatchCount, 0);
    Game.HalfTimeScreen = 0;
    while (screen->MatchTick() < 100) {
        screen->MatchdayTick();
        screen->ralt1->SetEnabled(false);
    }
    ASSERT_EQ(screen->MatchHalf(), 2);
    const int m = HumanMatches[1];
    const int side = Clubs[Matches[m].club[0]].IsHuman ? 0 : 1;
    const TLineup* lineup = LineupAt(Matches[m].lineup[side]);
    ASSERT_NE(lineup, nullptr);
    int benchPlace = 0;
    for (int b = 7; b >= 1; --b)
        if (const TPlayer* p = PlayerAt(lineup->bench[b - 1]); p && !p->OnPitch)
            benchPlace = b;
    ASSERT_GT(benchPlace, 0);
    const int incoming = lineup->bench[benchPlace - 1];
    const int made = Matches[m].subsMade[side];
    ASSERT_LT(made, 3);
    ManageTheHumanMatch(screen, [&](TForm88* form) { DragPlace(form, 11 + benchPlace, 6); });
    EXPECT_EQ(lineup->starters[5], incoming);
    ASSERT_EQ(Matches[m].subsMade[side], made + 1);
    EXPECT_EQ(Matches[m].subs[side][made].player, incoming);
    EXPECT_EQ(Matches[m].subs[side][made].minute, 45 + MatchMinuteOfTick(100));
}

// The in-match screen's time is the matchday clock's: on a tick between two minutes the clock still
// shows the last minute, and so does the screen.
TEST_F(MatchdayScreenTest, TheInMatchScreenShowsTheMinuteTheClockShows)
{
    TForm46* screen = OpenStoppedMatchday();
    ASSERT_NE(screen, nullptr);
    ASSERT_GT(HumanMatchCount, 0);
    while (screen->MatchTick() < 31) {
        screen->MatchdayTick();
        screen->ralt1->SetEnabled(false);
    }
    ASSERT_EQ(screen->MinuteOfHalf(), MatchMinuteOfTick(30));
    ASSERT_NE(MatchMinuteOfTick(30), MatchMinuteOfTick(31));
    std::string shown;
    ManageTheHumanMatch(screen, [&shown](TForm88* form) { shown = form->lbtempo->Caption(); });
    EXPECT_EQ(shown, std::to_string(MatchMinuteOfTick(30)) + "' 1º");
}

// The clock runs again when the in-match screen closes, but not while plays are traced.
TEST_F(MatchdayScreenTest, TheClockRunsAgainAfterTheInMatchScreenUnlessPlaysAreTraced)
{
    TForm46* screen = OpenStoppedMatchday();
    ASSERT_NE(screen, nullptr);
    ASSERT_GT(HumanMatchCount, 0);
    for (bool traced : {false, true}) {
        DebugTrace = traced;
        screen->ralt1->SetEnabled(true);
        answerer_.LeaveToTheTest("TForm88");
        test::Answer<TForm88>([](TForm88& form) { test::PressKey(form.Widget(), Qt::Key_Escape); });
        test::PressKey(screen->Widget(), Qt::Key_Return);
        EXPECT_TRUE(test::PumpUntil([] { return test::Shown<TForm88>() == nullptr; }));
        EXPECT_EQ(screen->ralt1->Enabled(), !traced) << (traced ? "traced" : "not traced");
        screen->ralt1->SetEnabled(false);
    }
    DebugTrace = false;
}

TEST_F(MatchdayScreenTest, TheSpeedKeysSetTheHumanSpeedAndTheClock)
{
    TForm46* screen = OpenStoppedMatchday();
    ASSERT_NE(screen, nullptr);
    const std::pair<int, int> keys[] = {{Qt::Key_F1, 4000}, {Qt::Key_F2, 2500}, {Qt::Key_F3, 800},
                                        {Qt::Key_F4, 600}, {Qt::Key_F5, 100}};
    for (const auto& [key, interval] : keys) {
        test::PressKey(screen->Widget(), key);
        EXPECT_EQ(Game.TickIntervalHuman, interval);
        EXPECT_EQ(screen->ralt1->Interval(), interval);
    }
    // Alt+F4 leaves the screen open and the speed as it was, and sets the clock to that speed.
    screen->ralt1->SetInterval(1);
    test::PressKey(screen->Widget(), Qt::Key_F4, Qt::AltModifier);
    test::Pump();
    EXPECT_EQ(Matchday(), screen);
    EXPECT_EQ(Game.TickIntervalHuman, 100);
    EXPECT_EQ(screen->ralt1->Interval(), 100);
    // Only Alt alone with F4 is swallowed: with Ctrl too it is the F4 speed key.
    test::PressKey(screen->Widget(), Qt::Key_F4, Qt::ControlModifier | Qt::AltModifier);
    test::Pump();
    EXPECT_EQ(Matchday(), screen);
    EXPECT_EQ(Game.TickIntervalHuman, 600);
    EXPECT_EQ(screen->ralt1->Interval(), 600);
    test::PressKey(screen->Widget(), Qt::Key_F5);
    // Any other key, too, sets the clock to the human speed, also in instant play.
    screen->ralt1->SetInterval(1);
    test::PressKey(screen->Widget(), Qt::Key_A);
    EXPECT_EQ(screen->ralt1->Interval(), 100);
    EXPECT_EQ(Game.TickIntervalHuman, 100);
}

// Half time opens the in-match screen on the home side of each human match in turn, only with the
// option on; the clock stays off while they are open and runs again after the last one. Space opens
// the first human match as Enter does.
TEST_F(MatchdayScreenTest, HalfTimeOpensTheHumanMatchesInTurnAndSpaceOpensTheFirst)
{
    TForm46* screen = OpenStoppedMatchday();
    ASSERT_NE(screen, nullptr);
    ASSERT_GT(HumanMatchCount, 0);
    answerer_.LeaveToTheTest("TForm88");
    struct Opened {
        int match, side;
        bool halfTime, clock;
    };
    std::vector<Opened> opened;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        TForm88* form = test::Shown<TForm88>();
        if (!form || form->Tag() == 88)
            return;
        form->SetTag(88);
        opened.push_back(
            {static_cast<int>(ActiveMatch), ReportMode, screen->HalfTimeBreak(), screen->ralt1->Enabled()});
        test::PressKey(form->Widget(), Qt::Key_Escape);
    });
    closer.start(10);

    screen->ralt1->SetEnabled(true);
    test::PressKey(screen->Widget(), Qt::Key_Space);
    EXPECT_TRUE(test::PumpUntil([] { return test::Shown<TForm88>() == nullptr; }));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].match, HumanMatches[1]);
    EXPECT_FALSE(opened[0].clock);
    EXPECT_TRUE(screen->ralt1->Enabled());
    screen->ralt1->SetEnabled(false);
    opened.clear();

    Game.HalfTimeScreen = 1;
    while (screen->MatchTick() < 91) {
        screen->MatchdayTick();
        screen->ralt1->SetEnabled(false);
    }
    opened.clear();
    screen->MatchdayTick();
    ASSERT_EQ(screen->MatchTick(), 92);
    EXPECT_TRUE(screen->ralt1->Enabled()) << "the clock runs again after half time";
    EXPECT_FALSE(screen->HalfTimeBreak());
    std::erase_if(opened, [](const Opened& o) { return !o.halfTime; });  // a red card of tick 92
    ASSERT_EQ(static_cast<int>(opened.size()), HumanMatchCount);
    for (int i = 1; i <= HumanMatchCount; ++i) {
        const Opened& o = opened[static_cast<std::size_t>(i - 1)];
        EXPECT_EQ(o.match, HumanMatches[i]) << i;
        EXPECT_EQ(o.side, 1) << "half time opens on the home side";
        EXPECT_FALSE(o.clock);
    }
    screen->ralt1->SetEnabled(false);
    closer.stop();
}

// A league day in divisions of 20 with two leagues shown: the links to the lower divisions stand
// over the second panel's right end; the human club's own lower division is shown first; a click on
// a link shows its division; the next league starts again as the first did, in the first half.
TEST_F(MatchdayScreenTest, TheLowerDivisionLinksAndTheNextLeagueStartingAfresh)
{
    NewSeededGame(0);
    Game.InstantPlay = 0;
    Game.HalfTimeScreen = 0;
    ASSERT_EQ(Game.LeagueFormat, kDivisionsOf20);
    while (Calendar[Game.DayIndex].dayKind != kKindNationalLeague)
        PlayDayToNextScreen();
    for (TLeague& league : Leagues)
        league.shown = 1;
    TForm46* screen = OpenTodaysMatchdayStopped();
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->panels.size(), 4u);
    ASSERT_GE(Leagues[static_cast<std::size_t>(CurrentLeague)].divisionCount, 3);
    const TPanel* second = screen->panels[1];
    EXPECT_EQ(screen->labv[4]->Left(), second->Left() + second->Width() - 110);
    EXPECT_EQ(screen->labv[3]->Left(), screen->labv[4]->Left() - 115);
    EXPECT_EQ(screen->labv[2]->Left(), screen->labv[3]->Left() - 115);
    EXPECT_EQ(screen->labv[2]->Top(), second->Top() - 15);
    const int humanDivision = Clubs[Game.CurrentHumanClub].Division;
    const int first = humanDivision == 3 || humanDivision == 4 ? humanDivision : 2;
    EXPECT_EQ(screen->ShownDivision(), first);

    const int other = first == 2 ? 3 : 2;
    test::ClickAt(screen->Widget(), QPoint(screen->labv[other]->Left() + 20, screen->labv[other]->Top() + 6));
    EXPECT_EQ(screen->ShownDivision(), other);
    EXPECT_TRUE(screen->panels[static_cast<std::size_t>(other - 1)]->Visible());
    EXPECT_FALSE(screen->panels[static_cast<std::size_t>(first - 1)]->Visible());

    // The first league played to its end: the next one is shown from its first half and division 2,
    // before its kick-off as the day's first was: no minute, no end of the match, an empty clock bar
    // and every score 0.
    const int shown = screen->DaysShown();
    while (screen->DaysShown() == shown && Matchday() == screen)
        screen->MatchdayTick();
    ASSERT_EQ(Matchday(), screen);
    screen->ralt1->SetEnabled(false);
    EXPECT_EQ(screen->labtempo->Caption(), "1º tempo");
    EXPECT_EQ(screen->MatchHalf(), 1);
    EXPECT_FALSE(screen->Label1->Visible()) << screen->Label1->Caption();
    EXPECT_EQ(screen->g1->Progress(), 0);
    for (int m = 1; m <= MatchCount && m <= kMaxMatchdayRows; ++m)
        if (screen->rows[m].labp1) {
            EXPECT_EQ(screen->rows[m].labp1->Caption(), "0") << m;
            EXPECT_EQ(screen->rows[m].labp2->Caption(), "0") << m;
        }
    screen->MatchdayTick();
    EXPECT_TRUE(screen->Label1->Visible());
    EXPECT_EQ(screen->Label1->Caption(), "1'");
    screen->ralt1->SetEnabled(false);
    ASSERT_GE(Leagues[static_cast<std::size_t>(CurrentLeague)].divisionCount, first);
    EXPECT_EQ(screen->ShownDivision(), first);
    EXPECT_TRUE(screen->panels[static_cast<std::size_t>(first - 1)]->Visible());
    EXPECT_FALSE(screen->panels[static_cast<std::size_t>(other - 1)]->Visible());
}

// Divisions of 10: one panel per division, the third and fourth (with their headings) hidden for a
// league of two divisions, and no links.
TEST_F(MatchdayScreenTest, ALeagueOfTwoDivisionsInDivisionsOfTenHidesTheOtherPanels)
{
    NewSeededGame(0);
    Game.InstantPlay = 0;
    while (Calendar[Game.DayIndex].dayKind != kKindNationalLeague)
        PlayDayToNextScreen();
    Game.LeagueFormat = kDivisionsOf10;
    TLeague& league = Leagues[0];
    const int divisions = league.divisionCount;
    league.divisionCount = 2;
    league.humanPresent = 1;
    TForm46* screen = OpenTodaysMatchdayStopped();
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(CurrentLeague, 0);
    ASSERT_EQ(screen->panels.size(), 4u);
    EXPECT_TRUE(screen->panels[0]->Visible());
    EXPECT_TRUE(screen->panels[1]->Visible());
    EXPECT_FALSE(screen->panels[2]->Visible());
    EXPECT_FALSE(screen->panels[3]->Visible());
    for (const char* name : {"labextra3", "labextra4"}) {
        const auto* heading = dynamic_cast<TLabel*>(screen->FindComponent(name));
        ASSERT_NE(heading, nullptr) << name;
        EXPECT_FALSE(heading->Visible()) << name;
    }
    for (int d = 2; d <= 4; ++d)
        EXPECT_FALSE(screen->labv[d]->Visible()) << d;
    screen->Close();
    test::Pump();
    league.divisionCount = divisions;
    Game.LeagueFormat = kDivisionsOf20;
}

// On a screen of 1280 x 1024 the live matchday grows by 1280 / 800 with its run-time rows, those of
// the day's next league too, and every row stays inside the form. Long club and stadium names are
// written whole in their boxes, smaller where they must.
TEST_F(MatchdayScreenTest, OnALargerScreenTheRowsGrowWithTheForm)
{
    NewSeededGame(0);
    Game.InstantPlay = 0;
    Game.HalfTimeScreen = 0;
    while (Calendar[Game.DayIndex].dayKind != kKindNationalLeague)
        PlayDayToNextScreen();
    for (TLeague& league : Leagues)
        league.shown = 1;
    for (TClub& club : Clubs) {
        club.name = "Ferroviário Jaculândia";
        club.Stadium = "Estádio Municipal Iguaçu";
    }
    const auto width = Hooks().screenWidth;
    const auto height = Hooks().screenHeight;
    Hooks().screenWidth = [] { return 1280; };
    Hooks().screenHeight = [] { return 1024; };
    TForm46* screen = OpenTodaysMatchdayStopped();
    ASSERT_NE(screen, nullptr);
    auto expectGrown = [screen] {
        ASSERT_FALSE(screen->panels.empty());
        EXPECT_EQ(screen->panels[0]->Width(), 730 * 1280 / 800);
        // Within the design's 800 x 600 grown as the screen is (the window the form fills).
        EXPECT_LE(screen->panels[0]->Left() + screen->panels[0]->Width(), 1280);
        ASSERT_NE(screen->rows[1].labt1, nullptr);
        EXPECT_EQ(screen->rows[1].labt1->Width(), 105 * 1280 / 800);
        EXPECT_EQ(screen->rows[1].labt1->Left(), (138 * 1280 + 400) / 800);  // rounded
        for (const TPanel* panel : screen->panels)
            EXPECT_LE(panel->Top() + panel->Height(), 960);
        // The headings grow as the rows' texts do, once.
        const TLabel* heading = dynamic_cast<TLabel*>(screen->FindComponent("labextra1"));
        ASSERT_NE(heading, nullptr);
        EXPECT_EQ(heading->Font().Height(), screen->rows[1].labx->Font().Height());
        TBitmap measure;
        for (const TLabel* label : {screen->rows[1].labt1, screen->rows[1].labt2, screen->rows[1].est}) {
            measure.Canvas().Font.Assign(label->Font());
            EXPECT_LE(measure.Canvas().TextWidth(label->Caption()), label->Width()) << label->Caption();
            EXPECT_NE(label->Caption().find(label == screen->rows[1].est ? "Iguaçu" : "Jaculândia"), std::string::npos);
        }
    };
    EXPECT_TRUE(screen->BoundsRect() == Screen->WorkAreaRect()) << "the form fills the window";
    expectGrown();
    const int shown = screen->DaysShown();
    while (screen->DaysShown() == shown && Matchday() == screen)
        screen->MatchdayTick();
    ASSERT_EQ(Matchday(), screen);
    screen->ralt1->SetEnabled(false);
    expectGrown();
    screen->Close();
    test::Pump();
    Hooks().screenWidth = width;
    Hooks().screenHeight = height;
}

TEST_F(MatchdayScreenTest, TheResultsListTheDayAndAClickShowsAReport)
{
    NewSeededGame(1);
    Game.InstantPlay = 1;
    TForm67* results = PlayTodayOnScreen();
    ASSERT_NE(results, nullptr);
    results->Timer1->SetEnabled(false);
    TDataGrid* grid = results->grid1;
    ASSERT_GT(grid->RowCount(), 1);
    int matches = 0;
    const int reportColumn = grid->ColumnByName("colreport")->Index();
    for (int r = 0; r < grid->RowCount(); ++r) {
        const int report = std::stoi(grid->GetCellText(reportColumn, r));
        if (report < 0)
            continue;
        ++matches;
        const TMatchReport& match = MatchReports[report];
        EXPECT_EQ(grid->GetCellText(grid->ColumnByName("colplacar")->Index(), r),
                  std::to_string(match.goals[0]) + "x" + std::to_string(match.goals[1]));
    }
    EXPECT_GT(matches, 0);
    // The first match is shown at once; a click on the last row in sight shows that one.
    EXPECT_GE(results->ShownReport(), 0);
    const int casa = grid->ColumnByName("colcasa")->Index();
    int last = 0;
    for (int r = 1; r < grid->RowCount() && grid->GetCellRect(casa, r).Bottom < grid->Height(); ++r)
        if (grid->GetCellText(reportColumn, r) != "-1")
            last = r;
    ASSERT_GT(last, 1);
    // A match row shows the home club's mini crest: coloured pixels in its cell, not the row's pale colour.
    const int crest = grid->ColumnByName("colescudo1")->Index();
    EXPECT_GT(std::stoi(grid->GetCellText(crest, last)), 0);
    const TRect crestCell = grid->GetCellRect(crest, last);
    const QImage shot = grid->Widget()->grab().toImage();
    int coloured = 0;
    for (int y = crestCell.Top; y < crestCell.Bottom; ++y)
        for (int x = crestCell.Left; x < crestCell.Right; ++x)
            coloured += shot.pixelColor(x, y).saturation() > 80 ? 1 : 0;
    EXPECT_GT(coloured, 20);
    const TRect cell = grid->GetCellRect(casa, last);
    QTest::mouseClick(grid->Widget(), Qt::LeftButton, {}, QPoint(cell.Left + 5, cell.Top + 5));
    test::Pump();
    const int expected = std::stoi(grid->GetCellText(reportColumn, last));
    EXPECT_EQ(grid->SelectedRow(), last);
    EXPECT_EQ(results->ShownReport(), expected);
    EXPECT_EQ(results->Label30->Caption(), Clubs[MatchReports[expected].club[0]].name.str());
    // The results screen shows the report beside the list: a double click opens no other screen.
    bool reportOpened = false;
    const test::AnswerEach<TForm52> closeAnyReport([&reportOpened](TForm52& report) {  // should one open all the same
        reportOpened = true;
        report.Close();
    });
    QTest::mouseDClick(grid->Widget(), Qt::LeftButton, {}, QPoint(cell.Left + 5, cell.Top + 5));
    test::PumpUntil([&] { return reportOpened; }, 600);
    EXPECT_FALSE(reportOpened);
    EXPECT_EQ(results->ShownReport(), expected);
    // Enter moves the calendar on once.
    const int day = Game.DayIndex;
    test::PressKey(results->Widget(), Qt::Key_Return);
    EXPECT_GT(Game.DayIndex, day);
    const int after = Game.DayIndex;
    test::Pump();
    EXPECT_EQ(Game.DayIndex, after);
}

}  // namespace
}  // namespace tarvelon

namespace tarvelon {
namespace {

// A dialog that takes its time inside a tick (as the penalty and injury dialogs do, pumping
// messages) sees no other tick meanwhile, and the day is booked once: every match of the day is
// archived once.
TEST_F(MatchdayScreenTest, DialogsInsideATickRunNoOtherTickAndTheDayIsBookedOnce)
{
    NewSeededGame(1);
    int asked = 0;
    int nested = 0;
    const auto slowDialog = [&] {
        ++asked;
        TForm46* screen = Matchday();
        const int tick = screen ? screen->MatchTick() : -1;
        test::Pump(15);
        if (screen && Matchday() == screen && screen->MatchTick() != tick)
            ++nested;
    };
    Hooks().penaltyDialog = [&](int, int, bool) {
        slowDialog();
        return PenaltyDialogAnswer{kPenaltyLeftToEngine, -1};
    };
    Hooks().injurySubstitutionDialog = [&](int, int, int) {
        slowDialog();
        return -1;
    };
    // Once today's line-ups are built, every club is taken as run by a coach: the engine asks
    // about every penalty and injury of the day.
    Game.InstantPlay = 0;
    TForm46* screen = OpenTodaysMatchdayStopped();
    ASSERT_NE(screen, nullptr);
    std::vector<std::uint8_t> wasHuman;
    for (TClub& club : Clubs) {
        wasHuman.push_back(club.IsHuman);
        club.IsHuman = 1;
    }
    const std::size_t before = MatchReports.size();
    Game.InstantPlay = 1;
    screen->ralt1->SetInterval(1);
    screen->ralt1->SetEnabled(true);
    ASSERT_TRUE(test::PumpUntil([] { return Results() != nullptr; }, 120000));
    Results()->Timer1->SetEnabled(false);
    for (std::size_t c = 0; c < Clubs.size(); ++c)
        Clubs[c].IsHuman = wasHuman[c];
    std::set<std::tuple<int, int, double>> seen;
    for (std::size_t r = before; r < MatchReports.size(); ++r)
        EXPECT_TRUE(seen.insert({MatchReports[r].club[0], MatchReports[r].club[1], MatchReports[r].date}).second)
            << "a match archived twice";
    EXPECT_GT(MatchReports.size(), before);
    StartRules(RulesStart{11});
    EXPECT_GT(asked, 0);
    EXPECT_EQ(nested, 0);
}

}  // namespace
}  // namespace tarvelon
