// The list colours (TForm64).
#include "screens/club/list_colours_screen.h"

#include "controls/grad_button.h"
#include "core/records/game_state.h"
#include "core/settings/option_changes.h"
#include "platform/stdctrls/dialogs.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/club/hub_refresh.h"
#include "screens/common/screen_registry.h"

namespace tarvelon {

const TScreenRecord TForm64::kScreen{
    .formClass = "TForm64",
    .shows = "Cores de fundo da Lista",
    .area = TScreenArea::Club,
    .modal = true,
    .create = NewScreen<TForm64>,
    .file = "screens/club/list_colours_screen.cpp",
};

TForm64::TForm64(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* sender) { FormCreate(sender); });
    BindHandler("ShapeMouseDown", [this](TObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
        ShapeMouseDown(sender, button, shift, x, y);
    });
    BindHandler("GradButton1Click", [this](TObject* sender) { GradButton1Click(sender); });
    BindHandler("GradButton2Click", [this](TObject* sender) { GradButton2Click(sender); });
    ReadDescription();
    for (int k = 0; k < 5; ++k)
        shapes[static_cast<std::size_t>(k)] = FindChild<TShape>("Shape" + std::to_string(k + 1));
    GradButton1 = FindChild<TGradButton>("GradButton1");
    GradButton2 = FindChild<TGradButton>("GradButton2");
    ColorDialog1 = FindChild<TColorDialog>("ColorDialog1");
}

void TForm64::FormCreate(TObject*) { ShowColours(); }

void TForm64::ShowColours()
{
    for (int k = 0; k < 5; ++k)
        if (TShape* shape = shapes[static_cast<std::size_t>(k)])
            shape->Brush().SetColor(Game.listColours[k]);
}

void TForm64::ShapeMouseDown(TObject* sender, TMouseButton, TShiftState, int, int)
{
    auto* shape = dynamic_cast<TShape*>(sender);
    const int position = shape ? static_cast<int>(shape->Tag()) : -1;
    if (position < 0 || position > 4 || !ColorDialog1)
        return;
    ColorDialog1->SetColor(shape->Brush().Color());
    if (!ColorDialog1->Execute())
        return;
    shape->Brush().SetColor(ColorDialog1->Color());
    ChooseListColor(position, ColorDialog1->Color());
}

// The hub's roster is filled anew in the new colours when it is there and colours its rows.
void TForm64::GradButton1Click(TObject*)
{
    Close();
    if (Game.colouredPlayerLists)
        RefillOpenHubRoster();
}

void TForm64::GradButton2Click(TObject*)
{
    ResetListColors();
    ShowColours();
}

}  // namespace tarvelon
