#pragma once
// The meetings of two clubs (TForm15): every past game of the pair with its sums from each side;
// two choosers pick any other pair.
#include <vector>

#include "screens/common/game_form.h"

namespace tarvelon {

class TComboBox;
class TDataGrid;
class TGradButton;
class TLabel;

class TForm15 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm15(TComponent* owner);

    TDataGrid* Gridview1 = nullptr;
    TComboBox* c1 = nullptr;
    TComboBox* c2 = nullptr;
    TGradButton* bt3 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;

    std::vector<int> ItemClubs;  // the club of each chooser item

    void ShowHeadToHead(int clubA, int clubB);

private:
    void FormCreate(TObject* sender);
    void bt3Click();
    void SelectClub(TComboBox& combo, int club);
};

}  // namespace tarvelon
