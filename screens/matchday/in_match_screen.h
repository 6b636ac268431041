#pragma once
// The human coach's management of a running match (TForm88, ActiveMatch, side ReportMode): score,
// time, stadium and crowd, both coaches, the match's events and statistics, his players on the
// pitch and on the bench, on the pitch board: a substitute dragged onto a starter (or a starter
// onto a substitute) comes on within the match's limit, two starters dragged onto each other swap
// places, an outfield starter dragged onto the pitch plays at that place; and his three tactics.
// The opponent's side can be looked at, not changed. The matchday clock stays off while it is
// open; the matchday screen runs it again when it closes.
#include <memory>
#include <string>

#include "screens/common/game_form.h"

namespace tarvelon {

class TDcComboBox;
class TDcGlowButton;
class TImage;
class TLabel;
class TPictureContainer;
class TPitchBoard;
class TRichLabel;
class TDcSmoothMessageDialog;
class TShape;
class TWinControl;

class TForm88 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm88(TComponent* owner);
    ~TForm88() override;

    TShape* bck1 = nullptr;
    TShape* bck2 = nullptr;
    TShape* sh1 = nullptr;
    TShape* sh2 = nullptr;
    TImage* esc1 = nullptr;
    TImage* esc2 = nullptr;
    TLabel* nometime1 = nullptr;
    TLabel* nometime2 = nullptr;
    TLabel* lbtec1 = nullptr;
    TLabel* lbtec2 = nullptr;
    TLabel* lbplacar = nullptr;
    TLabel* lbtempo = nullptr;
    TLabel* lb_estadio = nullptr;
    TLabel* lb_pub = nullptr;
    TLabel* lb_renda = nullptr;
    TLabel* lb_jogo1 = nullptr;
    TDcSmoothMessageDialog* dlg_info1 = nullptr;
    TRichLabel* info1 = nullptr;
    TWinControl* Panel1 = nullptr;
    TImage* Image1 = nullptr;
    TImage* Image3 = nullptr;
    TDcComboBox* comboej = nullptr;
    TDcComboBox* combomarc = nullptr;
    TDcComboBox* combo_cataq = nullptr;
    TRichLabel* lb_tat1 = nullptr;
    TRichLabel* lb_tat2 = nullptr;
    TRichLabel* lb_tat3 = nullptr;
    TRichLabel* RichLabel1 = nullptr;
    TRichLabel* events = nullptr;
    TDcSmoothMessageDialog* dlg_st = nullptr;
    TDcGlowButton* bt_irprojogo = nullptr;

    int ShownSide() const { return side_; }
    TPitchBoard& PitchBoard() { return *pitch_; }
    // The board's shirt of a player place (1..10 outfield starters, 11 the goalkeeper, 12..18 the
    // bench): the board wears the goalkeeper on shirt 1 and the outfield starters on 2..11.
    static int ShirtOfPlace(int place) { return place == 11 ? 1 : place <= 10 ? place + 1 : place; }
    static int PlaceOfShirt(int shirt) { return shirt == 1 ? 11 : shirt <= 11 ? shirt - 1 : shirt; }

private:
    void FormCreate(TObject* sender);
    void FormKeyDown(TObject* sender, unsigned short& key, TShiftState shift);
    void nometime1Click(TObject* sender);
    void nometime2Click(TObject* sender);
    void RichLabel1Click(TObject* sender);
    void comboejChange(TObject* sender);
    void combomarcChange(TObject* sender);
    void combo_cataqChange(TObject* sender);
    void bt_irprojogoClick(TObject* sender);
    void PlaceDrop(int targetPlace, int sourcePlace);
    void PitchDrop(TObject* source, int x, int y);
    void Substitute(int starterPlace, int benchPlace);
    int SubstitutionMinute() const;
    std::string TimeText() const;
    void CreateBoard();
    void ScatterShirts();
    void ShowPlace(int place, int player, int pitchSlot);

    void ShowHeader();
    void ShowSide(int side);
    void ShowMatchEvents();
    void ShowStats();
    bool SideIsManaged() const;
    bool MatchHoldsClubs() const;
    int SideClub(int side) const;
    int SideLineup(int side) const;
    int Club() const;

    int side_ = 0;
    TPictureContainer* icons_ = nullptr;
    std::unique_ptr<TPitchBoard> pitch_;
};

}  // namespace tarvelon
