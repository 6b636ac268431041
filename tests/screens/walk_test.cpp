// The walk over every registered screen on a seeded sample game: each one opens offscreen with its
// subject, lays out, paints and closes without a problem; each has its stored description and the
// area of its folder; a broken form fails the walk; and a game moves on from screen to screen.
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "controls/grad_button.h"
#include "core/basics/datetime.h"
#include "core/records/game_state.h"
#include "core/records/match_records.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "core/views/day_results.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/dfm/form_reader.h"
#include "platform/forms/screen.h"
#include "platform/graphics/bitmap.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/club/auction_screen.h"
#include "screens/common/game_flow.h"
#include "screens/common/game_form.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_probe.h"
#include "screens/common/screen_registry.h"
#include "screens/matchday/results_screen.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/gallery_game_suite.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/in_match_answerer.h"
#include "tests/screens/quick_clock.h"
#include "tests/screens/season_from_hub.h"
#include "tests/screens/tables_fingerprint.h"
#include "tools/gallery/gallery_game.h"

namespace tarvelon {
namespace {

class WalkTest : public test::GalleryGameSuite {
protected:
    static void SetUpTestSuite() { PrepareGame(3, 4); }
};

// The screens whose stored description the program does not carry.
std::vector<std::string> ScreensWithoutDescription(const std::vector<const TScreenRecord*>& screens)
{
    std::vector<std::string> missing;
    for (const TScreenRecord* screen : screens) {
        std::string text;
        std::string path;
        if (!FindFormResource(screen->Description(), text, path))
            missing.push_back(screen->formClass);
    }
    return missing;
}

// The folder a screen of the area lives in.
std::string FolderOfArea(TScreenArea area)
{
    return area == TScreenArea::Editor ? "editor/" : std::string("screens/") + ScreenAreaName(area) + "/";
}

// Where a screen's tests are: tests/screens/club/inbox_screen_test.cpp for screens/club/inbox_screen.cpp,
// tests/editor/loading_screen_test.cpp for editor/loading_screen.cpp.
std::string TestFileOf(const std::string& file)
{
    const std::string stem = file.substr(0, file.size() - std::string(".cpp").size());
    return "tests/" + stem + "_test.cpp";
}

TEST_F(WalkTest, EveryRegisteredScreenHasItsStoredDescriptionAndTheAreaOfItsFolder)
{
    const auto screens = RegisteredScreens();
    EXPECT_EQ(ScreensWithoutDescription(screens), std::vector<std::string>{});
    const TScreenRecord lost{.formClass = "TForm90"};
    EXPECT_EQ(ScreensWithoutDescription({&lost}), std::vector<std::string>{"TForm90"});
    for (const TScreenRecord* screen : screens) {
        EXPECT_EQ(screen->file.rfind(FolderOfArea(screen->area), 0), 0u) << screen->formClass << " " << screen->file;
        EXPECT_FALSE(screen->shows.empty()) << screen->formClass;
        EXPECT_TRUE(screen->create) << screen->formClass;
        // The file the record names is the screen's, and its tests are found by that file's name.
        const std::filesystem::path root = TARVELON_SOURCE_DIR;
        EXPECT_TRUE(std::filesystem::is_regular_file(root / screen->file)) << screen->formClass << " " << screen->file;
        EXPECT_TRUE(std::filesystem::is_regular_file(root / TestFileOf(screen->file)))
            << screen->formClass << ": no " << TestFileOf(screen->file);
    }
    EXPECT_FALSE(FindScreen("TForm13")->modal);  // the hub is a main screen, not a dialog
}

TEST_F(WalkTest, EveryRegisteredScreenOpensPaintsAndClosesWithoutAProblem)
{
    const auto screens = RegisteredScreens();
    EXPECT_GE(screens.size(), 83u);
    ASSERT_NE(BackgroundBitmap, nullptr);
    for (const TScreenRecord* entry : screens) {
        const TScreenProbe probe = ProbeScreen(*entry);
        EXPECT_TRUE(probe.Ok()) << entry->formClass << ":\n" << ::testing::PrintToString(probe.problems);
        EXPECT_FALSE(probe.picture.isNull()) << entry->formClass;
        EXPECT_EQ(Screen->FormCount(), 0) << entry->formClass << " left a form behind";
    }
}

// The desktop's close request (its Alt+F4, the frame's close button) does to every screen what the
// screen's own Alt+F4 does: swallowed where the screen swallows the key (and then its frame shows no
// close button), else the screen closes, and a program left without any window ends instead of
// living on unseen.
TEST_F(WalkTest, EveryScreenTakesTheDesktopsCloseRequestAsItsOwnAltF4)
{
    auto open = [](const TScreenRecord& entry) {
        TGameForm* form = CreateScreen(entry, Application, true);
        if (form) {
            form->Show();
            test::Pump(10);
        }
        return form;
    };
    auto stillShown = [](const QPointer<QWidget>& window, TGameForm* form) { return !window.isNull() && form->Visible(); };
    std::map<std::string, bool> swallowed;
    for (const TScreenRecord* entry : RegisteredScreens()) {
        const std::string& formClass = entry->formClass;
        std::optional<test::GameKeptAside> kept;
        if (entry->replacesGame)
            kept.emplace();
        TGameForm* byKey = open(*entry);
        ASSERT_NE(byKey, nullptr) << formClass;
        QPointer<QWidget> keyWindow = byKey->Widget();
        QTest::keyClick(keyWindow, Qt::Key_F4, Qt::AltModifier);
        const bool keySwallowed = stillShown(keyWindow, byKey);  // at once: a screen may go on by itself
        test::CloseEveryForm();
        Application->ResetTerminated();

        TGameForm* byRequest = open(*entry);
        ASSERT_NE(byRequest, nullptr) << formClass;
        QPointer<QWidget> window = byRequest->Widget();
        window->close();  // a close event to the top-level window, as the window manager sends it
        swallowed[formClass] = stillShown(window, byRequest);
        EXPECT_EQ(swallowed[formClass], keySwallowed) << formClass;
        // A frame's close button that would do nothing is not shown.
        if (swallowed[formClass] && !window.isNull())
            EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint)) << formClass << " shows a close button";
        if (!swallowed[formClass]) {
            EXPECT_TRUE(test::PumpUntil([] { return Application->Terminated(); }, 200)) << formClass << ": no window shows";
        }
        Application->ResetTerminated();
        test::CloseEveryForm();
    }
    // "Novo jogo", the new game being built, the hub, the live matchday, the results and the
    // save-name dialog keep standing; the editor's window closes and the program with it.
    for (const char* formClass : {"TForm9", "TForm12", "TForm13", "TForm46", "TForm67", "TForm40"})
        EXPECT_TRUE(swallowed[formClass]) << formClass;
    EXPECT_FALSE(swallowed["TForm3"]);
}

// A form whose description names a handler the code did not bind, and whose code looks up a child
// the description does not have.
const char* const kBrokenForm = R"(object Form90: TForm90
  ClientWidth = 300
  ClientHeight = 100
  object btsair: TButton
    Left = 10
    Top = 10
    Caption = 'Sair'
    OnClick = btsairClick
  end
end
)";

class TBrokenForm : public TGameForm {
public:
    TBrokenForm(TComponent* owner, bool bound) : TGameForm(owner, "TForm90")
    {
        if (bound)
            BindHandler("btsairClick", [](TObject*) {});
        ReadDescriptionText(kBrokenForm, "TForm90.dfm");
        FindChild<TComponent>("btsair");
        if (!bound)
            FindChild<TComponent>("labnome");
    }
};

TEST_F(WalkTest, TheWalkFailsOnAnUnboundHandlerAMissingChildAndAFormOfAnotherClass)
{
    TScreenRecord broken;
    broken.formClass = "TForm90";
    broken.create = [](TComponent* owner) -> TGameForm* { return new TBrokenForm(owner, false); };
    const TScreenProbe probe = ProbeScreen(broken);
    ASSERT_EQ(probe.problems.size(), 2u) << ::testing::PrintToString(probe.problems);
    EXPECT_NE(probe.problems[0].find("btsairClick"), std::string::npos) << probe.problems[0];
    EXPECT_NE(probe.problems[1].find("labnome"), std::string::npos) << probe.problems[1];

    TScreenRecord mended = broken;
    mended.create = [](TComponent* owner) -> TGameForm* { return new TBrokenForm(owner, true); };
    EXPECT_TRUE(ProbeScreen(mended).Ok());

    // A record whose factory builds a form of another class (a constructor given another record).
    TScreenRecord mixed = mended;
    mixed.formClass = "TForm91";
    const TScreenProbe mixedProbe = ProbeScreen(mixed);
    ASSERT_EQ(mixedProbe.problems.size(), 1u) << ::testing::PrintToString(mixedProbe.problems);
    EXPECT_NE(mixedProbe.problems[0].find("TForm90"), std::string::npos) << mixedProbe.problems[0];
}

TEST_F(WalkTest, EveryOutcomeOfTheGameOpensARegisteredScreen)
{
    for (CalendarExit exit : {CalendarExit::SeasonEnd, CalendarExit::Hub, CalendarExit::Auction,
                              CalendarExit::NationalHub, CalendarExit::NextMatchday})
        EXPECT_NE(FindScreen(ScreenAfterCalendar(exit)), nullptr);
    for (FirstScreen first : {FirstScreen::Hub, FirstScreen::Matchday, FirstScreen::NationalTeamHub})
        EXPECT_NE(FindScreen(FirstScreenOfNewGame(first)), nullptr);
    EXPECT_EQ(FirstScreenOfNewGame(FirstScreen::None), "");
    for (LoadOutcome outcome : {LoadOutcome::kOpenHub, LoadOutcome::kOpenNationalHub})
        EXPECT_NE(FindScreen(ScreenAfterLoad(outcome)), nullptr);
    EXPECT_EQ(ScreenAfterLoad(LoadOutcome::kFailed), "");
    for (SeasonStartScreen start : {SeasonStartScreen::Hub, SeasonStartScreen::Matchday})
        EXPECT_NE(FindScreen(ScreenOfSeasonStart(start)), nullptr);
}

// The hub once the round's questions (offers, the World Cup's invitation) are answered, or an auction.
bool ScreenAwaitsThePlayer() { return test::HubReadyToPlay() != nullptr || test::AuctionAwaitingBid() != nullptr; }

TEST_F(WalkTest, TheGameMovesOnFromScreenToScreen)
{
    const test::GameKeptAside kept;
    // The built matchday and results screens pass by themselves in instant play, here at once.
    const test::QuickClock quick;
    const int firstDay = Game.DayIndex;
    Game.InstantPlay = 1;
    test::InMatchAnswerer answerer;
    OpenScreen("TForm13");
    std::set<std::string> seen;
    for (int step = 0; step < 8; ++step) {
        ASSERT_TRUE(test::PumpUntil(ScreenAwaitsThePlayer, 120000)) << "no screen after step " << step;
        // A question the hub asked and that was answered may wait for its deletion, hidden.
        std::string shown;
        int visible = 0;
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (Screen->Forms(i)->Visible()) {
                shown += Screen->Forms(i)->ClassName() + " ";
                ++visible;
            }
        EXPECT_EQ(visible, 1) << "two screens at once: " << shown << "on "
                              << DateToStr(Calendar[static_cast<std::size_t>(Game.DayIndex)].date);
        if (TForm23* auction = test::AuctionAwaitingBid()) {  // no bid: the computer round settles it
            seen.insert("TForm23");
            QTest::mouseClick(auction->CHButton1->Widget(), Qt::LeftButton);
            continue;
        }
        TForm13* hub = test::OpenHub();
        seen.insert("TForm13");
        test::PlayTurnFromHub(*hub);
    }
    ASSERT_TRUE(test::PumpUntil(ScreenAwaitsThePlayer, 120000));
    if (test::AuctionAwaitingBid())
        test::AuctionAwaitingBid()->Close();
    else
        test::OpenHub()->Close();
    test::Pump();
    Game.InstantPlay = 0;
    EXPECT_GT(Game.DayIndex, firstDay + 4);
    EXPECT_TRUE(seen.count("TForm13")) << ::testing::PrintToString(seen);
}

TEST_F(WalkTest, TheGameFlowsMovesCarryTheGameIntoTheNextSeason)
{
    const test::GameKeptAside kept;
    const int season = Game.Season;
    int days = 0;
    for (CalendarExit exit = CalendarExit::Hub; exit != CalendarExit::SeasonEnd && days < 400; ++days)
        exit = PlayMatchdayFromHub();
    ASSERT_LT(days, 400);
    const int lastDay = Game.DayIndex;
    ContinueIntoNewSeason();
    EXPECT_EQ(Game.Season, season + 1);
    EXPECT_LT(Game.DayIndex, lastDay);
    EXPECT_NE(PlayMatchdayFromHub(), CalendarExit::SeasonEnd);
}

// Looking at a screen leaves the game as it was: the live matchday, which begins its day on opening,
// is put back after its look. The results screen is looked at on a whole day of the game, played up
// to its results as the live matchday leaves it (the human club's match among the rows shown
// first), and is put back as well.
TEST_F(WalkTest, TheLiveMatchdayAndTheResultsAreLookedAtOnAWholeDayAndLeaveTheGameAsItWas)
{
    const auto before = test::TableFingerprints();
    EXPECT_TRUE(ProbeScreen(*FindScreen("TForm46")).Ok());
    EXPECT_EQ(test::TableFingerprints(), before);

    const TScreenRecord& results = *FindScreen("TForm67");
    EXPECT_TRUE(results.replacesGame);
    {
        const test::GameKeptAside kept;
        const int human = Game.CurrentHumanClub;
        auto* form = dynamic_cast<TForm67*>(CreateScreen(results, Application, true));
        ASSERT_NE(form, nullptr);
        form->Timer1->SetEnabled(false);
        form->Show();
        test::Pump();
        std::vector<int> clubs;
        for (int row = 0; row < form->grid1->RowCount(); ++row) {
            const int report = std::atoi(form->grid1->GetCellTextByName("colreport", row).c_str());
            if (report < 0)
                continue;
            EXPECT_EQ(MatchReports[report].date, TodaysResultsDay().date);
            clubs.push_back(MatchReports[report].club[0]);
            clubs.push_back(MatchReports[report].club[1]);
        }
        EXPECT_GE(clubs.size(), 10u);
        EXPECT_NE(std::find(clubs.begin(), clubs.end(), human), clubs.end());
        EXPECT_EQ(form->lcamp->Caption().rfind("Campeonato ", 0), 0u) << form->lcamp->Caption();
        form->Close();
        test::Pump();
    }
    EXPECT_EQ(test::TableFingerprints(), before);
}

}  // namespace
}  // namespace tarvelon
