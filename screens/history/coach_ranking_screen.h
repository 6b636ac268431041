#pragma once
// The coach ranking (TForm47): the coaches of a country by national points, or of the whole game by
// world points, with their titles; the selected coach's career, points and titles, and a link to his
// trophy gallery.
#include "screens/common/game_form.h"

namespace tarvelon {

class TComboBoxEx;
class TCustomImageList;
class TDataGrid;
class TDcSmoothPanel;
class TGradButton;
class TLabel;
class TRichLabel;

class TForm47 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm47(TComponent* owner);

    TDataGrid* gridview1 = nullptr;
    TComboBoxEx* combopais = nullptr;
    TRichLabel* label13 = nullptr;
    TRichLabel* label53 = nullptr;
    TDcSmoothPanel* infojt = nullptr;
    TGradButton* GradButton1 = nullptr;  // ">>"
    TGradButton* GradButton3 = nullptr;  // "<<"
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label5 = nullptr;
    TCustomImageList* flags = nullptr;

    int ChosenLeague = 0;
    int PageFirstRow = 0;
    int NextPageRow = -1;

    void FillCoachRanking(int country);
    void ShowCoachDetails(int firstRow);
    int SelectedCoach();

private:
    void FormCreate(TObject* sender);
    int DefaultCountry(int coach);
    void SelectCoach(int coach);
};

}  // namespace tarvelon
