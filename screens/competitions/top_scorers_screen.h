#pragma once
// The top scorers (TForm20): the scorers of one competition of the season, or the best of all time;
// a double click on a player opens his career.
#include <string>
#include <vector>

#include "screens/common/game_form.h"

namespace tarvelon {

class TComboBox;
class TComboBoxEx;
class TCustomImageList;
class TDataGrid;
class TLabel;
struct ScorerRow;

class TForm20 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm20(TComponent* owner);

    TDataGrid* t1 = nullptr;
    TComboBox* combo1 = nullptr;
    TComboBoxEx* combopais = nullptr;
    TComboBoxEx* combo2 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label4 = nullptr;
    TCustomImageList* flags = nullptr;
    TCustomImageList* stateFlags = nullptr;

    int ChosenLeague = 0;
    int ChosenState = 0;
    std::vector<int> StateItems;

    void FillScorers(int kind, int key, int division);
    void FillAllTimeScorers(bool showAll);

private:
    void FormCreate(TObject* sender);
    void FillScorerCompetitionItems();
    void ChooseState();
    void ShowItem(const std::string& item);
    void ShowSeasonColumns(bool season);
    void FillRows(const std::vector<ScorerRow>& rows, std::size_t count);
    void combopaisChange();
    void t1DblClick(int row);
};

}  // namespace tarvelon
