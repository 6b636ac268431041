#pragma once
// The player search (TForm27): the players of the league clubs that match the filters; a double
// click on a found player opens the transfer market on his club.
#include "screens/common/game_form.h"

namespace tarvelon {

class TCheckBox;
class TComboBox;
class TComboBoxEx;
class TCustomImageList;
class TDataGrid;
class TEdit;
class TGradButton;
class TLabel;
struct PlayerSearchFilters;

class TForm27 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm27(TComponent* owner);

    TCheckBox* ckpais = nullptr;
    TComboBoxEx* combopais = nullptr;
    TComboBox* c1 = nullptr;  // strength
    TComboBox* c2 = nullptr;  // position
    TComboBox* c3 = nullptr;  // age
    TComboBox* c4 = nullptr;  // value
    TComboBox* c5 = nullptr;  // first trait
    TComboBox* c6 = nullptr;  // second trait
    TComboBoxEx* c7 = nullptr;  // nationality
    TEdit* Edit1 = nullptr;
    TCheckBox* ckavenda = nullptr;
    TCheckBox* ckemp = nullptr;
    TCheckBox* ckestrela = nullptr;
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
    void gfindHeaderClick(int col);
    void gfindDblClick(int row);

    bool ascending_ = false;
};

}  // namespace tarvelon
