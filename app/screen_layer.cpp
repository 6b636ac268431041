#include "app/screen_layer.h"

#include "app/screen_seam.h"
#include "screens/club/club_screens.h"
#include "screens/club/friendly_screens.h"
#include "screens/common/game_flow.h"
#include "screens/common/game_form.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/competitions/competition_screens.h"
#include "screens/start/title_screen.h"
#include "screens/matchday/matchday_screens.h"
#include "screens/screens_registration.h"

namespace tarvelon {

namespace {

void ShowFirstScreen(const GameOpening& opening)
{
    switch (opening.from) {
    case GameOpening::From::Title: ShowTitleScreen(); break;
    case GameOpening::From::NewGame: OpenFirstScreenOfNewGame(opening.firstScreen); break;
    case GameOpening::From::SavedGame: OpenAfterLoad(opening.loadOutcome); break;
    }
}

bool OpenFormByName(const std::string& formClass)
{
    if (!FindScreen(formClass))
        return false;
    OpenScreen(formClass, true);
    return true;
}

}  // namespace

void InstallScreenLayer()
{
    RegisterGameScreens();
    // The screens that answer core's questions take their hooks.
    InstallClubScreenHooks();
    InstallMatchdayDialogs();
    OfferPreseasonFriendlies = OfferPreseasonFriendliesOnScreen;
    InstallCompetitionScreenHooks();
    if (!BackgroundBitmap)
        LoadBackgroundBitmap();
    // The title screen is the main form, created before any game is built, as the game starts.
    CreateTitleScreen();
    ScreenSeam& seam = ScreenLayer();
    seam.showFirstScreen = ShowFirstScreen;
    seam.openFormByName = OpenFormByName;
}

}  // namespace tarvelon
