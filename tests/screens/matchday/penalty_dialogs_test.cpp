// The penalty dialogs (TForm34, TForm54), the match engine's questions to the human coach answered
// with the mouse: the penalty for him (he picks the taker and kicks) and the penalty against him
// (narrated by itself).
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "controls/grad_button.h"
#include "core/basics/random.h"
#include "core/hooks.h"
#include "core/lineup/lineup_board.h"
#include "core/match/computer_lineups.h"
#include "core/match/injury_choice.h"
#include "core/match/lineup_access.h"
#include "core/match/match_flags.h"
#include "core/match/penalty_kick.h"
#include "core/matchday_rules/matchday_state.h"
#include "core/matchday_rules/shootout.h"
#include "core/records/game_state.h"
#include "core/records/match_records.h"
#include "core/vocab/tactics_board.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "platform/graphics/geometry.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/list_view.h"
#include "platform/stdctrls/lists.h"
#include "richtext/html_label.h"
#include "screens/common/form_references.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/matchday/matchday_screens.h"
#include "screens/matchday/penalty_dialogs.h"
#include "screens/matchday/pitch_board.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/board_drags.h"
#include "tests/screens/matchday/match_dialogs_suite.h"
#include "tests/screens/quick_clock.h"
#include "tests/platform/modal_driver.h"
#include "tools/gallery/gallery_game.h"

namespace tarvelon {
namespace {

class PenaltyDialogsTest : public test::MatchDialogsSuite {};

TEST_F(PenaltyDialogsTest, AHumanPenaltyIsKickedByTheTakerHeChose)
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
    test::Answer<TForm34>([&](TForm34& shown) {
        TForm34* dialog = &shown;
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

TEST_F(PenaltyDialogsTest, APenaltyAgainstHimIsNarratedByItself)
{
    const int taker = PenaltyTakerOf(other_);
    ASSERT_GT(taker, 0);
    PenaltyClubA = other_;
    PenaltyClubB = human_;
    const PenaltyDialogAnswer answer = Hooks().penaltyDialog(other_, human_, false);
    EXPECT_EQ(answer.taker, taker);
    EXPECT_TRUE(answer.outcome == 1 || answer.outcome == 2);
}

// The draws of a penalty, in the dialogs' order: the taker's words, the run-up, the kick against the
// chance of scoring, then the outcome's words; nothing else draws.
struct PenaltyDraws {
    int words;
    int runUp;
    bool scored;
    int outcomeWords;
    std::uint32_t seedAfter;
};

PenaltyDraws PredictPenalty(std::uint32_t seed, int wordCount, int outcomeCount, int chance)
{
    const std::uint32_t saved = RandSeed;
    RandSeed = seed;
    PenaltyDraws draws{};
    draws.words = Random(wordCount);
    draws.runUp = Random(4);
    draws.scored = !(chance < Random(100) + 1);
    draws.outcomeWords = Random(outcomeCount);
    draws.seedAfter = RandSeed;
    RandSeed = saved;
    return draws;
}

TEST_F(PenaltyDialogsTest, EachDialogDrawsItsWordsAndTheKickInTheGamesOrder)
{
    static const char* const kTakerWords[] = {" coloca a bola na marca.", " prepara para bater.", " ajeita com carinho.",
                                              " se concentra para chutar.",
                                              " parece um pouco nervoso,<br> mas mesmo assim vai bater."};
    const int keeper = PenaltyGoalkeeper(other_);
    for (const std::uint32_t seed : {11u, 4242u, 90001u}) {
        int chosen = -1;
        std::string narration;
        test::Answer<TForm34>([&](TForm34& shown) {
            TForm34* dialog = &shown;
            ASSERT_GT(dialog->ListView1->Items().Count(), 2);
            ClickRow(dialog->ListView1, 2);
            chosen = std::stoi(dialog->ListView1->Items()[2]->SubItems()[3]);
            RandSeed = seed;
            QTest::mouseClick(dialog->bt1->Widget(), Qt::LeftButton);
            for (const std::string& line : dialog->info1->HTMLText())
                narration += line;
        });
        const PenaltyDialogAnswer answer = Hooks().penaltyDialog(human_, other_, true);
        ASSERT_GT(chosen, 0);
        const PenaltyDraws draws = PredictPenalty(seed, 5, 11, PenaltyScoringChance(chosen, keeper));
        EXPECT_EQ(narration, "<SHAD><B><FONT color=\"#FFFFFF\"><P align=\"center\">" + Players[chosen].Name.str()
                                 + kTakerWords[draws.words] + "</P></FONT></B></SHAD>");
        EXPECT_EQ(answer.outcome, draws.scored ? 1 : 2) << seed;
        EXPECT_EQ(RandSeed, draws.seedAfter) << "four draws for the human side's kick";
    }
    const int taker = PenaltyTakerOf(other_);
    const int humanKeeper = PenaltyGoalkeeper(human_);
    for (const std::uint32_t seed : {7u, 31337u}) {
        RandSeed = seed;
        const PenaltyDialogAnswer answer = Hooks().penaltyDialog(other_, human_, false);
        const PenaltyDraws draws = PredictPenalty(seed, 5, 6, PenaltyScoringChance(taker, humanKeeper));
        EXPECT_EQ(answer.taker, taker);
        EXPECT_EQ(answer.outcome, draws.scored ? 1 : 2) << seed;
        EXPECT_EQ(RandSeed, draws.seedAfter) << "four draws for the kick against him";
    }
}

}  // namespace
}  // namespace tarvelon
