#pragma once
// The about box (TForm45): the game's name, edition, credits and its page, which a click on either
// page label opens in the browser.
#include "screens/common/game_form.h"

namespace tarvelon {

class TForm45 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm45(TComponent* owner);

private:
    void PageClick(TObject* sender);
};

}  // namespace tarvelon
