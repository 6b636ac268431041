// The list colours (TForm64), opened from the options by a click on their picture: the colours are
// chosen, reset and shown, each written to "tarvelon.ini". No hub is open: the screen must not need
// one.
#include <gtest/gtest.h>

#include <QTimer>

#include <fstream>
#include <string>

#include "controls/grad_button.h"
#include "core/newgame/new_game_setup.h"
#include "core/records/game_state.h"
#include "core/settings/game_options.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/dialogs.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/club/list_colours_screen.h"
#include "screens/common/screen_registry.h"
#include "screens/common/tick_list.h"
#include "screens/start/options_screen.h"
#include "tests/screens/start/options_suite.h"

namespace tarvelon {
namespace {

class ListColoursScreenTest : public test::OptionsSuite {};

TEST_F(ListColoursScreenTest, TheColoursAreChosenResetAndShown)
{
    TForm32* options = OpenOptions();
    std::vector<TColor> offered;
    SetColorDialogAnswerer([&offered](TColor initial) -> std::optional<TColor> {
        offered.push_back(initial);
        return offered.size() == 1 ? std::optional<TColor>(0x0000C000) : std::nullopt;
    });
    bool driven = false;
    QTimer::singleShot(50, [this, &driven] {
        auto* colours = Open<TForm64>("TForm64");
        ASSERT_NE(colours, nullptr);
        EXPECT_TRUE(colours->Modal());
        ClickGraphic(*colours, *colours->shapes[2]);  // the centre backs: a green is chosen
        EXPECT_EQ(Game.listColours[2], 0x0000C000);
        EXPECT_EQ(ReadSetting("opcoes", "cor2"), "$0000C000");
        const QImage picture = colours->Widget()->grab().toImage();
        const TShape& shape = *colours->shapes[2];
        EXPECT_EQ(picture.pixel(shape.Left() + 10, shape.Top() + 10) & 0xFFFFFF, 0x00C000u);
        ClickGraphic(*colours, *colours->shapes[0]);  // the chooser is cancelled: nothing changes
        EXPECT_EQ(ReadSetting("opcoes", "cor0"), "nofound");
        Click(colours->GradButton2);  // "Cores Padrão"
        EXPECT_EQ(ReadSetting("opcoes", "cor2"), "$0081C0C0");
        EXPECT_EQ(Game.listColours[4], DefaultListColors[4]);
        Click(colours->GradButton1);
        driven = true;
    });
    ClickGraphic(*options, *options->Image1);
    SetColorDialogAnswerer({});
    EXPECT_TRUE(driven);
    ASSERT_EQ(offered.size(), 2u);
    // The chooser opens on the shape's colour: a file without colours gave each position its shade.
    EXPECT_EQ(offered[0], DefaultListColors[2]);
    EXPECT_EQ(offered[1], DefaultListColors[0]);
    EXPECT_FALSE(IsOpen("TForm64"));
    EXPECT_TRUE(IsOpen("TForm32"));
}

}  // namespace
}  // namespace tarvelon
