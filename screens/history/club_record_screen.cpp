// A club's record season by season (TForm55).
#include "screens/history/club_record_screen.h"

#include "core/basics/literal_text.h"
#include "core/tables.h"
#include "core/views/club_record.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/common/view_helpers.h"

namespace tarvelon {

namespace {

constexpr TColor kSummaryText = 0x800000;   // navy
constexpr TColor kSummaryColor = 0xC1FFFF;  // light yellow

bool IsSummaryRow(TDataGrid& grid, int row) { return row < grid.RowCount() && !grid.GetCellText(0, row).empty(); }

}  // namespace

const TScreenRecord TForm55::kScreen{
    .formClass = "TForm55",
    .shows = "Campanhas do clube",
    .area = TScreenArea::History,
    .modal = true,
    .style = {.closeOnEscape = true},
    .subject = [] { RecordClub = SubjectClub(); },
    .create = NewScreen<TForm55>,
    .file = "screens/history/club_record_screen.cpp",
};

TForm55::TForm55(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* s) { FormCreate(s); });
    BindHandler("GridCellColoring", [this](TObject*, int, int row, TColor& cellColor, TColor&, TCellState) {
        if (IsSummaryRow(*Grid, row))
            cellColor = kSummaryColor;
    });
    BindHandler("GridCellFormating",
                [this](TObject*, int, int row, TColor& textColor, TFontStyles& style, TCellState) {
                    if (!IsSummaryRow(*Grid, row))
                        return;
                    textColor = kSummaryText;
                    style = style + TFontStyles{fsBold};
                });
    BindHandler("GradButton2Click", [this](TObject*) { Close(); });
    ReadDescription();
    Grid = FindChild<TDataGrid>("Grid");
    Label1 = FindChild<TLabel>("Label1");
    Label2 = FindChild<TLabel>("Label2");
    Label5 = FindChild<TLabel>("Label5");
    escudo = FindChild<TImage>("escudo");
}

void TForm55::FormCreate(TObject*)
{
    const int club = RecordClub;
    if (club < 0 || club >= static_cast<int>(Clubs.size()))
        return;
    Label5->SetCaption(CaptionLiteral(Clubs[club].name.str()));
    ShowCrest(*escudo, club);
    FillClubRecord(club);
    const std::string titles = ClubTitlesLine(club);
    Label1->SetCaption(titles.empty() ? "" : "Títulos");
    Label2->SetCaption(titles);
}

void TForm55::FillClubRecord(int club)
{
    Grid->BeginUpdate();
    Grid->ClearRows();
    for (const ClubRecordRow& r : ClubRecordRows(club)) {
        const int row = Grid->AddRow();
        Grid->SetCellTextByName("colano", row, r.year);
        Grid->SetCellTextByName("colcampeonato", row, r.competition);
        Grid->SetCellTextByName("colcolocacao", row, r.placing);
        Grid->SetCellTextByName("colj", row, std::to_string(r.games));
        Grid->SetCellTextByName("colv", row, std::to_string(r.wins));
        Grid->SetCellTextByName("cold", row, std::to_string(r.losses));
        Grid->SetCellTextByName("cole", row, std::to_string(r.draws));
        Grid->SetCellTextByName("colgp", row, std::to_string(r.goalsFor));
        Grid->SetCellTextByName("colgc", row, std::to_string(r.goalsAgainst));
        Grid->SetCellTextByName("coltecnicos", row, r.coaches);
        Grid->SetCellTextByName("anoid", row, std::to_string(r.season));
    }
    Grid->EndUpdate();
}

}  // namespace tarvelon
