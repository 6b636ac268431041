// The coach ranking (TForm47).
#include "screens/history/coach_ranking_screen.h"

#include "controls/dc_smooth_panel.h"
#include "controls/grad_button.h"
#include "core/history/career_text.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "core/views/rankings.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/lists.h"
#include "richtext/html_label.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/common/view_helpers.h"

namespace tarvelon {

namespace {

constexpr int kInternationalImage = 203;
constexpr TColor kHumanCoachText = 0x004000;

}  // namespace

const TScreenRecord TForm47::kScreen{
    .formClass = "TForm47",
    .shows = "Ranking de técnicos",
    .area = TScreenArea::History,
    .modal = true,
    .style = BrowsingScreenStyle(),
    .subject = [] {
        const int club = SubjectClub();
        SelectedRecord = club >= 0 && club < static_cast<int>(Clubs.size()) ? Clubs[club].coach : -1;
    },
    .create = NewScreen<TForm47>,
    .file = "screens/history/coach_ranking_screen.cpp",
};

TForm47::TForm47(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* s) { FormCreate(s); });
    // The grid has its size only now: the chosen coach's row is scrolled into view again.
    BindHandler("FormShow", [this](TObject*) { gridview1->ScrollToRow(std::max(0, gridview1->SelectedRow())); });
    BindHandler("combopaisChange", [this](TObject*) {
        const int item = combopais->ItemIndex();
        if (item < 0)
            return;
        ChosenLeague = item;
        FillCoachRanking(item >= static_cast<int>(Leagues.size()) ? -1 : Leagues[item].country);
    });
    BindHandler("gridview1SelectCell", [this](TObject*, int, int) {
        ShowCoachDetails(0);
        SelectedRecord = -1;
    });
    BindHandler("gridview1CellFormating",
                [this](TObject*, int, int row, TColor& textColor, TFontStyles& style, TCellState state) {
                    const int coach = CellInt(*gridview1, "id", row, -1);
                    if (coach < 0 || coach >= static_cast<int>(Coaches.size()) || !Coaches[coach].human)
                        return;
                    // "A human coach's row is bold with font colour TColor 0x004000": on the green
                    // selection that dark green would leave his name all but unreadable, so the
                    // selected row keeps the selection's text colour (and stays bold).
                    if (!state.Contains(csSelected))
                        textColor = kHumanCoachText;
                    style = style + TFontStyles{fsBold};
                });
    BindHandler("GradButton1Click", [this](TObject*) {
        if (NextPageRow >= 1)
            ShowCoachDetails(NextPageRow);
    });
    BindHandler("GradButton3Click",
                [this](TObject*) { ShowCoachDetails(std::max(0, PageFirstRow - kCoachCareerPageRows)); });
    BindHandler("Label4Click", [this](TObject*) {
        const int coach = SelectedCoach();
        if (coach < 0)
            return;
        SelectedRecord = coach;
        OpenScreen("TForm19");
    });
    BindHandler("GradButton2Click", [this](TObject*) { Close(); });
    ReadDescription();
    gridview1 = FindChild<TDataGrid>("gridview1");
    combopais = FindChild<TComboBoxEx>("combopais");
    label13 = FindChild<TRichLabel>("label13");
    label53 = FindChild<TRichLabel>("label53");
    infojt = FindChild<TDcSmoothPanel>("infojt");
    GradButton1 = FindChild<TGradButton>("GradButton1");
    GradButton3 = FindChild<TGradButton>("GradButton3");
    Label2 = FindChild<TLabel>("Label2");
    Label3 = FindChild<TLabel>("Label3");
    Label5 = FindChild<TLabel>("Label5");
    flags = FindChild<TCustomImageList>("flags");
}

// The chosen coach's club's country, or his own without a club; with none the human club's.
int TForm47::DefaultCountry(int coach)
{
    if (coach < 0 || coach >= static_cast<int>(Coaches.size()))
        return HumanCountry();
    const int club = Coaches[coach].club;
    return club >= 0 && club < static_cast<int>(Clubs.size()) ? Clubs[club].Country : Coaches[coach].country;
}

void TForm47::FormCreate(TObject*)
{
    ColourRowsAlternately(*gridview1, false);
    Label3->SetVisible(Game.StateChampionshipsOn != 0);
    for (TRichLabel* label : {label13, label53}) {
        label->Font().SetName("Arial");
        label->Font().SetHeight(-16);
        label->SetShadowColor(clBlack);
        label->SetShadowOffset(1);
        label->SetTransparent(true);
    }
    const int coach = SelectedRecord;
    ChosenLeague = 0;
    if (Leagues.size() < 2) {
        combopais->SetVisible(false);
    } else {
        ChosenLeague = FillLeagueChooser(*combopais, *flags, DefaultCountry(coach));
        combopais->AddItem("Internacional", kInternationalImage);
    }
    FillCoachRanking(Leagues.empty() ? -1 : Leagues[ChosenLeague].country);
}

void TForm47::FillCoachRanking(int country)
{
    const int wanted = SelectedRecord;
    gridview1->BeginUpdate();
    gridview1->ClearRows();
    int position = 0;
    for (const CoachRankingRow& r : CoachRankingRows(country)) {
        const TCoach& coach = Coaches[r.coach];
        const bool hasClub = coach.active && r.club >= 0 && r.club < static_cast<int>(Clubs.size());
        const int row = gridview1->AddRow();
        gridview1->SetCellTextByName("id", row, std::to_string(r.coach));
        gridview1->SetCellTextByName("colocacao", row, std::to_string(++position));
        gridview1->SetCellTextByName("coltecnico", row, coach.name.str());
        gridview1->SetCellTextByName("timeatual", row, hasClub ? Clubs[r.club].name.str() : "");
        gridview1->SetCellTextByName("mundial", row, std::to_string(r.clubWorldCupTitles));
        gridview1->SetCellTextByName("lib", row, std::to_string(r.firstContinentalTitles));
        gridview1->SetCellTextByName("sul", row, std::to_string(r.secondContinentalTitles));
        gridview1->SetCellTextByName("nacional", row, std::to_string(r.leagueTitles));
        gridview1->SetCellTextByName("copa", row, std::to_string(r.cupTitles));
        gridview1->SetCellTextByName("estadual", row, std::to_string(r.stateTitles));
        gridview1->SetCellTextByName("pontos", row, std::to_string(r.points));
    }
    gridview1->EndUpdate();
    SelectCoach(wanted);
    SelectedRecord = -1;
}

// The row of the coach asked for, scrolled into view, else the first.
void TForm47::SelectCoach(int coach)
{
    if (gridview1->RowCount() == 0)
        return;
    int row = 0;
    for (int r = 0; r < gridview1->RowCount() && coach >= 0; ++r)
        if (CellInt(*gridview1, "id", r, -1) == coach)
            row = r;
    gridview1->SetSelectedRow(row);
    gridview1->ScrollToRow(row);
    ShowCoachDetails(0);
}

int TForm47::SelectedCoach() { return CellInt(*gridview1, "id", gridview1->SelectedRow(), -1); }

void TForm47::ShowCoachDetails(int firstRow)
{
    const int coach = SelectedCoach();
    if (coach < 0)
        return;
    const CareerPage page = CoachCareerText(coach, firstRow);
    infojt->Caption().SetHTMLText(page.text);
    PageFirstRow = std::max(0, firstRow);
    NextPageRow = page.nextFirstRow;
    GradButton1->SetVisible(page.nextFirstRow >= 1);
    GradButton3->SetVisible(page.previousPage >= 1);
    label13->SetHTMLText(CoachNameHeading(coach));
    // His national points, in the world ranking too.
    label53->SetHTMLText(CoachPointsHeading(Coaches[static_cast<std::size_t>(coach)].nationalRankingPoints));
    const std::string titles = CoachTitlesText(coach);
    Label2->SetCaption(titles.empty() ? "" : "Títulos");
    Label5->SetCaption(titles);
}

}  // namespace tarvelon
