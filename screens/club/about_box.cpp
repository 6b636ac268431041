// The about box (TForm45).
#include "screens/club/about_box.h"

#include "screens/common/game_page.h"

namespace tarvelon {

TForm45::TForm45(TComponent* owner) : TGameForm(owner, "TForm45", {.closeOnEscape = true})
{
    BindHandler("PageClick", [this](TObject* sender) { PageClick(sender); });
    BindHandler("GradButton2Click", [this](TObject*) { Close(); });
    ReadDescription();
}

void TForm45::PageClick(TObject*) { OpenGamePage(); }

}  // namespace tarvelon
