#pragma once
// The report of one archived match (TForm52, MatchReportIndex, side ReportMode): both clubs with
// crests and score, one side's starting eleven on the pitch with its formation and tactics, the
// events with their icons, stadium, gate and crowd, and the statistics box on request.
#include "screens/common/game_form.h"

namespace tarvelon {

class TDcSmoothMessageDialog;
class TDcGlowButton;
class TImage;
class TLabel;
class TDcSmoothPanel;
class TGDIPPictureContainer;
class TReportPitch;
class TRichLabel;
class TShape;

class TForm52 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm52(TComponent* owner);

    TRichLabel* info1 = nullptr;
    TShape* sh1 = nullptr;
    TShape* sh2 = nullptr;
    TShape* bck1 = nullptr;
    TShape* bck2 = nullptr;
    TImage* esc1 = nullptr;
    TImage* esc2 = nullptr;
    TLabel* nometime1 = nullptr;
    TLabel* nometime2 = nullptr;
    TLabel* nometime_s1 = nullptr;  // the names' shadows
    TLabel* nometime_s2 = nullptr;
    TRichLabel* p1 = nullptr;
    TRichLabel* p2 = nullptr;
    TRichLabel* lb_estadio = nullptr;
    TRichLabel* lb_renda = nullptr;
    TRichLabel* lb_pub = nullptr;
    TRichLabel* RichLabel1 = nullptr;
    TDcSmoothPanel* teste = nullptr;  // the events
    TRichLabel* lb_tat1 = nullptr;
    TRichLabel* lb_tat2 = nullptr;
    TRichLabel* lb_tat3 = nullptr;
    TDcSmoothMessageDialog* dlg_st = nullptr;
    TDcGlowButton* bt_irprojogo = nullptr;
    TReportPitch* pitch = nullptr;

    int ShownSide() const { return side_; }
    void ShowLineups(int side);

private:
    void FormCreate(TObject* sender);
    void nometime1Click(TObject* sender);
    void nometime2Click(TObject* sender);
    void RichLabel1Click(TObject* sender);
    void bt_irprojogoClick(TObject* sender);
    void SelectSide(int side);

    int report_ = -1;
    int side_ = 1;
    TGDIPPictureContainer* icons_ = nullptr;
};

}  // namespace tarvelon
