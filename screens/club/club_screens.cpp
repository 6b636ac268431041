#include "screens/club/club_screens.h"

#include "screens/club/about_box.h"
#include "screens/club/list_colours_screen.h"
#include "screens/club/options_screen.h"
#include "screens/common/screen_registry.h"

namespace tarvelon {

void RegisterClubScreens()
{
    RegisterBuiltScreen<TForm32>("TForm32", "screens/club/options_screen.cpp");
    RegisterBuiltScreen<TForm45>("TForm45", "screens/club/about_box.cpp");
    RegisterBuiltScreen<TForm64>("TForm64", "screens/club/list_colours_screen.cpp");
}

}  // namespace tarvelon
