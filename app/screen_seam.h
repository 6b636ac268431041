#pragma once
// Where the program hands over to the screens layer. The screens layer (its navigator and form
// registry) fills these at start-up; while they are empty the program has no window to show and
// says so. The program itself never names a form class.
#include <functional>
#include <string>

#include "core/newgame/start_game.h"
#include "core/persist/saved_game.h"

namespace tarvelon {

// How the game the program opens on came to be.
struct GameOpening {
    enum class From {
        Title,     // no game yet: the title screen
        NewGame,   // a new game built from the command line: firstScreen says what opens
        SavedGame  // a saved game loaded: loadOutcome says what opens (kOpenHub, kOpenNationalHub)
    };
    From from = From::Title;
    FirstScreen firstScreen = FirstScreen::None;
    LoadOutcome loadOutcome = LoadOutcome::kNothing;
};

struct ScreenSeam {
    // Shows the first screen of the opening (queued for the event loop); the program then runs its
    // event loop until the last form is gone.
    std::function<void(const GameOpening& opening)> showFirstScreen;
    // Opens the registered form of that class ("TForm13") on the game in memory, with its sensible
    // subject, in place of the first screen; false when no form of that class is registered.
    std::function<bool(const std::string& formClass)> openFormByName;
};

// The one seam of the program.
ScreenSeam& ScreenLayer();

}  // namespace tarvelon
