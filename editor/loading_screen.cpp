// The team editor's loading screen (TForm2).
#include "editor/loading_screen.h"

#include "core/persist/club_file.h"
#include "editor/model/editor_tables.h"
#include "editor/model/editor_teams.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/message_box.h"
#include "platform/stdctrls/ranges.h"
#include "screens/common/screen_registry.h"

namespace tarvelon {

std::string UnreadableFilesMessage(const std::vector<std::string>& names)
{
    if (names.empty())
        return "";
    std::string text = std::string(kFileLoadErrorText) + ":";
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? " " : ", ") + names[i];
    return text;
}

void LoadedEditorSubject()
{
    LoadEditorTables();
    EditorNationalView = false;
    const std::vector<ClubListRow> clubs = ClubListRows();
    EditorCurrentClub = clubs.empty() ? 0 : clubs.front().id;
    const std::vector<NationListRow> nations = NationListRows();
    EditorCurrentNation = nations.empty() ? 0 : nations.front().id;
    EditorSelectedSlot = 1;
}

const TScreenRecord TForm2::kScreen{
    .formClass = "TForm2",
    .shows = "Carregando o editor de equipes",
    .area = TScreenArea::Editor,
    .modal = true,
    .style = {.background = TBackground::Builder, .swallowAltF4 = true},
    .create = NewScreen<TForm2>,
    .file = "editor/loading_screen.cpp",
};

TForm2::TForm2(TComponent* owner)
    : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* sender) { FormCreate(sender); });
    BindHandler("FormShow", [this](TObject* sender) { FormShow(sender); });
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    BindHandler("Timer1Timer", [this](TObject* sender) { Timer1Timer(sender); });
    ReadDescription();
    Label3 = FindChild<TLabel>("Label3");
    barra = FindChild<TProgressBar>("barra");
    Timer1 = FindChild<TTimer>("Timer1");
}

void TForm2::FormCreate(TObject*)
{
    EditorClubFileCount = static_cast<int>(ListClubFiles().size());
    if (Timer1)
        Timer1->SetEnabled(true);
}

void TForm2::FormShow(TObject*)
{
    SetLeft((Screen->Width() - Width()) / 2);
    SetTop((Screen->Height() - Height()) / 2);
}

void TForm2::Timer1Timer(TObject*)
{
    Timer1->SetEnabled(false);
    carregatimes();
}

void TForm2::carregatimes()
{
    barra->SetMax(EditorClubFileCount);
    barra->SetPosition(0);
    Label3->SetCaption("0");
    const std::vector<std::string> unreadable = LoadEditorTables([this](int loaded) {
        barra->StepIt();
        Label3->SetCaption(std::to_string(loaded));
        Application->ProcessMessages();
    });
    // "Loading stops there and the main window is not opened" for a file that cannot be opened
    // would keep the player out of every other team for one bad file: such files are skipped and
    // named once loading is done.
    if (!unreadable.empty())
        MessageBox(UnreadableFilesMessage(unreadable), "Editor de Equipes", MB_OK | MB_ICONERROR);
    if (TGameForm* window = CreateScreen("TForm3", Application))
        window->Show();
    Close();
}

}  // namespace tarvelon
