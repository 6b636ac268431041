#pragma once
// The suite of the new game's screens: the title screen opened on the small fictional database,
// the mode chooser opened from it by a click on "Novo Jogo", names typed key by key, and one seeded
// start shared by the game the screens build and the headless new game it is compared with.
#include <gtest/gtest.h>

#include <QTest>

#include <cstdint>

#include "core/basics/random.h"
#include "core/hooks.h"
#include "platform/stdctrls/edits.h"
#include "screens/start/game_mode_chooser.h"
#include "screens/start/title_screen.h"
#include "tests/screens/game_folder_fixture.h"

namespace tarvelon::test {

class NewGameSuite : public GameFolderScreensTest {
protected:
    static constexpr std::uint64_t kSeed = 11;

    void SetUp() override
    {
        GameFolderScreensTest::SetUp();
        title_ = CreateTitleScreen();
        title_->Show();
        test::Pump();
    }

    static void Type(TEdit* edit, const QString& text)
    {
        QTest::keyClicks(edit->Widget(), text);
        test::Pump();
    }

    TForm9* OpenChooser()
    {
        ClickAt(title_->Widget(), QPoint(51, 154));  // "Novo Jogo"
        return Open<TForm9>("TForm9");
    }

    // A seeded start for what follows, the same for the screens and the headless game.
    static void Reseed()
    {
        RandSeed = 12345;
        InstallDeterministicClock(kSeed);
    }

    TForm1* title_ = nullptr;
};

}  // namespace tarvelon::test
