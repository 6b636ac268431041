#pragma once
// TStubForm: the stand-in of a screen not built yet. It reads the shared stub description
// ("TStubForm"), shows what the screen will show as its caption and title, and keeps the game
// moving: "Continuar" closes it and then runs the screen's move of the game (the hub plays the
// matchday, the results move the calendar, ...) from a queued call; "Fechar" only closes it.
#include <functional>

#include "screens/common/game_form.h"

namespace tarvelon {

class TGradButton;
class TLabel;

class TStubForm : public TGameForm {
public:
    TStubForm(TComponent* owner, const std::string& formClass, const std::string& shows, TGameFormStyle style,
              std::function<void()> onContinue);

    TLabel* lbtitulo = nullptr;
    TLabel* lbaviso = nullptr;
    TGradButton* btcontinuar = nullptr;
    TGradButton* btfechar = nullptr;

private:
    void btcontinuarClick(TObject* sender);
    void btfecharClick(TObject* sender);

    std::function<void()> onContinue_;
};

}  // namespace tarvelon
