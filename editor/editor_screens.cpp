// The team editor's screens, registered over their stubs.
#include "editor/editor_screens.h"

#include "editor/club_dialogs.h"
#include "editor/editor_main_window.h"
#include "editor/loading_screen.h"
#include "editor/model/editor_tables.h"
#include "editor/model/editor_teams.h"
#include "editor/national_dialog.h"
#include "editor/picture_picker.h"
#include "editor/transfer_dialog.h"
#include "editor/player_dialogs.h"
#include "screens/common/screen_registry.h"

namespace tarvelon {

namespace {

// What the loading screen leaves behind: the tables of the game folder, the first club shown.
void LoadedEditor()
{
    LoadEditorTables();
    EditorNationalView = false;
    const std::vector<ClubListRow> clubs = ClubListRows();
    EditorCurrentClub = clubs.empty() ? 0 : clubs.front().id;
    const std::vector<NationListRow> nations = NationListRows();
    EditorCurrentNation = nations.empty() ? 0 : nations.front().id;
    EditorSelectedSlot = 1;
}

}  // namespace

void RegisterEditorScreens()
{
    RegisterBuiltScreen<TForm2>("TForm2", "editor/loading_screen.cpp");
    RegisterBuiltScreen<TForm3>("TForm3", "editor/editor_main_window.cpp", LoadedEditor);
    RegisterBuiltScreen<TForm7>("TForm7", "editor/club_dialogs.cpp", LoadedEditor);
    RegisterBuiltScreen<TForm4>("TForm4", "editor/club_dialogs.cpp", LoadedEditor);
    RegisterBuiltScreen<TForm5>("TForm5", "editor/player_dialogs.cpp", LoadedEditor);
    RegisterBuiltScreen<TForm6>("TForm6", "editor/player_dialogs.cpp", LoadedEditor);
    RegisterBuiltScreen<TForm73>("TForm73", "editor/national_dialog.cpp", LoadedEditor);
    RegisterBuiltScreen<TForm79>("TForm79", "editor/transfer_dialog.cpp", LoadedEditor);
    RegisterBuiltScreen<Tform43>("Tform43", "editor/picture_picker.cpp", LoadedEditor);
}

}  // namespace tarvelon
