// The list colours (TForm64), opened from the options by a click on their picture: the colours are
// chosen, reset and shown, each written to "tarvelon.ini" (no hub is open: the screen must not need
// one); and with a hub open, the colours chosen paint the hub's rows once the options close.
#include <gtest/gtest.h>

#include <QTest>

#include <fstream>
#include <string>

#include "controls/grad_button.h"
#include "core/club_rosters.h"
#include "core/economy/player_fines.h"
#include "core/mail/inbox.h"
#include "core/mail/mail.h"
#include "core/mail/mail_texts.h"
#include "core/newgame/new_game_setup.h"
#include "core/records/game_state.h"
#include "core/settings/game_options.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/graphics/color.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/dialogs.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "richtext/html_label.h"
#include "screens/club/hub_screen.h"
#include "screens/club/list_colours_screen.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/common/tick_list.h"
#include "screens/start/options_screen.h"
#include "tests/controls/shown_text.h"
#include "tests/screens/club/club_dialogs_fixture.h"
#include "tests/screens/start/options_suite.h"
#include "tests/platform/modal_driver.h"

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
    test::Answer<TForm64>([this, &driven](TForm64& shown) {
        auto* colours = &shown;
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
        QTest::keyClick(colours->Widget(), Qt::Key_Escape);  // the screen handles no keys: "Fechar" closes it
        EXPECT_EQ(colours->ModalResult(), mrNone);
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

class ListColoursOnTheHubTest : public test::ClubDialogsTest {};

// The colour a roster row of the open hub is painted with, just inside its first cell.
QRgb HubRowColour(TDataGrid& grid, int row)
{
    test::Pump();
    const QImage picture = grid.Widget()->grab().toImage();
    const int edge = grid.EdgeWidth();  // the window's picture has the frame around the client area
    return picture.pixel(edge + 1, edge + grid.RowTop(row) + grid.GetRowHeight(row) / 2) & 0xFFFFFF;
}

TEST_F(ListColoursOnTheHubTest, TheListColoursChosenPaintTheHubsRowsOnClosing)
{
    TDataGrid& grid = *hub_->gridview1;
    ClickRow(grid, 0);
    const int row = 1;  // not the selected one, which is drawn in the club's colours
    const int player = std::atoi(grid.GetCellTextByName("id", row).c_str());
    ASSERT_GT(player, 0);
    const int position = Players[player].Position;
    const QRgb alternate = HubRowColour(grid, row);
    // "Usar cores na lista de jogadores" ticked: the hub's rows take the colours at once.
    ASSERT_TRUE(Drive<TForm32>("TForm32", [&](TForm32& options) {
        ASSERT_FALSE(options.ckcor->Checked());
        test::ClickBox(options.ckcor);
        Click(options.GradButton2);  // "Fechar"
    }));
    ASSERT_EQ(Game.colouredPlayerLists, 1);
    EXPECT_EQ(HubRowColour(grid, row), ToQColor(Game.listColours[position]).rgb() & 0xFFFFFF);
    EXPECT_NE(HubRowColour(grid, row), alternate);
    const TColor chosen = 0x0000C000;
    ASSERT_NE(Game.listColours[position], chosen);
    SetColorDialogAnswerer([&](TColor) -> std::optional<TColor> { return chosen; });
    ClickRow(grid, 3);  // another row selected: closing fills the roster anew, on its first row
    ASSERT_EQ(grid.SelectedRow(), 3);
    ASSERT_TRUE(Drive<TForm64>("TForm64", [&](TForm64& colours) {
        ClickGraphic(colours, *colours.shapes[static_cast<std::size_t>(position)]);
        Click(colours.GradButton1);  // "Fechar"
    }));
    SetColorDialogAnswerer({});
    EXPECT_EQ(Game.listColours[position], chosen);
    EXPECT_EQ(HubRowColour(grid, row), 0x00C000u);
    EXPECT_EQ(grid.SelectedRow(), 0);
    EXPECT_EQ(grid.GetCellTextByName("id", row), std::to_string(player));
    EXPECT_NE(test::ShownText(*hub_->lb_infojogn).find(Players[std::atoi(grid.GetCellTextByName("id", 0).c_str())].Name.str()),
              std::string::npos);
}

}  // namespace
}  // namespace tarvelon
