#include "screens/club/club_screens.h"

#include "core/hooks.h"
#include "screens/club/hub_screen.h"
#include "screens/common/screen_registry.h"

namespace tarvelon {

void RegisterClubScreens()
{
    RegisterBuiltScreen<TForm13>("TForm13", "screens/club/hub_screen.cpp");
}

void InstallClubScreenHooks() {}

}  // namespace tarvelon
