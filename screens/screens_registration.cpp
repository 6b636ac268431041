#include "screens/screens_registration.h"

#include "controls/controls_registration.h"
#include "grid/dg_grid_control_registration.h"
#include "grid/dg_grid_registration.h"
#include "editor/editor_screens.h"
#include "richtext/html_controls_registration.h"
#include "richtext/picture_store.h"
#include "screens/club/club_screens.h"
#include "screens/common/stub_catalogue.h"
#include "screens/competitions/competition_screens.h"
#include "screens/matchday/lineup_screens.h"
#include "screens/matchday/matchday_screens.h"

namespace tarvelon {

namespace {

void RegisterComponentClasses()
{
    RegisterRichTextControls();
    RegisterPictureContainerClass();
    RegisterDataGridClasses();
    RegisterGridControlProperties();
    RegisterDrawnControls();
}

}  // namespace

void RegisterGameScreens()
{
    RegisterComponentClasses();
    RegisterStubScreens();
    // Built screens register themselves here, each area after the stubs.
    RegisterClubScreens();
    RegisterCompetitionScreens();
    RegisterEditorScreens();
    RegisterLineupScreens();
    RegisterMatchdayScreens();
}

}  // namespace tarvelon
