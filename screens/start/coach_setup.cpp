// What the two human-coach set-up screens share (TForm56, TForm11).
#include "screens/start/coach_setup.h"

#include "controls/grad_button.h"
#include "core/basics/typed_text.h"
#include "core/newgame/builder_tables.h"
#include "core/newgame/new_game_setup.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "core/vocab/countries.h"
#include "platform/forms/application.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/edits.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/screen_registry.h"
#include "screens/common/typed_fields.h"

namespace tarvelon {

namespace {

bool IsCustomChampionship() { return Game.playedCountry == CustomCountry; }

std::string ButtonCaption(int slot)
{
    return slot >= Game.HumanClubCount ? "Iniciar jogo" : "Escolher time " + std::to_string(slot + 1);
}

}  // namespace

TCoachSetupForm::TCoachSetupForm(TComponent* owner, const TScreenRecord& screen)
    : TGameForm(owner, screen)
{
}

void TCoachSetupForm::ReadSharedDescription()
{
    BindHandler("FormCreate", [this](TObject* sender) { FormCreate(sender); });
    BindHandler("Combo1Change", [this](TObject* sender) { Combo1Change(sender); });
    BindHandler("Edit1Change", [this](TObject* sender) { Edit1Change(sender); });
    BindHandler("Button1Click", [this](TObject* sender) { Button1Click(sender); });
    ReadDescription();
    Label10 = FindChild<TLabel>("Label10");
    Edit1 = FindChild<TEdit>("Edit1");
    Label11 = FindChild<TLabel>("Label11");
    Combo1 = FindChild<TComboBox>("Combo1");
    Button1 = FindChild<TGradButton>("Button1");
    if (Edit1)
        Edit1->SetMaxLength(static_cast<int>(kMaxCoachNameLength));
    RefuseCharactersRecordsCannotHold({Edit1});
}

int TCoachSetupForm::ShownLeague() const
{
    if (IsCustomChampionship() || !Combo1)
        return Leagues.empty() ? -1 : 0;
    return Combo1->ItemIndex();
}

void TCoachSetupForm::FormCreate(TObject*)
{
    PrepareHumanCoachSetup();
    if (Combo1) {
        Combo1->Items().Clear();
        int start = Leagues.empty() ? -1 : 0;
        for (int league = 0; league < static_cast<int>(Leagues.size()); ++league) {
            const int country = Leagues[league].country;
            Combo1->Items().Add(country >= 0 && country < CustomCountry ? CountryNames[country] : "");
            if (country == CountryBrazil)
                start = league;
        }
        Combo1->SetItemIndex(start);
    }
    const bool custom = IsCustomChampionship();
    if (Combo1)
        Combo1->SetVisible(!custom);
    if (Label11)
        Label11->SetVisible(!custom);
    if (Label10) {
        Label10->SetCaption("Time 1");
        Label10->SetVisible(Game.HumanClubCount > 1);
    }
    if (Button1)
        Button1->SetCaption(ButtonCaption(slot_));
    FillClubLists(ShownLeague());
    UpdateButton();
}

void TCoachSetupForm::Combo1Change(TObject*)
{
    clubChosen_ = false;
    FillClubLists(ShownLeague());
    UpdateButton();
}

void TCoachSetupForm::Edit1Change(TObject*) { UpdateButton(); }

void TCoachSetupForm::SetClubChosen(bool chosen)
{
    clubChosen_ = chosen;
    UpdateButton();
}

// Blanks alone are no name; a name is kept as typed.
bool TCoachSetupForm::NameTyped() const { return Edit1 && !TypedName(Edit1->Text()).empty(); }

void TCoachSetupForm::UpdateButton()
{
    if (Button1)
        Button1->SetEnabled(clubChosen_ && NameTyped());
}

void TCoachSetupForm::Button1Click(TObject*)
{
    const int club = ChosenClub();
    if (club < 0 || !NameTyped())
        return;
    const std::string name = TypedCoachName(Edit1->Text());
    if (!ChooseHumanClub(slot_, club, name))
        return;
    MarkTaken(club, name);
    if (slot_ >= Game.HumanClubCount)
        OpenBuilder();
    else
        NextCoach();
}

void TCoachSetupForm::NextCoach()
{
    ++slot_;
    if (Label10) {
        Label10->SetCaption("Time " + std::to_string(slot_));
        Label10->Show();
    }
    if (Button1)
        Button1->SetCaption(ButtonCaption(slot_));
    if (Edit1)
        Edit1->SetText("");
    SetClubChosen(false);
}

// The builder takes over modally; it closes this screen when the game starts.
void TCoachSetupForm::OpenBuilder()
{
    THourglass hourglass;
    if (TGameForm* builder = CreateScreen("TForm12", Application))
        builder->ShowModal();
}

}  // namespace tarvelon
