// A club's matches of the season (TForm18).
#include "screens/competitions/club_fixtures_screen.h"

#include "core/basics/literal_text.h"
#include "core/tables.h"
#include "core/views/club_fixtures.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/choosers.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/common/view_helpers.h"

namespace tarvelon {

namespace {

constexpr TColor kHomeColor = 0x800000;  // navy
constexpr TColor kAwayColor = 0x0000B9;  // dark red

}  // namespace

const TScreenRecord TForm18::kScreen{
    .formClass = "TForm18",
    .shows = "Jogos do clube na temporada",
    .area = TScreenArea::Competitions,
    .modal = true,
    .style = {.closeOnEscape = true, .closeOnEnter = true},
    .subject = [] { FixtureListClub = SubjectClub(); },
    .create = NewScreen<TForm18>,
    .file = "screens/competitions/club_fixtures_screen.cpp",
};

TForm18::TForm18(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* s) { FormCreate(s); });
    BindHandler("combo1Change", ShowChosenItem([this](const std::string& item) {
                    FillFixtureList(ClubFixtureFilterKind(item));
                }));
    BindHandler("list1DblClick", [this](TObject*, int, int row) { list1DblClick(row); });
    BindHandler("list1CellFormating",
                [this](TObject*, int col, int row, TColor& textColor, TFontStyles&, TCellState) {
                    if (list1->ColumnByName("colforacasa")->Index() != col)
                        return;
                    textColor = list1->GetCellText(col, row) == "C" ? kHomeColor : kAwayColor;
                });
    BindHandler("bt3Click", [this](TObject*) { Close(); });
    ReadDescription();
    list1 = FindChild<TDataGrid>("list1");
    combo1 = FindChild<TComboBox>("combo1");
    Label1 = FindChild<TLabel>("Label1");
    escudo = FindChild<TImage>("escudo");
}

void TForm18::FormCreate(TObject*)
{
    ColourRowsAlternately(*list1, false);
    const int club = FixtureListClub;
    const bool valid = club >= 0 && club < static_cast<int>(Clubs.size());
    Label1->SetCaption(CaptionLiteral(valid ? Clubs[club].name.str() : ""));
    ShowCrest(*escudo, club);
    FillFixtureList(-1);
    for (const std::string& item : ClubFixtureFilterItems(club))
        combo1->Items().Add(item);
    combo1->SetItemIndex(0);
}

void TForm18::FillFixtureList(int kind)
{
    list1->BeginUpdate();
    list1->ClearRows();
    for (const ClubFixtureRow& r : ClubFixtureRows(FixtureListClub, kind)) {
        const int row = list1->AddRow();
        list1->SetCellTextByName("coldata", row, r.date);
        list1->SetCellTextByName("colforacasa", row, r.homeOrAway);
        list1->SetCellTextByName("coltime1", row, r.homeName);
        list1->SetCellTextByName("colx", row, r.score);
        list1->SetCellTextByName("coltime2", row, r.awayName);
        list1->SetCellTextByName("colnomecamp", row, r.competition);
        list1->SetCellTextByName("colpublico", row, r.attendance);
        list1->SetCellTextByName("colrenda", row, r.gate);
        list1->SetCellTextByName("colid", row, std::to_string(r.fixture));
        list1->SetCellTextByName("coldatareal", row, std::to_string(static_cast<long long>(r.when)));
    }
    list1->EndUpdate();
}

void TForm18::list1DblClick(int row)
{
    OpenReportOfFixture(CellInt(*list1, "colid", row, -1));
}

}  // namespace tarvelon
