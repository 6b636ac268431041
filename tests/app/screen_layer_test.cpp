// The screens layer behind the program's seam: the opening's first screen comes from a queued call,
// and --open finds registered forms only.
#include <gtest/gtest.h>

#include "app/screen_layer.h"
#include "app/screen_seam.h"
#include "platform/forms/screen.h"
#include "screens/common/form_references.h"
#include "screens/common/game_form.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon {
namespace {

TEST(ScreenLayerTest, TheOpeningsFirstScreenOpensAfterTheCurrentEvent)
{
    InstallScreenLayer();
    ASSERT_TRUE(ScreenLayer().showFirstScreen);
    GameOpening opening;
    opening.from = GameOpening::From::SavedGame;
    opening.loadOutcome = LoadOutcome::kOpenNationalHub;
    ScreenLayer().showFirstScreen(opening);
    EXPECT_FALSE(Form75);  // not from inside the caller
    test::Pump();
    ASSERT_TRUE(Form75);
    EXPECT_TRUE(Form75->Visible());
    Form75->Close();
    test::Pump();
    EXPECT_FALSE(Form75);
}

TEST(ScreenLayerTest, OpenFindsOnlyRegisteredForms)
{
    InstallScreenLayer();
    EXPECT_FALSE(ScreenLayer().openFormByName("TForm99"));
    EXPECT_TRUE(ScreenLayer().openFormByName("TForm13"));
    test::Pump();
    ASSERT_TRUE(Form13);
    Form13->Close();
    test::Pump();
}

}  // namespace
}  // namespace tarvelon
