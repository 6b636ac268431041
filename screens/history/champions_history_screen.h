#pragma once
// The champions history (TForm29): for one competition, every season's champion with the
// runner-up, the top scorer and the champion's coach, newest first.
#include <vector>

#include "screens/common/game_form.h"

namespace tarvelon {

class TComboBox;
class TComboBoxEx;
class TCustomImageList;
class TDcSmoothPanel;
class TScrollBox;

class TForm29 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm29(TComponent* owner);

    TComboBox* combo1 = nullptr;
    TComboBoxEx* combopais = nullptr;
    TComboBoxEx* combo2 = nullptr;
    TScrollBox* ScrollBox1 = nullptr;
    TDcSmoothPanel* p_camp = nullptr;
    TCustomImageList* ImageList1 = nullptr;
    TCustomImageList* flags = nullptr;
    TCustomImageList* stateFlags = nullptr;

    int ChosenLeague = 0;
    int ChosenState = 0;
    std::vector<int> StateItems;

    void FillChampionsHistory(int kind, int region);
    void FillNationalTournamentChampions(int kind);

private:
    void FormCreate(TObject* sender);
    void ShowItem(const std::string& item);
    void ShowLines(const std::string& text, int rows, int shortListHeight);
    std::string CrestReference(int club);
};

}  // namespace tarvelon
