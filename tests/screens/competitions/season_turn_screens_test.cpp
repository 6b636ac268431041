// The season's turn on screen, on a seeded game of every league with the Brazilian state
// championships: the state champions screen after the state finals, the end-of-season summary and
// its "Continuar >>" into the next season, three seasons long, each season ending and starting as
// the headless seasons do, with the standings showing the game's tables. Also the summary's and the
// state champions' guards: one new season however often "Continuar" is pressed, each mini crest
// once in the summary's image list.
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

#include <filesystem>
#include <memory>

#include "controls/grad_button.h"
#include "core/basics/random.h"
#include "core/hooks.h"
#include "core/persist/saved_game_image.h"
#include "core/season/calendar.h"
#include "core/progression/state_finals.h"
#include "core/records/game_state.h"
#include "core/records/state_championship.h"
#include "core/rollover/season_rollover.h"
#include "core/seasonloop/season_loop.h"
#include "core/seasonloop/season_turn.h"
#include "core/tables.h"
#include "core/views/season_summary.h"
#include "core/views/standings_view.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/lists.h"
#include "screens/club/friendly_screens.h"
#include "screens/common/game_flow.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/competitions/competition_screens.h"
#include "screens/competitions/season_summary_screen.h"
#include "screens/competitions/standings_screen.h"
#include "screens/history/state_champions_screen.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/quick_clock.h"
#include "tests/screens/competitions/standings_checks.h"
#include "tests/screens/tables_fingerprint.h"
#include "tools/gallery/gallery_game.h"

namespace tarvelon {
namespace {

using test::ExpectTableShows;
using test::Shown;

constexpr std::uint64_t kSeed = 17;
constexpr int kSeasons = 3;

// Answers the screens that open while a season is played: Enter on the state champions, and every
// other dialog (friendlies, notices, offers) closed as a coach who wants nothing of them. It notes
// the classes it answered.
class TAnswerer {
public:
    TAnswerer()
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
        timer_.start();
    }
    std::vector<std::string> answered;
    // Run with the state champions screen on screen, before it is answered.
    std::function<void(TForm66&)> onStateChampions;
    std::function<void(TGameForm&)> onDialog;

private:
    void Answer()
    {
        for (int i = Screen->FormCount() - 1; i >= 0; --i) {
            auto* form = dynamic_cast<TGameForm*>(Screen->Forms(i));
            if (!form || !form->Visible() || !form->Modal())
                continue;
            answered.push_back(form->FormClass());
            if (auto* champions = dynamic_cast<TForm66*>(form)) {
                if (onStateChampions)
                    onStateChampions(*champions);
                test::PressKey(champions->Widget(), Qt::Key_Return);
            } else {
                if (onDialog)
                    onDialog(*form);
                form->Close();
            }
            return;
        }
    }
    QTimer timer_;
};

// The game as it stands, to be put back (the generator's state with it).
struct TGameSnapshot {
    TGameSnapshot() : image(WriteSavedGameImage()), seed(RandSeed) {}
    void Restore() const
    {
        auto saved = std::make_unique<SavedGameImage>();
        ASSERT_EQ(ReadSavedGameImage(image, *saved), SavedGameCheck::kValid);
        InstallSavedGameImage(*saved);
        BuildCalendar();
        RandSeed = seed;
    }
    std::string image;
    decltype(RandSeed) seed;
};

class SeasonTurnScreensTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        savedFolder_ = std::filesystem::current_path();
        folder_ = std::make_unique<QTemporaryDir>();
    }
    static void TearDownTestSuite()
    {
        std::filesystem::current_path(savedFolder_);
        folder_.reset();
    }
    void TearDown() override
    {
        Hooks().showStateChampions = [] {};
        for (int i = Screen->FormCount() - 1; i >= 0; --i)
            delete Screen->Forms(i);
        test::Pump();
    }

    // The same seeded game each time (the sample database written once), on its first day.
    static void NewGame(bool stateChampionships = true)
    {
        gallery::GalleryGameOptions options;
        if (written_)
            options.dataFolder = folder_->path().toStdString();
        else
            options.scratchFolder = folder_->path().toStdString();
        options.seed = kSeed;
        options.daysPlayed = 0;
        options.stateChampionships = stateChampionships;
        std::string message;
        ASSERT_TRUE(gallery::PrepareGalleryGame(options, message)) << message;
        written_ = true;
        Game.InstantPlay = 0;
        ASSERT_EQ(Game.StateChampionshipsOn != 0, stateChampionships);
    }

    // Days until the season's last: the summary comes next.
    static void PlayToSeasonEnd(const std::function<void()>& atResults = {})
    {
        while (PlayDayToNextScreen(atResults) != CalendarExit::SeasonEnd) {
        }
    }

    // The summary opened by the navigator as the results screen opens it.
    static TForm26* OpenSummary()
    {
        OpenAfterCalendar(CalendarExit::SeasonEnd);
        EXPECT_TRUE(test::PumpUntil([] { return Shown<TForm26>() != nullptr; }, 5000));
        return Shown<TForm26>();
    }

    // The friendlies prompt needs a coach still in his job at the season's end: his board keeps faith.
    static void KeepBoardsFaith()
    {
        for (TClub& club : Clubs)
            if (club.IsHuman)
                club.boardConfidence = std::max(club.boardConfidence, 50);
    }

    // The seeded game at its first season's end, the boards keeping faith: played once for the
    // suite (by the three seasons on screen when they ran first) and put back for each case.
    static void RestoreFirstSeasonEnd()
    {
        NewGame();
        if (!firstSeasonEnd_) {
            PlayToSeasonEnd(KeepBoardsFaith);
            firstSeasonEnd_ = std::make_unique<TGameSnapshot>();
        }
        firstSeasonEnd_->Restore();
    }

    static inline std::unique_ptr<QTemporaryDir> folder_;
    static inline std::filesystem::path savedFolder_;
    static inline bool written_ = false;
    static inline std::unique_ptr<TGameSnapshot> firstSeasonEnd_;
    const test::QuickClock quickTicks_{test::kShortWaits};  // the match clock runs without waiting
};

void ExpectGridHolds(TDataGrid& grid, const std::vector<SummaryRow>& rows, const char* icon, const char* text)
{
    ASSERT_EQ(grid.RowCount(), static_cast<int>(rows.size()));
    for (int i = 0; i < grid.RowCount(); ++i) {
        EXPECT_EQ(grid.GetCellTextByName(icon, std::to_string(i)), std::to_string(rows[i].icon)) << i;
        EXPECT_EQ(grid.GetCellTextByName(text, std::to_string(i)), rows[i].text) << i;
    }
}

// Every table of the standings against the game's: divisions in the kept order, state groups and
// continental groups as the matchday ranked them (each club's place of that kind).
void ExpectStandingsShowTheGame(TForm36& form)
{
    for (int league = 0; league < static_cast<int>(Leagues.size()); ++league) {
        if (Leagues.size() >= 2) {
            form.comboboxd1->SetItemIndex(league);
            form.comboboxd1->OnChange(form.comboboxd1);
        }
        for (int d = 1; d <= Leagues[league].divisionCount; ++d) {
            const TStandingTable& table = form.divisionTables[d - 1];
            for (int r = 0; r < DivisionRows(); ++r) {
                const int club = Leagues[league].finalOrder[d - 1][r];
                if (club < 0)
                    continue;
                EXPECT_EQ(table.rows[r].name->Caption(), " " + Clubs[club].name.str()) << league << "/" << d << "/" << r;
                EXPECT_EQ(table.rows[r].numbers[0]->Caption(), std::to_string(Clubs[club].Points[1]));
            }
        }
    }
    for (std::size_t item = 0; item < form.StateComboStates.size(); ++item) {
        form.combobox1->SetItemIndex(static_cast<int>(item));
        form.combobox1->OnChange(form.combobox1);
        const int state = form.StateComboStates[item];
        for (int g = 1; g <= std::min(StateChampionships[state].groupCount, 4); ++g) {
            const TStandingTable& table = form.stateTables[g - 1];
            for (int club : StateGroupClubs(state, g)) {
                if (club < 0)
                    continue;
                const int place = Clubs[club].Place[3];
                ASSERT_GE(place, 1);
                // Level clubs may stand either way round; their numbers are the same.
                EXPECT_EQ(table.rows[place - 1].numbers[0]->Caption(), std::to_string(Clubs[club].Points[3]));
            }
        }
    }
}

TEST_F(SeasonTurnScreensTest, ThreeSeasonsOnScreenEndAndStartAsTheHeadlessSeasons)
{
    NewGame();
    InstallCompetitionScreenHooks();
    TAnswerer answerer;
    int championsShown = 0;
    answerer.onStateChampions = [&championsShown](TForm66& form) {
        ++championsShown;
        EXPECT_EQ(form.gcamp->RowCount(), static_cast<int>(StateChampionRows.size()));
        EXPECT_EQ(form.Label1->Caption(), StateChampionsTitle());
    };
    for (int season = 0; season < kSeasons; ++season) {
        bool lookedAtStandings = false;
        PlayToSeasonEnd([&lookedAtStandings, season] {
            if (season == 0)
                KeepBoardsFaith();
            if (lookedAtStandings || Game.DayKind != 1)
                return;
            auto* standings = dynamic_cast<TForm36*>(CreateScreen("TForm36", Application));
            ASSERT_NE(standings, nullptr);
            standings->Show();
            ExpectStandingsShowTheGame(*standings);
            standings->Close();
            test::Pump();
            lookedAtStandings = true;
        });
        EXPECT_TRUE(lookedAtStandings);
        EXPECT_EQ(championsShown, season + 1);
        const TGameSnapshot seasonEnd;
        if (season == 0 && !firstSeasonEnd_)
            firstSeasonEnd_ = std::make_unique<TGameSnapshot>(seasonEnd);

        // On screen: the summary, answered by Enter.
        TForm26* summary = OpenSummary();
        ASSERT_NE(summary, nullptr);
        EXPECT_EQ(SummarySeason, season + 1);
        ExpectGridHolds(*summary->gridc, DivisionChampionRows(SummaryLeague, SummarySeason), "colimg1", "colinfo1");
        EXPECT_EQ(summary->gridi->Visible(), season > 0);
        if (season > 0)
            ExpectGridHolds(*summary->gridi, SeasonChampionRows(SummarySeason), "colimg1i", "colinfo1i");
        QTest::keyClick(summary->Widget(), Qt::Key_Return);
        const std::uint64_t onScreen = test::SeasonFingerprint();
        const int firstDay = Game.DayIndex;
        ASSERT_TRUE(test::PumpUntil([] { return LastOpenedScreen() != "TForm26"; }, 5000));
        for (int i = Screen->FormCount() - 1; i >= 0; --i)
            delete Screen->Forms(i);
        test::Pump();

        // Headless from the same season end: the same new season.
        seasonEnd.Restore();
        TurnToNewSeason();
        EXPECT_EQ(test::SeasonFingerprint(), onScreen) << "season " << season + 1;
        EXPECT_EQ(Game.DayIndex, firstDay);
    }
    EXPECT_EQ(Game.Season, kSeasons + 1);
}

TEST_F(SeasonTurnScreensTest, ContinuarStartsTheNewSeasonOnceAndCrestsJoinTheListOnce)
{
    RestoreFirstSeasonEnd();
    ASSERT_GT(Game.HumanClubCount, 0);
    TForm26* summary = OpenSummary();
    ASSERT_NE(summary, nullptr);
    ASSERT_GE(Leagues.size(), 2u);
    const int crests = summary->ImageList2->Count();
    const int first = summary->combopais->ItemIndex();
    const int other = first == 0 ? 1 : first - 1;
    test::PressKey(summary->combopais->Widget(), first == 0 ? Qt::Key_Down : Qt::Key_Up);
    test::Pump();
    EXPECT_EQ(SummaryLeague, other);
    ExpectGridHolds(*summary->gridc, DivisionChampionRows(other, SummarySeason), "colimg1", "colinfo1");
    const int withOther = summary->ImageList2->Count();
    EXPECT_GE(withOther, crests);
    test::PressKey(summary->combopais->Widget(), first == 0 ? Qt::Key_Up : Qt::Key_Down);
    test::PressKey(summary->combopais->Widget(), first == 0 ? Qt::Key_Down : Qt::Key_Up);
    test::Pump();
    EXPECT_EQ(summary->ImageList2->Count(), withOther);

    // The friendlies prompt is up while Enter and the instant-play timer press "Continuar" again.
    TAnswerer answerer;
    int prompts = 0;
    answerer.onDialog = [&prompts, summary](TGameForm& form) {
        if (form.FormClass() != "TForm85")
            return;
        ++prompts;
        test::PressKey(summary->Widget(), Qt::Key_Return);
        summary->Timer1->OnTimer(summary->Timer1);
    };
    const int season = Game.Season;
    OfferPreseasonFriendlies = OfferPreseasonFriendliesOnScreen;
    QTest::mouseClick(summary->bt3->Widget(), Qt::LeftButton);
    OfferPreseasonFriendlies = {};
    EXPECT_EQ(prompts, 1);
    EXPECT_EQ(Game.Season, season);
    ASSERT_TRUE(test::PumpUntil([] { return LastOpenedScreen() != "TForm26"; }, 5000));
    EXPECT_TRUE(LastOpenedScreen() == "TForm13" || LastOpenedScreen() == "TForm46");
}

TEST_F(SeasonTurnScreensTest, TheStateChampionsScreenListsTheFinalsAndContinuesOnce)
{
    NewGame();
    InstallCompetitionScreenHooks();
    TAnswerer answerer;
    int rows = -1;
    answerer.onStateChampions = [&rows](TForm66& form) {
        rows = form.gcamp->RowCount();
        ASSERT_GT(rows, 0);
        const StateChampionRow& first = StateChampionRows.front();
        EXPECT_EQ(form.gcamp->GetCellTextByName("colclube2", "0"), first.stateCode);
        EXPECT_EQ(form.gcamp->GetCellTextByName("colnacional2", "0"), first.champion);
        EXPECT_EQ(form.gcamp->GetCellTextByName("colestadual2", "0"), first.runnerUp);
        EXPECT_EQ(form.Label3->Caption(), StateChampionshipPrizesText());
        // Enter and the instant-play timer both: it closes once.
        form.Continue();
        form.Timer1->OnTimer(form.Timer1);
    };
    while (rows < 0 && PlayDayToNextScreen() != CalendarExit::SeasonEnd) {
    }
    EXPECT_EQ(rows, static_cast<int>(StateChampionRows.size()));
}

TEST_F(SeasonTurnScreensTest, TheStandingsStatePageAndItsChooser)
{
    NewGame();
    for (int day = 0; day < 3; ++day)
        PlayDayToNextScreen();
    auto* form = dynamic_cast<TForm36*>(CreateScreen("TForm36", Application));
    ASSERT_NE(form, nullptr);
    form->Show();
    test::Pump();
    EXPECT_EQ(form->ShownState, FirstShownState());
    ASSERT_TRUE(form->pageButtons[3]->Visible());
    QTest::mouseClick(form->pageButtons[3]->Widget(), Qt::LeftButton);
    EXPECT_EQ(form->ShownStandingsTab, 3);
    EXPECT_TRUE(form->combobox1->Visible());
    EXPECT_FALSE(form->divisionTables[0].Visible());
    auto expectGroups = [form] {
        const int groups = std::min(StateChampionships[form->ShownState].groupCount, 4);
        for (int g = 1; g <= 4; ++g) {
            EXPECT_EQ(form->stateTables[g - 1].Visible(), g <= groups) << g;
            if (g <= groups)
                ExpectTableShows(form->stateTables[g - 1], RankedTableRows(StateGroupClubs(form->ShownState, g), 3));
        }
        EXPECT_EQ(form->titles[3]->Caption(), StateStandingsTitle(form->ShownState));
    };
    expectGroups();
    const int before = form->ShownState;
    test::PressKey(form->combobox1->Widget(), Qt::Key_Down);
    test::Pump();
    if (form->StateComboStates.size() >= 2 && form->StateComboStates.front() == before) {
        EXPECT_NE(form->ShownState, before);
    }
    expectGroups();
    QTest::mouseClick(form->Button1->Widget(), Qt::LeftButton);
    test::Pump();
    EXPECT_EQ(Screen->FormCount(), 0);
}

}  // namespace
}  // namespace tarvelon
