#pragma once
// The end-of-season summary (TForm26): the new season rolled over as it opens, then the champions
// of the season just ended (a league's divisions and national cup on the left, the club world cup
// and the continental cups on the right). "Continuar >>" starts the new season.
#include <vector>

#include "screens/common/game_form.h"

namespace tarvelon {

class TComboBoxEx;
class TCustomImageList;
class TDataGrid;
class TGradButton;
class TLabel;
class TPanel;
class TTimer;
struct SummaryRow;

class TForm26 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm26(TComponent* owner);

    TPanel* Panel1 = nullptr;  // the 800 x 600 summary, centred across the full-window form
    TLabel* Image1 = nullptr;
    TComboBoxEx* combopais = nullptr;
    TDataGrid* gridc = nullptr;
    TDataGrid* gridi = nullptr;
    TGradButton* bt3 = nullptr;
    TCustomImageList* ImageList1 = nullptr;
    TCustomImageList* ImageList2 = nullptr;
    TCustomImageList* flags = nullptr;
    TTimer* Timer1 = nullptr;

    void FillDivisionChampions(int league);
    void FillSeasonChampions();
    // "Continuar >>": the new season starts, once however often it is pressed.
    void Continue();

private:
    void FormCreate();
    void PrepareGrid(TDataGrid& grid, const char* iconColumn, const char* crestColumn, const char* textColumn);
    void FillGrid(TDataGrid& grid, const std::vector<SummaryRow>& rows, const char* iconColumn,
                  const char* crestColumn, const char* textColumn);
    void CentreDivisionGrid();
    bool continued_ = false;
};

}  // namespace tarvelon
