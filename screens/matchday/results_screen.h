#pragma once
// The results of the matchday just played (TForm67): the archived matches of the day in one
// region at a time, the league, continental edition or state picked in a box, with the report of the selected one (line-ups with ratings and substitutes, goals,
// cards, venue and crowd); "Continuar >>" (or Enter, or by itself in instant play) moves the
// calendar on to the next screen the rules choose.
#include <string>

#include "core/views/day_results.h"
#include "screens/common/game_form.h"

namespace tarvelon {

class TCustomImageList;
class TDataGrid;
class TDcComboBox;
class TGradButton;
class TLabel;
class TRichLabel;
class TTimer;

class TForm67 : public TGameForm {
public:
    explicit TForm67(TComponent* owner);

    TLabel* lcamp = nullptr;
    TDataGrid* grid1 = nullptr;
    TLabel* Label30 = nullptr;
    TLabel* Label31 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label70 = nullptr;
    TLabel* Label8 = nullptr;
    TRichLabel* escalacao1 = nullptr;
    TRichLabel* escalacao2 = nullptr;
    TRichLabel* l_gols = nullptr;
    TRichLabel* card1 = nullptr;
    TRichLabel* card2 = nullptr;
    TGradButton* bt2 = nullptr;
    TGradButton* bt3 = nullptr;
    TDcComboBox* combo1 = nullptr;     // the state, on state-championship days
    TDcComboBox* combopais = nullptr;  // the league, on league and national cup days
    TDcComboBox* Combolib = nullptr;   // the continental edition, on continental days
    TCustomImageList* ImageList1 = nullptr;  // the mini crests of the grid
    TTimer* Timer1 = nullptr;  // instant play: continues by itself

    // The gallery and the launcher look back at the last day played instead of today.
    static inline bool showLastArchivedDay = false;

    int ShownRegion() const { return shownRegion_; }
    // The box offered today (nullptr when the day has a single competition to list).
    TDcComboBox* Chooser() const { return chooserBox_; }
    int ShownReport() const { return shownReport_; }
    void FillResultsGrid();
    void ShowMatchReport(int report);
    // "Continuar >>": the calendar advance, once.
    void Continue();

private:
    void FormClose(TObject* sender, TCloseAction& action);
    void FormKeyDown(TObject* sender, unsigned short& key, TShiftState shift);
    void bt2Click(TObject* sender);
    void bt3Click(TObject* sender);
    void ShowSelectedRow();
    void ShowChooser();
    void ClearMatchReport();
    void ChooserChanged(TDcComboBox* box);
    void ShowRegion(int region);
    std::string ReportTextOfRow(int row) const;
    std::string CrestCell(int club) const;
    void FillGoalsAndCards(int report);

    ResultsDay day_;
    ResultsChooser chooser_;
    TDcComboBox* chooserBox_ = nullptr;
    int shownRegion_ = 0;
    int shownReport_ = -1;
    bool continued_ = false;
};

}  // namespace tarvelon
