#pragma once
// The new-game builder screen (TForm12, "Inicializando o jogo..."): painted once, then its timer
// runs the builder with its progress bar, closes the set-up screens and opens the game's first
// screen. It cannot be closed while it builds.
#include <vector>

#include "screens/common/game_form.h"

namespace tarvelon {

class TLabel;
class TProgressBar;
class TTimer;

class TForm12 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm12(TComponent* owner);

    TLabel* Label1 = nullptr;
    TProgressBar* progress = nullptr;
    TTimer* Timer1 = nullptr;

    // The progress values the builder reported, in order (10 .. 100).
    const std::vector<int>& Reported() const { return reported_; }

private:
    void FormCreate(TObject* sender);
    void Timer1Timer(TObject* sender);
    void ShowProgress(int percent);

    std::vector<int> reported_;
};

// Closes the new-game set-up screens still open (the chooser, the custom championship, the coach
// set-up).
void CloseNewGameSetupScreens();

}  // namespace tarvelon
