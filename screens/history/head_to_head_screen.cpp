// The meetings of two clubs (TForm15).
#include "screens/history/head_to_head_screen.h"

#include <algorithm>

#include "controls/grad_button.h"
#include "core/basics/literal_text.h"
#include "core/tables.h"
#include "core/views/meetings.h"
#include "grid/dg_grid.h"
#include "platform/forms/keys.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"
#include "screens/common/view_helpers.h"

namespace tarvelon {

const TScreenRecord TForm15::kScreen{
    .formClass = "TForm15",
    .shows = "Confronto direto",
    .area = TScreenArea::History,
    .modal = true,
    .style = {.closeOnEscape = true},
    .subject = [] { HeadToHeadClubs = {SubjectClub(), SubjectRivalClub()}; },
    .create = NewScreen<TForm15>,
    .file = "screens/history/head_to_head_screen.cpp",
};

TForm15::TForm15(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* s) { FormCreate(s); });
    BindHandler("FormKeyDown", [this](TObject*, unsigned short& key, TShiftState) {
        if (key == VK_RETURN)
            bt3Click();
    });
    BindHandler("bt3Click", [this](TObject*) { bt3Click(); });
    BindHandler("GradButton1Click", [this](TObject*) { Close(); });
    ReadDescription();
    Gridview1 = FindChild<TDataGrid>("Gridview1");
    c1 = FindChild<TComboBox>("c1");
    c2 = FindChild<TComboBox>("c2");
    bt3 = FindChild<TGradButton>("bt3");
    Label1 = FindChild<TLabel>("Label1");
    Label2 = FindChild<TLabel>("Label2");
    Label4 = FindChild<TLabel>("Label4");
    Label5 = FindChild<TLabel>("Label5");
    Label6 = FindChild<TLabel>("Label6");
}

void TForm15::FormCreate(TObject*)
{
    ColourRowsAlternately(*Gridview1, false);
    ItemClubs.clear();
    for (const auto& [name, club] : ClubsByName()) {
        c1->Items().Add(name);
        c2->Items().Add(name);
        ItemClubs.push_back(club);
    }
    SelectClub(*c1, HeadToHeadClubs[0]);
    SelectClub(*c2, HeadToHeadClubs[1]);
    Label1->SetCaption("");
    Label2->SetCaption("");
    Label4->SetCaption("");
    Label5->SetCaption("");
    Label6->SetCaption("");
    if (HeadToHeadClubs[0] != -1 && HeadToHeadClubs[1] != -1)
        ShowHeadToHead(HeadToHeadClubs[0], HeadToHeadClubs[1]);
}

void TForm15::SelectClub(TComboBox& combo, int club)
{
    const auto found = std::find(ItemClubs.begin(), ItemClubs.end(), club);
    combo.SetItemIndex(found == ItemClubs.end() ? -1 : static_cast<int>(found - ItemClubs.begin()));
}

// Two different clubs chosen: their meetings; anything else does nothing.
void TForm15::bt3Click()
{
    const int a = c1->ItemIndex();
    const int b = c2->ItemIndex();
    if (a < 0 || b < 0 || a == b)
        return;
    ShowHeadToHead(ItemClubs[a], ItemClubs[b]);
}

void TForm15::ShowHeadToHead(int clubA, int clubB)
{
    Label1->SetCaption(CaptionLiteral(Clubs[clubA].name.str()));
    Label2->SetCaption(CaptionLiteral(Clubs[clubB].name.str()));
    const auto rows = MeetingRows(clubA, clubB);
    Gridview1->BeginUpdate();
    Gridview1->ClearRows();
    for (const MeetingRow& m : rows) {
        const int row = Gridview1->AddRow();
        Gridview1->SetCellTextByName("colano", row, std::to_string(m.year));
        Gridview1->SetCellTextByName("colestadio", row, m.ground);
        Gridview1->SetCellTextByName("colt1", row, m.homeName);
        Gridview1->SetCellTextByName("colp", row, m.score);
        Gridview1->SetCellTextByName("colt2", row, m.awayName);
        Gridview1->SetCellTextByName("colcamp", row, m.competition);
    }
    Gridview1->EndUpdate();
    Label4->SetCaption(MeetingCountText(static_cast<int>(rows.size())));
    const auto [sideA, sideB] = MeetingSummaryTexts(clubA, clubB);
    Label5->SetCaption(CaptionLiteral(sideA));
    Label6->SetCaption(CaptionLiteral(sideB));
}

}  // namespace tarvelon
