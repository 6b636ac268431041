#pragma once
// The national-team coach's call-up (TForm77): players of the country searched at the league clubs,
// moved into the call-up list (3 goalkeepers and 20 outfield players at most) and, with "Continuar
// >>", into the national team through core (CommitNationalCallUp).
#include "core/views/call_up_search.h"
#include "screens/common/game_form.h"
#include "screens/common/player_filters.h"

namespace tarvelon {

class TGradButton;
class TImage;
class TCustomImageList;

// The national team's club entry called up when no human national team is (CallUpTeam): the
// gallery's and the tests' subject.
extern int CallUpNationEntry;

// The filter choosers (c1..c6, Edit1, ckestrela) are the player search's.
class TForm77 : public TGameForm, public PlayerFilterChoosers {
public:
    static const TScreenRecord kScreen;
    explicit TForm77(TComponent* owner);

    TGradButton* GradButton1 = nullptr;
    TGradButton* GradButton2 = nullptr;
    TGradButton* GradButton3 = nullptr;
    TGradButton* bt2 = nullptr;
    TDataGrid* gfind = nullptr;
    TDataGrid* gsel = nullptr;
    TLabel* Label9 = nullptr;
    TLabel* Label10 = nullptr;
    TLabel* Label15 = nullptr;
    TLabel* Label16 = nullptr;
    TImage* escudo = nullptr;
    TCustomImageList* ImageList1 = nullptr;

    const CallUpSquad& Squad() const { return squad_; }

private:
    void FormCreate();
    void FillFilters();
    void GradButton3Click();
    void gfindSelectCell(int row);
    void GradButton1Click();
    void gselSelectCell(int row);
    void GradButton2Click();
    void bt2Click();
    void ShowCounters();
    void AddPlayerRow(TDataGrid& grid, int player, bool withClub);

    int entry_ = -1;
    CallUpSquad squad_;
};

// The showNationalCallUp hook: the call-up of human national team `team` (1..6), modal.
void ShowNationalCallUpOnScreen(int team);

}  // namespace tarvelon
