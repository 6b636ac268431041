// The death notice (TForm72), the shirt number (TForm82) and the team colours (TForm86).
#include "screens/club/squad_dialogs.h"

#include "controls/grad_button.h"
#include "core/basics/literal_text.h"
#include "core/economy/table_access.h"
#include "core/squad/shirts_and_colours.h"
#include "core/vocab/players.h"
#include "platform/stdctrls/dialogs.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/club/hub_refresh.h"
#include "screens/club/hub_screen.h"
#include "screens/common/screen_registry.h"
#include "screens/common/subjects.h"

namespace tarvelon {

namespace {

std::string NameAndPosition(int player)
{
    if (!IsPlayerIndex(player))
        return "";
    const TPlayer& p = Players[player];
    const bool known = p.Position >= 0 && p.Position < PositionCount;
    return p.Name.str() + " - " + (known ? std::string(1, PositionNames[p.Position][0]) : std::string());
}

}  // namespace

const TScreenRecord TForm72::kScreen{
    .formClass = "TForm72",
    .shows = "Falecimento do jogador",
    .area = TScreenArea::Club,
    .modal = true,
    .subject = [] { DeadPlayer = SubjectPlayer(); },
    .create = NewScreen<TForm72>,
    .file = "screens/club/squad_dialogs.cpp",
};

TForm72::TForm72(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) {
        if (Label3)
            Label3->SetCaption(CaptionLiteral(IsPlayerIndex(DeadPlayer) ? Players[DeadPlayer].Name.str() : ""));
    });
    BindHandler("bt3Click", [this](TObject*) { Close(); });
    ReadDescription();
    Label3 = FindChild<TLabel>("Label3");
    bt3 = FindChild<TGradButton>("bt3");
}

const TScreenRecord TForm82::kScreen{
    .formClass = "TForm82",
    .shows = "Escolher número",
    .area = TScreenArea::Club,
    .modal = true,
    .subject = [] { ShirtNumberPlayer = SubjectPlayer(); },
    .create = NewScreen<TForm82>,
    .file = "screens/club/squad_dialogs.cpp",
};

TForm82::TForm82(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("button1Click", [this](TObject*) { button1Click(); });
    BindHandler("GradButton1Click", [this](TObject*) { Close(); });
    ReadDescription();
    Label3 = FindChild<TLabel>("Label3");
    combo1 = FindChild<TComboBox>("combo1");
    button1 = FindChild<TGradButton>("button1");
    GradButton1 = FindChild<TGradButton>("GradButton1");
}

void TForm82::FormCreate()
{
    const int player = ShirtNumberPlayer;
    Label3->SetCaption(CaptionLiteral(NameAndPosition(player)));
    combo1->Items().Clear();
    for (const std::string& item : ShirtNumberChoices(Game.CurrentHumanClub))
        combo1->Items().Add(item);
    const int number = IsPlayerIndex(player) ? Players[player].ShirtNumber : 0;
    combo1->SetItemIndex(number >= 0 && number <= kHighestShirtNumber ? number : 0);
}

// The whole roster is shown again, not only "when n is above 0, the hub roster grid's row whose
// "id" is the player gets n in its "status" cell": that would leave "Sem número" showing the old
// number, and the team-mate who lost his number still wearing it.
void TForm82::button1Click()
{
    const int player = ShirtNumberPlayer;
    const int number = combo1->ItemIndex();
    if (IsPlayerIndex(player) && number >= 0) {
        GiveShirtNumber(player, number);
        RefreshHubRosterAt(player);
    }
    Close();
}

const TScreenRecord TForm86::kScreen{
    .formClass = "TForm86",
    .shows = "Cores do time",
    .area = TScreenArea::Club,
    .modal = true,
    .style = {.background = TBackground::None},
    .create = NewScreen<TForm86>,
    .file = "screens/club/squad_dialogs.cpp",
};

TForm86::TForm86(TComponent* owner)
    : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("ShapeMouseDown",
                [this](TObject* sender, TMouseButton, TShiftState, int, int) { ShapeMouseDown(sender); });
    BindHandler("GradButton1Click", [this](TObject*) { GradButton1Click(); });
    ReadDescription();
    Shape1 = FindChild<TShape>("Shape1");
    Shape2 = FindChild<TShape>("Shape2");
    GradButton1 = FindChild<TGradButton>("GradButton1");
    ColorDialog1 = FindChild<TColorDialog>("ColorDialog1");
}

void TForm86::FormCreate()
{
    if (!IsClubIndex(Game.CurrentHumanClub))
        return;
    const TClub& club = Clubs[Game.CurrentHumanClub];
    Shape1->Brush().SetColor(club.BackColor);
    Shape2->Brush().SetColor(club.TextColor);
}

void TForm86::ShapeMouseDown(TObject* sender)
{
    auto* shape = dynamic_cast<TShape*>(sender);
    if (shape == nullptr)
        return;
    ColorDialog1->SetColor(shape->Brush().Color());
    if (ColorDialog1->Execute())
        shape->Brush().SetColor(ColorDialog1->Color());
}

void TForm86::GradButton1Click()
{
    if (ChangeClubColours(Game.CurrentHumanClub, Shape1->Brush().Color(), Shape2->Brush().Color()))
        if (TForm13* hub = OpenHubForm()) {
            hub->RefreshHubHeader();
            hub->RefreshRosterGrid();
        }
    Close();
}

}  // namespace tarvelon
