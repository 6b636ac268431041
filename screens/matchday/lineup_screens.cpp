#include "screens/matchday/lineup_screens.h"

#include "screens/common/screen_registry.h"
#include "screens/matchday/lineup_screen.h"

namespace tarvelon {

void RegisterLineupScreens()
{
    RegisterBuiltScreen<TForm87>("TForm87", "screens/matchday/lineup_screen.cpp");
}

}  // namespace tarvelon
