#pragma once
// The transfer market and club browser (TForm14): every played league with its divisions and
// clubs, the shown club's header, squad and a player card, and the human coach's deals: "Comprar"
// a listed player, "Fazer uma oferta" for any player, "Pegar por empréstimo". It shows the club of
// `MarketClub`, which its opener sets.
#include "screens/common/game_form.h"

namespace tarvelon {

class TCustomImageList;
class TDataGrid;
class TDcSmoothPanel;
class TGradButton;
class TImage;
class TLabel;
class TProgressCyl;
class TRichLabel;

class TForm14 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm14(TComponent* owner);

    void BuildMarketTree();
    void ListTeamPlayers();
    // The card of the player (details or career table, as the card's view is set).
    void ShowPlayerCard(int player);
    // The player of the selected squad row (0 none).
    int SelectedPlayer();
    // A deal of the dialogs brought the player to the human club: the squad is listed anew, the hub
    // shows him; `announce` says "Jogador comprado com sucesso." (after the player's wage demand).
    void ShowPlayerJoined(bool announce);

    TDataGrid* DataGrid1 = nullptr;
    TDataGrid* joglist = nullptr;
    TDcSmoothPanel* infojt = nullptr;
    TImage* Image1 = nullptr;
    TImage* Image13 = nullptr;
    TImage* Image4 = nullptr;
    TGradButton* GradButton2 = nullptr;
    TImage* escudo = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label5 = nullptr;
    TProgressCyl* gp1 = nullptr;
    TProgressCyl* gp2 = nullptr;
    TLabel* Label11 = nullptr;
    TLabel* Label12 = nullptr;
    TLabel* Label26 = nullptr;
    TLabel* Label28 = nullptr;
    TImage* Image2 = nullptr;
    TImage* Image3 = nullptr;
    TImage* Image5 = nullptr;
    TImage* Image6 = nullptr;
    TImage* Image7 = nullptr;
    TRichLabel* Label22 = nullptr;
    TRichLabel* Label27 = nullptr;
    TGradButton* bt1 = nullptr;
    TGradButton* bt2 = nullptr;
    TGradButton* bt3 = nullptr;
    TGradButton* bt4 = nullptr;

private:
    void BindHandlers();
    void FindChildren();
    void FormCreate();
    void FillImageLists();
    void DataGrid1SelectCell(int row);
    void joglistSelectCell(int row);
    void joglistCellColoring(int row, TColor& cellColor, bool selected);
    void joglistCellFormating(int col, int row, TColor& textColor);
    void AddSquadRow(int player);
    void ShowClubHeader(int club);
    void SetLinkActive(TLabel* words, TImage* icon, bool active);
    void SetLinksActive(bool active);
    void SetCardView(bool details);
    bool LinkActive(const TLabel* link) const;
    // The selected row's "Vda" cell holds the listed mark.
    bool SelectedRowShowsListedMark();
    void ShowMessage(const std::string& text);
    void StartDeal();
    void ShowCash();
    void OpenOver(const std::string& formClass);
    void OpenCareerOfSelected();
    void bt1Click();
    void bt2Click();
    void bt4Click();
    void AfterPurchase();
    void RemoveSelectedRow();

    bool cardDetails_ = true;
    TColor barColour_ = 0;  // the confidence bars' own colour
    int nameHeight_ = 0;    // the club name's letters, as the form has them on this screen
    TCustomImageList* statusImages_ = nullptr;
    TCustomImageList* flagImages_ = nullptr;
    TCustomImageList* listingImages_ = nullptr;
};

}  // namespace tarvelon
