#pragma once
// The fixture of the screen tests that start from the title or a game of their own: the small
// fictional database in a game folder of the test, the rules started with a seed, messages and
// questions answered by the test, and real mouse clicks on the controls.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/startup.h"
#include "core/hooks.h"
#include "core/services/rule_services.h"
#include "core/settings/settings.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/message_box.h"
#include "screens/screens_registration.h"
#include "tests/core/newgame_database.h"
#include "tests/platform/forms_test_support.h"
#include "tests/screens/player_clicks.h"

namespace tarvelon::test {

class GameFolderScreensTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        StartApplication();
        RegisterGameScreens();
    }

    void SetUp() override
    {
        folder_ = std::make_unique<testdb::GameFolder>();
        testdb::WriteDatabase(folder_->path(), testdb::SmallWorld());
        SetProgramFolder(folder_->path());
        StartRules(RulesStart{seed_});
        Hooks().showMessage = [this](const std::string& text) { messages_.push_back(text); };
        SetMessageBoxAnswerer([this](const TMessageBoxRequest& request) {
            questions_.push_back(request.text);
            return answer_;
        });
    }

    void TearDown() override
    {
        for (int i = Screen->FormCount() - 1; i >= 0; --i)
            delete Screen->Forms(i);
        Pump();
        SetMessageBoxAnswerer({});
        Hooks().screenWidth = [] { return 800; };  // the design screen again for the next test
        Hooks().screenHeight = [] { return 600; };
        folder_.reset();
    }

    // The visible form of a class, the last opened first; null when none.
    template <typename T = TForm>
    static T* Open(const std::string& formClass)
    {
        for (int i = Screen->FormCount() - 1; i >= 0; --i)
            if (Screen->Forms(i)->ClassName() == formClass && Screen->Forms(i)->Visible())
                return dynamic_cast<T*>(Screen->Forms(i));
        return nullptr;
    }
    static bool IsOpen(const std::string& formClass) { return Open(formClass) != nullptr; }

    static void ClickAt(QWidget* widget, QPoint at) { test::ClickAt(widget, at); }
    static void Click(TWinControl* control) { test::Click(control); }
    static void ClickBox(TWinControl* control) { test::ClickBox(control); }  // a check box's or radio button's

    // The arrow key moves a closed list to its next entry, as the player does it.
    static void NextEntry(TWinControl* list, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            PressKey(list->Widget(), Qt::Key_Down);
        Pump();
    }

    std::uint64_t seed_ = 11;
    std::unique_ptr<testdb::GameFolder> folder_;
    std::vector<std::string> messages_;
    std::vector<std::string> questions_;
    TModalResult answer_ = mrYes;
};

}  // namespace tarvelon::test
