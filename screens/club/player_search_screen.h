#pragma once
// The player search (TForm27): the players of the league clubs that match the filters; a double
// click on a found player opens the transfer market on his club.
#include "screens/common/game_form.h"
#include "screens/common/player_filters.h"

namespace tarvelon {

class TComboBoxEx;
class TCustomImageList;
class TGradButton;

// The filter choosers (c1..c6, Edit1, ckestrela) are the national call-up's.
class TForm27 : public TGameForm, public PlayerFilterChoosers {
public:
    static const TScreenRecord kScreen;
    explicit TForm27(TComponent* owner);

    TCheckBox* ckpais = nullptr;
    TComboBoxEx* combopais = nullptr;
    TComboBoxEx* c7 = nullptr;  // nationality
    TCheckBox* ckavenda = nullptr;
    TCheckBox* ckemp = nullptr;
    TGradButton* button2 = nullptr;
    TLabel* Label9 = nullptr;
    TDataGrid* gfind = nullptr;
    TCustomImageList* flags = nullptr;
    TCustomImageList* ImageList1 = nullptr;

    PlayerSearchFilters Filters() const;
    void Search();

private:
    void FormCreate();
    void FillChoosers();
    void FillMarkImages();
    void AddFoundRow(int player);
    void FillFoundRow(int row, int player);
    void ShowFoundPlayersAnew();
    void gfindHeaderClick(int col);
    void gfindDblClick(int row);

    bool ascending_ = false;
};

}  // namespace tarvelon
