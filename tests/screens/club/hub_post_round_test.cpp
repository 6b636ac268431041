// The round's hub work played headless is the hub's own: a season of a small seeded game with one
// human club, once with every hub passed headless (the routine with its automatic answers, as
// tarvelon-sim plays it) and once with every hub opened on screen, its questions answered on their
// modal screens with the same answers ("Não" to offers and loan requests, the death notice closed,
// the invitations closed without a team), books the same tables and leaves the random generator in
// the same place. The days themselves are played headless on both sides, the line-ups left to the
// assistant, so that the hub is the only difference.
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "controls/grad_button.h"
#include "core/basics/random.h"
#include "core/club_rosters.h"
#include "core/economy/player_actions.h"
#include "core/draws/club_catalogue.h"
#include "core/hooks.h"
#include "core/lineup/hub_turns.h"
#include "core/newgame/command_line_choices.h"
#include "core/newgame/new_game_setup.h"
#include "core/records/game_state.h"
#include "core/season/competitions.h"
#include "core/seasonloop/season_loop.h"
#include "core/services/rule_services.h"
#include "core/tables.h"
#include "platform/forms/screen.h"
#include "screens/club/hub_screen.h"
#include "screens/club/incoming_offers.h"
#include "screens/club/squad_dialogs.h"
#include "screens/common/game_flow.h"
#include "screens/common/navigator.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/hub_game.h"
#include "tests/screens/player_clicks.h"
#include "tests/screens/quick_clock.h"
#include "tests/screens/tables_fingerprint.h"

namespace tarvelon {
namespace {

constexpr std::uint64_t kSeed = 4741;

// Answers the round's questions on their screens as the headless hub answers them, and counts them.
class PostRoundAnswerer {
public:
    PostRoundAnswerer()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerShown(); });
        timer_.start(5);
    }
    const std::map<std::string, int>& Asked() const { return asked_; }

private:
    void AnswerShown()
    {
        for (int i = Screen->FormCount() - 1; i >= 0; --i) {
            auto* form = dynamic_cast<TGameForm*>(Screen->Forms(i));
            if (form == nullptr || !form->Visible() || form->Tag() == kAnswered)
                continue;
            const std::string formClass = form->FormClass();
            if (formClass != "TForm68" && formClass != "TForm59" && formClass != "TForm72" && formClass != "TForm76")
                continue;
            form->SetTag(kAnswered);
            ++asked_[formClass];
            if (auto* offer = dynamic_cast<TOfferDialog*>(form))
                test::Click(offer->GradButton1);  // "Não"
            else if (auto* notice = dynamic_cast<TForm72*>(form))
                test::Click(notice->bt3);
            else
                form->Close();  // the invitations have no "no": the dialog is left without a team
            return;
        }
    }
    QTimer timer_;
    std::map<std::string, int> asked_;
    static constexpr int kAnswered = 68;
};

bool AnyHumanClubPlaysToday()
{
    for (int slot = 0; slot < Game.HumanClubCount && slot < 6; ++slot)
        if (ClubPlaysToday(Game.DayKind, Game.HumanClubs[slot]))
            return true;
    return false;
}

class PostRoundThroughHub : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::string message;
        ready_ = test::HubGame::Prepare(message);
        ASSERT_TRUE(ready_) << message;
        humanClubFile_ = TopBrazilianClubFile();
    }
    static void TearDownTestSuite() { test::HubGame::Leave(); }
    void SetUp() override { ASSERT_TRUE(ready_); }
    void TearDown() override
    {
        test::CloseEveryForm();
        Hooks() = saved_;
    }

    static NewGameCommandLine Choices()
    {
        NewGameCommandLine line;
        line.leagues = {29};
        line.divisionSize = 10;
        return line;
    }

    // The club file of the first club of Brazil's first division in a game of the test's choices.
    static std::string TopBrazilianClubFile()
    {
        StartRules({kSeed});
        BeginNewGameSetup();
        ListNewGameClubFiles();
        if (!SetUpNewGameBeforeCoaches(ChoicesFromCommandLine(Choices())))
            return {};
        const TLeague& brazil = Leagues[static_cast<std::size_t>(FindLeagueByCountry(29))];
        return ClubFileNames[static_cast<std::size_t>(brazil.divisions[0][0])];
    }

    // The same new game each time, as tarvelon-sim starts it with a human club.
    static void StartGame()
    {
        StartRules({kSeed});
        NewGameCommandLine line = Choices();
        line.humanClubFiles = {humanClubFile_};
        std::string message;
        const FirstScreen first = StartCommandLineGame(line, message);
        ASSERT_NE(first, FirstScreen::None) << message;
        ASSERT_EQ(Game.HumanClubCount, 1);
        Game.autosave = 0;
        AfterGameStarted(first);
        // A squad that brings every kind of question: a player offered for loan, one old enough to die.
        const std::vector<int> squad = PlayersOfClub(Game.HumanClubs[0]);
        ASSERT_GE(squad.size(), 16u);
        ASSERT_TRUE(OfferPlayerForLoan(squad[5]));
        Players[static_cast<std::size_t>(squad[9])].Age = 61;
    }

    struct SeasonBooked {
        std::map<std::string, std::uint64_t> tables;
        std::uint32_t randSeed = 0;
    };

    static SeasonBooked PlaySeason(const SeasonWatch& watch)
    {
        PlaySeasonDays(watch);
        return {test::TableFingerprints(), RandSeed};
    }

    static inline bool ready_ = false;
    static inline std::string humanClubFile_;
    CoreHooks saved_ = Hooks();
};

TEST_F(PostRoundThroughHub, TheSeasonWithTheHubOnScreenIsTheHeadlessSeason)
{
    ASSERT_FALSE(humanClubFile_.empty());
    ASSERT_NO_FATAL_FAILURE(StartGame());
    const SeasonBooked headless = PlaySeason({});

    ASSERT_NO_FATAL_FAILURE(StartGame());
    const test::QuickClock quickTicks{test::kShortWaits};  // the hub's half second before its questions
    PostRoundAnswerer answerer;
    int hubsOnScreen = 0;
    int hubsKickingOffAtOnce = 0;
    SeasonWatch onScreen;
    onScreen.atClubHub = [&] {
        // A hub nobody plays on kicks off by itself before it asks anything; the headless routine
        // stands for those few.
        if (!AnyHumanClubPlaysToday()) {
            ++hubsKickingOffAtOnce;
            PassHubAutomatically();
            return;
        }
        OpenScreen("TForm13");
        ASSERT_TRUE(test::PumpUntil([] { return test::OpenHub() != nullptr; }));
        TForm13* hub = test::OpenHub();
        // The questions are over once the hub has run them (each modal screen answered inside).
        ASSERT_TRUE(test::PumpUntil([] { return !PostRoundPending; }, 10000)) << "day " << Game.DayIndex;
        ++hubsOnScreen;
        hub->Close();
        ASSERT_TRUE(test::PumpUntil([] { return test::OpenHub() == nullptr; }));
    };
    const SeasonBooked throughHub = PlaySeason(onScreen);

    EXPECT_GE(hubsOnScreen, 30);
    // The season asked the coach each kind of question on screen: an offer, a loan request, a death,
    // the World Cup's invitation.
    EXPECT_GT(answerer.Asked().count("TForm68"), 0u);
    EXPECT_GT(answerer.Asked().count("TForm59"), 0u);
    EXPECT_GT(answerer.Asked().count("TForm72"), 0u);
    EXPECT_GT(answerer.Asked().count("TForm76"), 0u);
    EXPECT_LE(hubsKickingOffAtOnce, 2);
    EXPECT_EQ(throughHub.tables, headless.tables);
    EXPECT_EQ(throughHub.randSeed, headless.randSeed);
    std::printf("hubs on screen: %d, kicking off at once: %d, questions:", hubsOnScreen, hubsKickingOffAtOnce);
    for (const auto& [formClass, count] : answerer.Asked())
        std::printf(" %s %d", formClass.c_str(), count);
    std::printf("\n");
}

}  // namespace
}  // namespace tarvelon
