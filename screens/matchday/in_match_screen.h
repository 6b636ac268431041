#pragma once
// The human coach's management of a running match (TForm88, ActiveMatch, side ReportMode): score,
// time, stadium and crowd, both coaches, the match's events and statistics, his players on the
// pitch and on the bench (substitutions within the limit, two starters swapping places) and his
// three tactics. The opponent's side can be looked at, not changed. The matchday clock stays off
// while it is open; the matchday screen runs it again when it closes.
#include "screens/common/game_form.h"

namespace tarvelon {

class TComboBox;
class TGradButton;
class TImage;
class TLabel;
class TListView;
class TPictureContainer;
class TRichLabel;
class TShape;

class TForm88 : public TGameForm {
public:
    explicit TForm88(TComponent* owner);

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
    TLabel* lbaviso = nullptr;
    TRichLabel* info1 = nullptr;
    TListView* l_campo = nullptr;
    TListView* l_reservas = nullptr;
    TGradButton* bt_substituir = nullptr;
    TGradButton* bt_trocar = nullptr;
    TComboBox* comboej = nullptr;
    TComboBox* combomarc = nullptr;
    TComboBox* combo_cataq = nullptr;
    TRichLabel* lb_tat1 = nullptr;
    TRichLabel* lb_tat2 = nullptr;
    TRichLabel* lb_tat3 = nullptr;
    TRichLabel* RichLabel1 = nullptr;
    TRichLabel* events = nullptr;
    TRichLabel* dlg_st = nullptr;
    TGradButton* bt_irprojogo = nullptr;

    int ShownSide() const { return side_; }
    // The starter place (1..11) of a row of l_campo, the bench place (1..7) of a row of l_reservas.
    int StarterPlaceOfRow(int row) const;
    int BenchPlaceOfRow(int row) const;

private:
    void FormCreate(TObject* sender);
    void FormKeyDown(TObject* sender, unsigned short& key, TShiftState shift);
    void nometime1Click(TObject* sender);
    void nometime2Click(TObject* sender);
    void RichLabel1Click(TObject* sender);
    void comboejChange(TObject* sender);
    void combomarcChange(TObject* sender);
    void combo_cataqChange(TObject* sender);
    void bt_substituirClick(TObject* sender);
    void bt_trocarClick(TObject* sender);
    void bt_irprojogoClick(TObject* sender);

    void ShowHeader();
    void ShowSide(int side);
    void ShowMatchEvents();
    void ShowStats();
    bool SideIsManaged() const;
    int Club() const;

    int side_ = 0;
    int swapFrom_ = 0;  // the starter place chosen first for a swap, 0 for none
    TPictureContainer* icons_ = nullptr;
};

}  // namespace tarvelon
