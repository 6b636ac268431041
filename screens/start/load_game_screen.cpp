// The load-game screen (TForm21).
#include "screens/start/load_game_screen.h"

#include <filesystem>
#include <string>

#include "core/basics/literal_text.h"
#include "core/persist/saved_game.h"
#include "core/views/new_game_views.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/file_search.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/message_box.h"
#include "screens/common/form_references.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"

namespace tarvelon {

namespace {

constexpr const char* kDeleteQuestion = "Deseja apagar mesmo o arquivo?";
// A save the folder's rights keep from being deleted is told, as a save that cannot be written is
// ("the file is deleted and the selected row removed" would drop the row of a file still there).
constexpr const char* kDeleteFailedMessage =
    "Erro ao apagar o arquivo, verifique se você tem permissão para apagar na pasta sav";

// A file's name as its row shows it: a control character another program put in it (a newline)
// shows as "¶", a mark every font of the game draws, instead of vanishing from the row.
std::string ShownFileName(const std::string& name)
{
    std::string shown;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte < 0x20 || byte == 0x7F ? std::string("¶") : std::string(1, c);
    }
    return shown;
}

// A game folder without saves gets one of the running game, so that the list has a row to show.
void SavedGameSubject()
{
    if (!std::filesystem::is_directory(kSaveFolder) ||
        !FindFileNames(kSaveFolder, std::string("*") + kSaveExtension).empty())
        return;
    const std::string name = Game.saveName.str();
    Game.saveName.set("rodada.nsx");
    SaveGame();
    Game.saveName.set(name);
}

}  // namespace

const TScreenRecord TForm21::kScreen{
    .formClass = "TForm21",
    .shows = "Carregar jogo",
    .area = TScreenArea::Start,
    .modal = true,
    .style = {.background = TBackground::Builder},
    .subject = SavedGameSubject,
    .create = NewScreen<TForm21>,
    .file = "screens/start/load_game_screen.cpp",
};

TForm21::TForm21(TComponent* owner)
    : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* sender) { FormCreate(sender); });
    BindHandler("grid1SelectCell", [this](TObject* sender, int col, int row) { grid1SelectCell(sender, col, row); });
    BindHandler("BitBtn1Click", [this](TObject* sender) { BitBtn1Click(sender); });
    BindHandler("BitBtn2Click", [this](TObject* sender) { BitBtn2Click(sender); });
    BindHandler("BitBtn3Click", [this](TObject* sender) { BitBtn3Click(sender); });
    ReadDescription();
    grid1 = FindChild<TDataGrid>("grid1");
    labtecnico = FindChild<TLabel>("labtecnico");
    labtime = FindChild<TLabel>("labtime");
    labano = FindChild<TLabel>("labano");
    labcompeticao = FindChild<TLabel>("labcompeticao");
    BitBtn1 = FindChild<TBitBtn>("BitBtn1");
    BitBtn2 = FindChild<TBitBtn>("BitBtn2");
    BitBtn3 = FindChild<TBitBtn>("BitBtn3");
}

// Bound to the form's activation: the list is filled the first time only.
void TForm21::FormCreate(TObject*)
{
    if (listed_ || !grid1)
        return;
    listed_ = true;
    grid1->BeginUpdate();
    for (const std::string& name : FindFileNames(kSaveFolder, std::string("*") + kSaveExtension)) {
        const int row = grid1->AddRow();
        const std::string shown = ShownFileName(name);
        filesShown_[shown] = name;
        grid1->SetCellTextByName("colarquivo", row, shown);
    }
    grid1->EndUpdate();
}

void TForm21::grid1SelectCell(TObject*, int, int row)
{
    if (grid1 && row >= 0 && row < grid1->RowCount()) {
        const std::string shown = grid1->GetCellTextByName("colarquivo", row);
        const auto file = filesShown_.find(shown);
        selectedFile_ = file != filesShown_.end() ? file->second : shown;
    }
    ShowPreview();
}

void TForm21::ShowPreview()
{
    if (selectedFile_.empty())
        return;
    const SavePreviewTexts texts = PreviewSavedGame(selectedFile_);
    const std::pair<TLabel*, const std::string*> values[] = {
        {labtecnico, &texts.coach}, {labtime, &texts.club}, {labano, &texts.year}, {labcompeticao, &texts.nextCompetition}};
    for (const auto& [label, text] : values) {
        if (!label)
            continue;
        label->SetCaption(CaptionLiteral(*text));
        label->Show();
    }
}

void TForm21::ClearSelection()
{
    selectedFile_.clear();
    for (TLabel* label : {labtecnico, labtime, labano, labcompeticao})
        if (label)
            label->SetCaption("");
}

// A game that loads replaces this screen and the title; one that does not leaves everything as it was.
void TForm21::BitBtn1Click(TObject*)
{
    LoadOutcome outcome = LoadOutcome::kNothing;
    {
        THourglass hourglass;
        outcome = LoadGame(selectedFile_);
    }
    if (outcome != LoadOutcome::kOpenHub && outcome != LoadOutcome::kOpenNationalHub)
        return;
    Close();
    if (Form1)
        Form1->Hide();
    OpenAfterLoad(outcome);
}

void TForm21::BitBtn2Click(TObject*)
{
    selectedFile_.clear();
    Close();
}

void TForm21::BitBtn3Click(TObject*)
{
    if (!grid1 || selectedFile_.empty())
        return;
    const int row = grid1->SelectedRow();
    if (row < 0 || row >= grid1->RowCount())
        return;
    if (MessageBox(kDeleteQuestion, "Confirmação", MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (!DeleteSavedGame(selectedFile_)) {
        ShowMessage(kDeleteFailedMessage);
        return;
    }
    grid1->DeleteRow(row);
    grid1->SetSelectedRow(-1);
    ClearSelection();
}

}  // namespace tarvelon
