// The mode chooser of a new game (TForm9) by real clicks and keys: it asks for a league, couples the
// continental cups, leaves the leagues alone in the custom mode, and going back to the title starts
// the next choice again from empty.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/startup.h"
#include "controls/grad_button.h"
#include "core/basics/random.h"
#include "core/draws/club_catalogue.h"
#include "core/hooks.h"
#include "core/newgame/builder_tables.h"
#include "core/newgame/new_game_setup.h"
#include "core/persist/saved_game_image.h"
#include "core/records/game_state.h"
#include "core/services/rule_services.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/ranges.h"
#include "screens/common/game_form.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/tick_list.h"
#include "screens/screens_registration.h"
#include "screens/start/game_mode_chooser.h"
#include "tests/screens/start/new_game_suite.h"

namespace tarvelon {
namespace {

class GameModeChooserTest : public test::NewGameSuite {};

TEST_F(GameModeChooserTest, TheChooserAsksForALeagueCouplesTheCupsAndStartsAgainFromEmpty)
{
    TForm9* chooser = OpenChooser();
    ASSERT_NE(chooser, nullptr);
    const std::size_t listed = CustomChampionshipClubs.size();
    std::vector<TCursor> cursors;
    Hooks().showMessage = [this, &cursors](const std::string& text) {
        messages_.push_back(text);
        cursors.push_back(Screen->Cursor());
    };
    Click(chooser->GradButton2);
    EXPECT_EQ(messages_, std::vector<std::string>{"Selecione pelo menos uma liga"});
    EXPECT_EQ(cursors, std::vector<TCursor>{crDefault});  // told before the hourglass
    Hooks().showMessage = [this](const std::string& text) { messages_.push_back(text); };
    EXPECT_TRUE(IsOpen("TForm9"));

    ClickBox(chooser->ckinter1);  // no first continental cup, no second either
    EXPECT_FALSE(chooser->ckinter1->Checked());
    EXPECT_FALSE(chooser->ckinter2->Checked());
    ClickBox(chooser->ckinter2);  // the second brings the first back
    EXPECT_TRUE(chooser->ckinter1->Checked());
    EXPECT_TRUE(chooser->ckinter2->Checked());

    ClickBox(chooser->rd2);  // the custom mode leaves the leagues alone
    EXPECT_FALSE(chooser->list1->Enabled());
    EXPECT_FALSE(chooser->ckcopa->Enabled());
    EXPECT_FALSE(chooser->combo1->Enabled());
    EXPECT_FALSE(chooser->ComboBox1->Enabled());
    // The league list, its hidden twin, the format and the competitions go grey; "Sel. todas" and the
    // number of coaches stay as they are.
    EXPECT_TRUE(chooser->GradButton3->Enabled());
    EXPECT_TRUE(chooser->ComboBox2->Enabled());
    Click(chooser->GradButton3);
    EXPECT_EQ(chooser->Countries().TickedRows(), chooser->Countries().RowCount());
    ClickBox(chooser->rd1);
    EXPECT_TRUE(chooser->list1->Enabled());
    EXPECT_EQ(chooser->Countries().TickedRows(), chooser->Countries().RowCount());

    Click(chooser->GradButton1);  // "<< Voltar ao início"
    test::Pump();
    EXPECT_FALSE(IsOpen("TForm9"));
    EXPECT_TRUE(title_->Visible());
    EXPECT_TRUE(CustomChampionshipClubs.empty());

    TForm9* again = OpenChooser();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(CustomChampionshipClubs.size(), listed);  // each club file once
    EXPECT_EQ(again->Countries().TickedRows(), 0);
}

// The chooser shows its own colour where no control stands, not the title's background picture.
TEST_F(GameModeChooserTest, TheChooserPaintsNoBackgroundPictureOfItsOwn)
{
    std::filesystem::create_directories("img");
    QImage red(32, 32, QImage::Format_RGB32);
    red.fill(QColor(220, 0, 0));
    ASSERT_TRUE(red.save("img/f01.jpg", "JPG"));
    ASSERT_TRUE(LoadBackgroundBitmap());
    TForm9* chooser = OpenChooser();
    ASSERT_NE(chooser, nullptr);
    test::Pump();
    const QImage shown = chooser->Widget()->grab().toImage();
    const auto own = static_cast<unsigned>(chooser->Color());
    const QColor colour(own & 0xFF, (own >> 8) & 0xFF, (own >> 16) & 0xFF);
    for (const QPoint at : {QPoint(5, 300), QPoint(330, 520)})
        EXPECT_EQ(shown.pixelColor(at), colour) << at.x() << "," << at.y();
    std::filesystem::remove("img/f01.jpg");
    LoadBackgroundBitmap();
}

}  // namespace
}  // namespace tarvelon
