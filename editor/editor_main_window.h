#pragma once
// The team editor's main window (TForm3): the clubs or the national teams of the editor's tables,
// the shown team's data and squad, and the door to every editor dialog. Every change made in the
// editor ends in timesalvar (a club's file) or selecaosalvar (a national team's file).
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "screens/common/form_reference.h"
#include "screens/common/game_form.h"

namespace tarvelon {

class TCustomImageList;
class TDataGrid;
class TGradButton;
class TImage;
class TLabel;
class TPanel;
struct ClubChanges;
struct ClubListRow;
struct SquadRow;

class TForm3 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm3(TComponent* owner);

    TGradButton* xbt1 = nullptr;
    TGradButton* xbt2 = nullptr;
    TDataGrid* gridtimes = nullptr;
    TDataGrid* gridselecoes = nullptr;
    TDataGrid* Grid1 = nullptr;
    TPanel* Panel1 = nullptr;
    TLabel* Label1 = nullptr;   // full name
    TLabel* Label4 = nullptr;   // short name
    TLabel* Label6 = nullptr;   // coach
    TLabel* Label8 = nullptr;   // level
    TLabel* Label9 = nullptr;   // country
    TLabel* Label11 = nullptr;  // stadium
    TLabel* Label12 = nullptr;  // state code
    TLabel* Label13 = nullptr;  // "Total:N jogadores"
    TLabel* Label14 = nullptr;  // regulars
    TImage* Image1 = nullptr;   // crest or symbol
    TImage* Image2 = nullptr;   // country flag
    TImage* Image3 = nullptr;   // state flag
    TCustomImageList* ImageList1 = nullptr;
    TCustomImageList* bandeiras = nullptr;
    TCustomImageList* estados = nullptr;

    // Writes a club's or national team's file; a failed write is reported (the tables keep the change).
    void timesalvar(int club);
    void selecaosalvar(int country);
    void listtime(int club);
    void listjogselecao(int country);
    void transferejogador(int slot, int fromClub, int toClub);
    void dragjogadorselecao(int club, int slot);
    void sortbypaisnivel();

    // The slot of the squad grid's selected row; 0 when none is selected.
    int SelectedSlot();
    int SelectedSquadRow();
    void SelectSquadSlot(int slot);
    // The club grid's row of a club, -1 when none.
    int ClubRowOf(int club);
    // A new club's row at the top of the club grid, selected and shown.
    void InsertClubRow(int club);
    // A new national team's row below the selected one (at the top without one), selected and shown.
    void InsertNationRow(int country);
    // The current club's or national team's panel and row again, after a dialog changed it.
    void RefreshCurrentTeam();
    // What an edit of the shown club changed, shown on the panel and the club grid's selected row.
    void ShowClubChanges(const ClubChanges& changes);
    // The selected squad row shows its club player's slot again, where it stands: the squad is not
    // regrouped until it is listed again.
    void RefreshSelectedPlayerRow();
    bool NationalView() const;

    // The actions of the buttons, menu and keys.
    void OpenTeamDialog(bool edit);
    void OpenAddPlayer();
    void OpenEditPlayer();
    void OpenTransfer();
    void DeleteSelectedPlayer();
    void DeleteSelectedClub();
    void ToggleRegularAt(int row);
    void PickCrest();
    void SetView(bool national);

private:
    void BindEvents();
    void FindChildren();
    void FormCreate(TObject* sender);
    void FormKeyDown(TObject* sender, unsigned short& key, TShiftState shift);
    void SquadKey(unsigned short key);
    void FillTeamGrids();
    void SetClubRow(int row, const ClubListRow& club);
    void SetNationRow(int row, int country);
    void SelectFirstRow(TDataGrid* grid);
    void ShowTextColour(int textColor);
    void ColourLabels(std::initializer_list<const char*> names, int textColor);
    void ShowCountry(int country);
    void ShowState(int state);
    void FillSquadGrid(bool national, int id);
    void SetSquadRow(int row, const SquadRow& player);
    void UpdateSquadCounts();
    void ShowPicture(TImage* image, const std::string& path);
    void ChangeSelectedAge();
    void SetSelectedSide(int side);
    void FitPanelNames();

    // The panel's name labels (full name, short name, coach, stadium) with their font heights as
    // laid out; a name too long for the panel is drawn smaller.
    std::vector<std::pair<TLabel*, int>> panelNames_;
};

// The editor's main window while it is open.
extern TFormRef<TGameForm> Form3;

// What a failed write of a team file says.
inline constexpr const char* kFileWriteErrorText = "Erro ao gravar o arquivo";

}  // namespace tarvelon
