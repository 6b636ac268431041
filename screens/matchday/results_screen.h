#pragma once
// The results of the matchday just played (TForm67): the archived matches of the day with both
// crests, one region at a time (the league, continental edition or state picked in a box), and the
// report of the selected one (crests, venue, crowd and gate, statistics, both sides' tactics,
// line-ups with ratings and substitutes, goals and cards); "Continuar >>" (or Enter, or by itself
// in instant play) moves the calendar on to the next screen the rules choose.
#include <string>

#include "core/views/day_results.h"
#include "screens/common/game_form.h"

namespace tarvelon {

class TCustomImageList;
class TDataGrid;
class TDcComboBox;
class TGradButton;
class TImage;
class TLabel;
class TPanel;
class TRichLabel;
class TTimer;

class TForm67 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm67(TComponent* owner);

    TPanel* Panel1 = nullptr;
    TLabel* lcamp = nullptr;
    TDataGrid* grid1 = nullptr;
    TLabel* Label30 = nullptr;
    TLabel* Label31 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label70 = nullptr;
    TLabel* Label8 = nullptr;   // the crowd, its sectors in the hint
    TLabel* Label26 = nullptr;  // the gate
    TImage* escudo = nullptr;
    TImage* escudo2 = nullptr;
    // The statistics in three columns: home values, what they count, away values.
    TLabel* lbstat1 = nullptr;
    TLabel* lbstatnomes = nullptr;
    TLabel* lbstat2 = nullptr;
    // Each side's playing style, attack focus and marking.
    TLabel* lbtat1 = nullptr;
    TLabel* lbtat2 = nullptr;
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
    void ShowRow(int row);
    void ShowChooser();
    void ClearMatchReport();
    void ChooserChanged(TDcComboBox* box);
    void ShowRegion(int region);
    std::string ReportTextOfRow(int row) const;
    std::string CrestCell(int club) const;
    void FillGoalsAndCards(int report);
    int LineupSpareRoom();
    struct GoalsAndCardsPlan;
    GoalsAndCardsPlan PlanGoalsAndCards();
    void LayOutLineupsGoalsAndCards(int report);
    void ShowVenueAndCrowd(int report);
    void ShowStatsAndTactics(int report);

    ResultsDay day_;
    ResultsChooser chooser_;
    TDcComboBox* chooserBox_ = nullptr;
    int shownRegion_ = 0;
    int shownReport_ = -1;
    bool continued_ = false;
    // The panel, the line-up boxes, the goals box and the card boxes below it as the form lays them out.
    TRect panelBox_{};
    TRect lineupsBox_[2]{};
    TRect goalsBox_{};
    TRect cardsBox_[2]{};
};

}  // namespace tarvelon
