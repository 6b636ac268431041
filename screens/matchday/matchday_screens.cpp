#include "screens/matchday/matchday_screens.h"

#include "screens/common/screen_registry.h"
#include "screens/matchday/matchday_screen.h"
#include "screens/matchday/results_screen.h"

namespace tarvelon {

void RegisterMatchdayScreens()
{
    RegisterBuiltScreen<TForm46>("TForm46", "screens/matchday/matchday_screen.cpp");
    RegisterBuiltScreen<TForm67>("TForm67", "screens/matchday/results_screen.cpp",
                                 [] { TForm67::showLastArchivedDay = true; });
}

}  // namespace tarvelon
