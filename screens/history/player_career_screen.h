#pragma once
// A player's career (TForm16): his career table season by season, paged, and his matches of the
// season with his rating in each; a match opens its report.
#include "screens/common/game_form.h"

namespace tarvelon {

class TDataGrid;
class TDcSmoothPanel;
class TGradButton;
class TRichLabel;

class TForm16 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm16(TComponent* owner);

    TRichLabel* RichLabel1 = nullptr;
    TRichLabel* RichLabel2 = nullptr;
    TRichLabel* RichLabel3 = nullptr;
    TDcSmoothPanel* infojt = nullptr;
    TGradButton* GradButton2 = nullptr;  // ">>"
    TGradButton* GradButton3 = nullptr;  // "<<"
    TDataGrid* gridview1 = nullptr;

    int Player = -1;
    int PageFirstRow = 0;   // the first row of the page shown
    int NextPageRow = -1;   // the first row of the next page, -1 on the last

    void ShowCareerPage(int firstRow);

private:
    void FormCreate(TObject* sender);
    void FillSeasonMatches();
    void StyleLabel(TRichLabel& label, const std::string& text, int fontHeight);
};

// Gives a panel that shows a career table (PlayerCareerText) the pictures of its heading: the goal
// and card icons of the matches. The container belongs to `owner`.
void GiveCareerIcons(TComponent* owner, TDcSmoothPanel& panel);

}  // namespace tarvelon
