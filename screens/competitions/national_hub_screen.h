#pragma once
// The national-team hub (TForm75): the hub while a World Cup, Copa América or Eurocopa is played
// and human coaches lead national teams. It shows the served national team, its next opponent and
// stage, the host and its squad; it opens the tournament table, the options and the line-up
// screen, saves and quits. The human national teams still in the tournament are served one after
// the other; after the last one the matchday starts.
#include <string>

#include "screens/common/game_form.h"

namespace tarvelon {

class TCustomImageList;
class TDataGrid;
class TDcGlowButton;
class TImage;
class TLabel;
class TPanel;
class TPopupMenu;
class TShape;

class TForm75 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm75(TComponent* owner);

    TLabel* Label1 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label13 = nullptr;
    TLabel* Label21 = nullptr;
    TLabel* Label22 = nullptr;
    TImage* Image1 = nullptr;
    TImage* Image9 = nullptr;
    TImage* Image2 = nullptr;
    TImage* escudo = nullptr;
    TImage* thumb1 = nullptr;
    TImage* thumb2 = nullptr;
    TPanel* Panel1 = nullptr;
    TShape* Shape8 = nullptr;
    TDataGrid* gridview1 = nullptr;
    TDcGlowButton* btjogar = nullptr;
    TPopupMenu* PopupMenu2 = nullptr;

    int NationalHubSlot = 1;  // 1-based position in Game's human national teams of the team served
    int NextOpponent = -1;

    void RefreshNationalHub();
    // "Jogar >>" of the line-up screen: the next human national team still in, else the matchday.
    void NextHumanNationOrKickOff();
    // Every served team has its line-up: the matchday starts and the hub closes.
    void KickOff();

private:
    void FormCreate();
    void FormKeyDown(unsigned short& key);
    void FillImageLists();
    void WidenColumnsOnLargerScreens();
    void RefreshNationalSquadGrid();
    void AddSquadRow(int player);
    void RefreshNationalHubHeader();
    void gridview1CellClick(int col, int row);
    void ToggleShirtMark(int row);
    void OfferRolesOfRow(int row);
    void btjogarClick();
    void OpenOptionsMenu();
    void Autosave();
    void Quit();
    void CloseLineup();
};

}  // namespace tarvelon
