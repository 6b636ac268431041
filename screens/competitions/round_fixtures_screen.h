#pragma once
// The fixtures and results of one round (TForm63): the national league, a state championship or a
// continental group stage of the running season, round by round; a played match opens its report.
#include <vector>

#include "controls/grad_button.h"
#include "screens/common/game_form.h"

namespace tarvelon {

class TComboBox;
class TComboBoxEx;
class TCustomImageList;
class TDataGrid;
class TLabel;

class TForm63 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm63(TComponent* owner);

    TDataGrid* t1 = nullptr;
    TLabel* Label2 = nullptr;
    TGradButton* btnac = nullptr;
    TGradButton* btestadual = nullptr;
    TGradButton* btlib = nullptr;
    TGradButton* btsul = nullptr;
    TGradButton* bteuro = nullptr;
    TGradButton* btuefa = nullptr;
    TGradButton* bt3 = nullptr;
    TGradButton* GradButton3 = nullptr;
    TGradButton* bt1 = nullptr;
    TComboBox* c1 = nullptr;
    TComboBoxEx* combopais = nullptr;
    TComboBoxEx* combo1 = nullptr;
    TCustomImageList* ImageList1 = nullptr;
    TCustomImageList* flags = nullptr;
    TCustomImageList* stateFlags = nullptr;

    int ShownFixtureKind = 1;
    int ShownFixtureRegion = 0;
    int ShownFixtureState = 0;
    std::vector<int> FixtureStateComboStates;

    // Fills the grid with the matches of that round and turn of the competition shown.
    void FillRoundFixtures(int kind, int round, int turn);

private:
    void FormCreate(TObject* sender);
    void OpenView(TGradButton* button, int kind, int region, TColorScheme scheme);
    void ShowEntry(int entry);
    void FillRoundChooser(int kind);
    void PlaceButtonsWithoutStates();
    void ChooseFirstState();
    void t1DblClick(int row);
};

}  // namespace tarvelon
