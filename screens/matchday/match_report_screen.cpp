// The match report (TForm52).
#include "screens/matchday/match_report_screen.h"

#include "controls/dc_smooth_message_dialog.h"
#include "controls/dc_glow_button.h"
#include "controls/dc_smooth_panel.h"
#include "core/basics/literal_text.h"
#include "core/records/match_records.h"
#include "core/records/game_state.h"
#include "core/season/competition_kind.h"
#include "core/tables.h"
#include "core/views/match_report_view.h"
#include "platform/stdctrls/graphic_controls.h"
#include "richtext/html_label.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/matchday/matchday_pictures.h"
#include "screens/matchday/report_pitch.h"

namespace tarvelon {

namespace {

std::string Shadowed(const std::string& text) { return "<shad>" + text + "</shad>"; }
std::string Olive(const std::string& text) { return "<SHAD><FONT color=\"#C1C100\">" + text + "</font></shad>"; }

}  // namespace

const TScreenRecord TForm52::kScreen{
    .formClass = "TForm52",
    .shows = "Relatório da partida",
    .area = TScreenArea::Matchday,
    .modal = true,
    .subject = [] {
        MatchReportIndex = SubjectMatchReport();
        ReportMode = 1;
    },
    .create = NewScreen<TForm52>,
    .file = "screens/matchday/match_report_screen.cpp",
};

TForm52::TForm52(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* sender) { FormCreate(sender); });
    BindHandler("nometime1Click", [this](TObject* sender) { nometime1Click(sender); });
    BindHandler("nometime2Click", [this](TObject* sender) { nometime2Click(sender); });
    BindHandler("RichLabel1Click", [this](TObject* sender) { RichLabel1Click(sender); });
    BindHandler("bt_irprojogoClick", [this](TObject* sender) { bt_irprojogoClick(sender); });
    ReadDescription();
    info1 = FindChild<TRichLabel>("info1");
    sh1 = FindChild<TShape>("sh1");
    sh2 = FindChild<TShape>("sh2");
    bck1 = FindChild<TShape>("bck1");
    bck2 = FindChild<TShape>("bck2");
    esc1 = FindChild<TImage>("esc1");
    esc2 = FindChild<TImage>("esc2");
    nometime1 = FindChild<TLabel>("nometime1");
    nometime2 = FindChild<TLabel>("nometime2");
    nometime_s1 = FindChild<TLabel>("nometime_s1");
    nometime_s2 = FindChild<TLabel>("nometime_s2");
    p1 = FindChild<TRichLabel>("p1");
    p2 = FindChild<TRichLabel>("p2");
    lb_estadio = FindChild<TRichLabel>("lb_estadio");
    lb_renda = FindChild<TRichLabel>("lb_renda");
    lb_pub = FindChild<TRichLabel>("lb_pub");
    RichLabel1 = FindChild<TRichLabel>("RichLabel1");
    teste = FindChild<TDcSmoothPanel>("teste");
    lb_tat1 = FindChild<TRichLabel>("lb_tat1");
    lb_tat2 = FindChild<TRichLabel>("lb_tat2");
    lb_tat3 = FindChild<TRichLabel>("lb_tat3");
    dlg_st = FindChild<TDcSmoothMessageDialog>("dlg_st");
    bt_irprojogo = FindChild<TDcGlowButton>("bt_irprojogo");
    pitch = new TReportPitch(this);
    pitch->SetName("pitch");
    pitch->SetParent(this);
    pitch->SetBounds(11, 0, 465, 601);
    // The formation and the tactics are written at the pitch's lower right, over the grass.
    for (TControl* label : std::initializer_list<TControl*>{info1, lb_tat1, lb_tat2, lb_tat3}) {
        label->SetParent(pitch->Field());
        label->SetBounds(label->Left() - pitch->Left(), label->Top() - pitch->Top(), label->Width(), label->Height());
    }
}

void TForm52::FormCreate(TObject*)
{
    report_ = MatchReportIndex;
    if (report_ < 0 || report_ >= static_cast<int>(MatchReports.size()))
        return;
    const TMatchReport& r = MatchReports[report_];
    icons_ = NewEventIconGdipContainer(this);
    for (TRichLabel* label : {info1, p1, p2, lb_estadio, lb_renda, lb_pub, RichLabel1, lb_tat1, lb_tat2, lb_tat3})
        if (label)
            label->SetTransparent(true);
    teste->SetPictureContainer(icons_);
    const auto clubName = [](int club) { return club >= 0 && club < static_cast<int>(Clubs.size()) ? Clubs[club].name.str() : std::string(); };
    nometime1->SetCaption(CaptionLiteral(clubName(r.club[0])));
    nometime2->SetCaption(CaptionLiteral(clubName(r.club[1])));
    nometime_s1->SetCaption(CaptionLiteral(clubName(r.club[0])));
    nometime_s2->SetCaption(CaptionLiteral(clubName(r.club[1])));
    ShowClubCrest(esc1, r.club[0], false);
    ShowClubCrest(esc2, r.club[1], false);
    teste->Caption().SetHTMLText(ReportEventsHtml(report_));
    p1->SetHTMLText(Shadowed(std::to_string(r.goals[0])));
    p2->SetHTMLText(Shadowed(std::to_string(r.goals[1])));
    lb_estadio->SetHTMLText(Olive(MarkupLiteral(ReportHomeStadium(report_))));
    const CrowdTexts crowd = ReportCrowdTexts(report_);
    if (Game.DayKind < kKindWorldCup && Game.DayKind != kKindClubWorldCup) {
        lb_pub->SetHTMLText(Olive(crowd.attendance));
        lb_pub->SetHint(crowd.sectors);
    }
    lb_renda->SetHTMLText(Olive(crowd.gate));
    RichLabel1->SetHTMLText("<FONT color=\"#FFFFFF\"><u>Estatísticas</u></font>");
    dlg_st->HTMLText().SetText("<FONT color=\"#FFFFFF\">" + ReportStatsHtml(report_) + "</font>");
    if (dlg_st->ButtonCount() == 0)
        dlg_st->AddButton("Ok", mrOk);
    side_ = 0;
    SelectSide(ReportMode == 2 ? 2 : 1);
}

void TForm52::SelectSide(int side)
{
    if (side == side_)
        return;
    side_ = side;
    ReportMode = side;
    sh1->SetVisible(side == 1);
    sh2->SetVisible(side == 2);
    PointAtTheOtherSide(side, {nometime1, bck1, esc1}, {nometime2, bck2, esc2});
    ShowLineups(side);
    Invalidate();
}

void TForm52::ShowLineups(int side)
{
    if (report_ < 0)
        return;
    const TMatchReport& r = MatchReports[report_];
    pitch->ShowEleven(report_, side);
    const int club = r.club[side - 1];
    const std::string name = club >= 0 && club < static_cast<int>(Clubs.size()) ? Clubs[club].name.str() : std::string();
    info1->SetHTMLText(Shadowed("<P align=\"center\">Formação inicial:" + MarkupLiteral(name) + " " + FormatReportFormation(report_, side) + "</p>"));
    const ReportTactics tactics = ReportSideTactics(report_, side);
    lb_tat1->SetHTMLText(Shadowed(tactics.style));
    lb_tat2->SetHTMLText(Shadowed(tactics.marking));
    lb_tat3->SetHTMLText(Shadowed(tactics.attackFocus));
}

void TForm52::nometime1Click(TObject*) { SelectSide(1); }
void TForm52::nometime2Click(TObject*) { SelectSide(2); }

void TForm52::RichLabel1Click(TObject*) { dlg_st->Execute(); }

void TForm52::bt_irprojogoClick(TObject*) { Close(); }

}  // namespace tarvelon
