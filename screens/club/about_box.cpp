// The about box (TForm45).
#include "screens/club/about_box.h"

#include "screens/common/game_page.h"
#include "screens/common/screen_registry.h"

namespace tarvelon {

const TScreenRecord TForm45::kScreen{
    .formClass = "TForm45",
    .shows = "Sobre o jogo",
    .area = TScreenArea::Club,
    .modal = true,
    .style = {.closeOnEscape = true},
    .create = NewScreen<TForm45>,
    .file = "screens/club/about_box.cpp",
};

TForm45::TForm45(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("PageClick", [this](TObject* sender) { PageClick(sender); });
    BindHandler("GradButton2Click", [this](TObject*) { Close(); });
    ReadDescription();
}

void TForm45::PageClick(TObject*) { OpenGamePage(); }

}  // namespace tarvelon
