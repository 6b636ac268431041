// The human coaches' list (TForm50) and the new coach's name (TForm51).
#include "screens/club/human_coaches_screens.h"

#include <cstdlib>

#include "controls/grad_button.h"
#include "core/basics/typed_text.h"
#include "core/career/human_coaches.h"
#include "core/tables.h"
#include "platform/forms/application.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/list_view.h"
#include "platform/stdctrls/message_box.h"
#include "screens/common/screen_registry.h"
#include "screens/common/typed_fields.h"

namespace tarvelon {

std::string NewCoachName;

namespace {

constexpr int kCoachColumn = 2;  // the hidden column's place among the sub-items

int CoachOfRow(TListItem* item)
{
    if (!item || item->SubItems().Count() <= kCoachColumn)
        return -1;
    return std::atoi(item->SubItems()[kCoachColumn].c_str());
}

}  // namespace

const TScreenRecord TForm50::kScreen{
    .formClass = "TForm50",
    .shows = "Técnicos Humanos:",
    .area = TScreenArea::Club,
    .modal = true,
    .create = NewScreen<TForm50>,
    .file = "screens/club/human_coaches_screens.cpp",
};

TForm50::TForm50(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    BindHandler("list1SelectItem", [this](TObject*, TListItem* item, bool selected) {
        if (bt1 && selected && item) bt1->SetEnabled(true);
    });
    BindHandler("bt1Click", [this](TObject*) { bt1Click(); });
    BindHandler("bt2Click", [this](TObject*) { bt2Click(); });
    BindHandler("GradButton2Click", [this](TObject*) { Close(); });
    ReadDescription();
    list1 = FindChild<TListView>("list1");
    bt1 = FindChild<TGradButton>("bt1");
    bt2 = FindChild<TGradButton>("bt2");
    GradButton2 = FindChild<TGradButton>("GradButton2");
}

void TForm50::FormCreate()
{
    for (const HumanCoachRow& row : HumanCoachRows())
        AddRow(row.coach, row.name, row.clubName);
    UpdateAddButton();
}

void TForm50::AddRow(int coach, const std::string& name, const std::string& clubName)
{
    if (!list1)
        return;
    TListItem* item = list1->Items().Add();
    item->SetCaption(std::to_string(list1->Items().Count()));
    item->SubItems().Add(name);
    item->SubItems().Add(clubName);
    item->SubItems().Add(std::to_string(coach));
}

void TForm50::UpdateAddButton()
{
    if (bt2 && list1)
        bt2->SetEnabled(list1->Items().Count() < kHumanCoachSlots);
}

void TForm50::bt1Click()
{
    TListItem* item = list1 ? list1->Selected() : nullptr;
    if (!item)
        return;
    const RemoveCoachResult result = RemoveHumanCoach(CoachOfRow(item));
    if (result == RemoveCoachResult::StillHasClub)
        MessageBox("Para remover um técnico antes é necessário demiti-lo do time.", "", MB_OK | MB_ICONINFORMATION);
    if (result != RemoveCoachResult::Removed)
        return;
    list1->Items().Delete(item->Index());
    UpdateAddButton();
}

void TForm50::bt2Click()
{
    if (FreeHumanCoachSlot() < 0)
        return;
    NewCoachName.clear();
    if (TGameForm* nameDialog = CreateScreen("TForm51", Application))
        nameDialog->ShowModal();
    const int coach = AddHumanCoach(NewCoachName);
    if (coach < 0)
        return;
    AddRow(coach, Coaches[coach].name.str(), "");
    UpdateAddButton();
}

const TScreenRecord TForm51::kScreen{
    .formClass = "TForm51",
    .shows = "Nome do Técnico:",
    .area = TScreenArea::Club,
    .modal = true,
    .style = {.swallowAltF4 = true},
    .create = NewScreen<TForm51>,
    .file = "screens/club/human_coaches_screens.cpp",
};

TForm51::TForm51(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormClose", [](TObject*, TCloseAction& action) { action = caFree; });
    // "its Edit1 change enables "OK" exactly when the text is not empty and stores the text in
    // NewCoachName": blanks alone are no name (such a coach would be listed as nobody), so the text
    // is taken without its outer blanks.
    BindHandler("Edit1Change", [this](TObject*) {
        NewCoachName = Edit1 ? TypedName(Edit1->Text()) : "";
        if (bt2) bt2->SetEnabled(!NewCoachName.empty());
    });
    BindHandler("bt2Click", [this](TObject*) { Close(); });
    ReadDescription();
    Edit1 = FindChild<TEdit>("Edit1");
    bt2 = FindChild<TGradButton>("bt2");
    RefuseCharactersRecordsCannotHold({Edit1});
}

}  // namespace tarvelon
