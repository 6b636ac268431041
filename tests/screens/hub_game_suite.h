#pragma once
// The test suites played on the hub's two-coach game: the game is prepared once per program, the
// club screens answer the rules' questions, and every form is closed after each test.
#include <gtest/gtest.h>

#include <string>

#include "screens/club/club_screens.h"
#include "tests/screens/hub_driving.h"
#include "tests/screens/hub_game.h"

namespace tarvelon::test {

class HubGameSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        std::string message;
        ready_ = HubGame::Prepare(message);
        ASSERT_TRUE(ready_) << message;
        InstallClubScreenHooks();
    }
    static void TearDownTestSuite() { HubGame::Leave(); }
    void TearDown() override { CloseEveryForm(); }

    static inline bool ready_ = false;
};

}  // namespace tarvelon::test
