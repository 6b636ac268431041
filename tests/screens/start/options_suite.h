#pragma once
// The suite of the options screen and the list colours opened from it: a new game of its own with
// a settings file holding keys of other sections, no hub open (the screens must not need one), the
// options opened as the hub's menu opens them, and graphic controls clicked where they stand.
#include <gtest/gtest.h>

#include <fstream>

#include "core/newgame/new_game_setup.h"
#include "core/records/game_state.h"
#include "platform/forms/application.h"
#include "screens/common/screen_registry.h"
#include "screens/start/options_screen.h"
#include "tests/screens/game_folder_fixture.h"

namespace tarvelon::test {

class OptionsSuite : public GameFolderScreensTest {
protected:
    void SetUp() override
    {
        GameFolderScreensTest::SetUp();
        std::ofstream(folder_->path() / "tarvelon.ini") << "[janela]\nx=10\n[opcoes]\nescolha=7\n";
        NewGameChoices choices;
        choices.countries = {29, 11};
        choices.humanCoaches = {{"Ana", "c29_0.tcf"}};
        ASSERT_NE(StartNewGame(choices), FirstScreen::None);
        Game.saveName.clear();
    }

    static TForm32* OpenOptions()
    {
        auto* options = dynamic_cast<TForm32*>(CreateScreen("TForm32", Application));
        options->Show();
        test::Pump();
        return options;
    }

    // A graphic control (shape, image) is clicked on its form's window.
    static void ClickGraphic(TForm& form, TControl& control)
    {
        ClickAt(form.Widget(), QPoint(control.Left() + control.Width() / 2, control.Top() + control.Height() / 2));
    }
};

}  // namespace tarvelon::test
