#include "screens/competitions/competition_screens.h"

#include "screens/common/screen_registry.h"
#include "screens/competitions/coach_setup_lists.h"
#include "screens/competitions/coach_setup_radios.h"
#include "screens/competitions/custom_championship.h"
#include "screens/competitions/game_mode_chooser.h"
#include "screens/competitions/load_game_screen.h"
#include "screens/competitions/new_game_builder.h"
#include "screens/competitions/title_screen.h"

namespace tarvelon {

void RegisterCompetitionScreens()
{
    RegisterBuiltScreen<TForm1>("TForm1", "screens/competitions/title_screen.cpp");
    RegisterBuiltScreen<TForm9>("TForm9", "screens/competitions/game_mode_chooser.cpp");
    RegisterBuiltScreen<TForm11>("TForm11", "screens/competitions/coach_setup_radios.cpp");
    RegisterBuiltScreen<TForm12>("TForm12", "screens/competitions/new_game_builder.cpp");
    RegisterBuiltScreen<TForm21>("TForm21", "screens/competitions/load_game_screen.cpp");
    RegisterBuiltScreen<TForm39>("TForm39", "screens/competitions/custom_championship.cpp");
    RegisterBuiltScreen<TForm56>("TForm56", "screens/competitions/coach_setup_lists.cpp");
    // Their creation starts a new game's set-up from an empty game.
    for (const char* formClass : {"TForm9", "TForm11", "TForm12", "TForm56"})
        MarkScreenReplacesGame(formClass);
}

}  // namespace tarvelon
