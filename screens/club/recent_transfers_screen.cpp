// The recent transfers (TForm58).
#include "screens/club/recent_transfers_screen.h"

#include "core/basics/literal_text.h"
#include "core/tables.h"
#include "core/views/transfer_list.h"
#include "grid/dg_grid.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/common/view_helpers.h"

namespace tarvelon {

const TScreenRecord TForm58::kScreen{
    .formClass = "TForm58",
    .shows = "Últimas transferências",
    .area = TScreenArea::Club,
    .modal = true,
    .style = {.closeOnEscape = true},
    .subject = [] { TransferListMode = 1; },
    .create = NewScreen<TForm58>,
    .file = "screens/club/recent_transfers_screen.cpp",
};

TForm58::TForm58(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) {
        ColourRowsAlternately(*Gridview1, false);
        FillTransferList();
    });
    BindHandler("combopaisChange", [this](TObject*) { combopaisChange(); });
    BindHandler("bt3Click", [this](TObject*) { Close(); });
    ReadDescription();
    Label5 = FindChild<TLabel>("Label5");
    combopais = FindChild<TComboBox>("combopais");
    Gridview1 = FindChild<TDataGrid>("Gridview1");
}

void TForm58::FillTransferList()
{
    const bool coaches = TransferListMode == 2;
    combopais->SetVisible(!coaches);
    ShowCoachColumns(coaches);
    if (coaches) {
        Label5->SetCaption("Técnicos");
        FillRows(CoachHireRows());
        return;
    }
    FillClubChooser();
    if (TransferListMode == 3) {
        const bool known = TransferListClub >= 0 && TransferListClub < static_cast<int>(Clubs.size());
        Label5->SetCaption(CaptionLiteral("Jogadores - " + (known ? Clubs[TransferListClub].name.str() : std::string())));
        FillRows(ClubTransferRows(TransferListClub));
    } else {
        Label5->SetCaption("Jogadores - todos");
        FillRows(RecentTransferRows());
    }
}

// "Todos" and the league clubs; a club that is not among them leaves nothing selected.
void TForm58::FillClubChooser()
{
    if (combopais->Items().Count() == 0) {
        combopais->Items().Add("Todos");
        for (int c = 0; c < Game.LeagueClubCount && c < static_cast<int>(Clubs.size()); ++c)
            combopais->Items().Add(Clubs[c].name.str());
    }
    combopais->SetItemIndex(TransferListMode == 3 ? TransferListChooserItem(TransferListClub) : 0);
}

void TForm58::ShowCoachColumns(bool coaches)
{
    Gridview1->ColumnByName("Coljogador")->Header().SetCaption(coaches ? "Técnico" : "Jogador");
    Gridview1->ColumnByName("coldestino")->Header().SetCaption(coaches ? "Clube em que foi admitido"
                                                                         : "Clube de Destino");
    Gridview1->ColumnByName("colorigem")->SetVisible(!coaches);
    Gridview1->ColumnByName("colvalor")->SetVisible(!coaches);
}

void TForm58::FillRows(const std::vector<TransferListRow>& rows)
{
    Gridview1->BeginUpdate();
    Gridview1->ClearRows();
    for (const TransferListRow& r : rows) {
        const int row = Gridview1->AddRow();
        Gridview1->SetCellTextByName("id", row, std::to_string(r.index));
        Gridview1->SetCellTextByName("colano", row, r.date);
        Gridview1->SetCellTextByName("Coljogador", row, r.name);
        Gridview1->SetCellTextByName("colorigem", row, r.clubLeft);
        Gridview1->SetCellTextByName("coldestino", row, r.clubJoined);
        Gridview1->SetCellTextByName("colvalor", row, r.fee);
    }
    Gridview1->EndUpdate();
}

void TForm58::combopaisChange()
{
    const int item = combopais->ItemIndex();
    if (item < 0)
        return;
    TransferListMode = item >= 1 ? 3 : 1;
    if (item >= 1)
        TransferListClub = item - 1;
    FillTransferList();
}

}  // namespace tarvelon
