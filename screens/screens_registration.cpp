#include "screens/screens_registration.h"

#include "controls/controls_registration.h"
#include "grid/dg_grid_control_registration.h"
#include "grid/dg_grid_registration.h"
#include "richtext/html_controls_registration.h"
#include "richtext/picture_store.h"
#include "screens/common/stub_catalogue.h"
#include "screens/competitions/competition_screens.h"
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
    RegisterCompetitionScreens();
    RegisterMatchdayScreens();
}

}  // namespace tarvelon
