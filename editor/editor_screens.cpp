// The team editor's screens, from their records.
#include "editor/editor_screens.h"

#include "editor/club_dialogs.h"
#include "editor/editor_main_window.h"
#include "editor/loading_screen.h"
#include "editor/national_dialog.h"
#include "editor/picture_picker.h"
#include "editor/player_dialogs.h"
#include "editor/transfer_dialog.h"
#include "screens/common/screen_registry.h"

namespace tarvelon {

void RegisterEditorScreens()
{
    for (const TScreenRecord* screen : {&TForm2::kScreen, &TForm3::kScreen, &TForm4::kScreen, &TForm5::kScreen,
                                        &TForm6::kScreen, &TForm7::kScreen, &TForm73::kScreen, &TForm79::kScreen,
                                        &Tform43::kScreen})
        RegisterScreen(*screen);
}

}  // namespace tarvelon
