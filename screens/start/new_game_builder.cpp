// The new-game builder screen (TForm12).
#include "screens/start/new_game_builder.h"

#include "core/hooks.h"
#include "core/newgame/new_game_setup.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/ranges.h"
#include "screens/common/navigator.h"
#include "screens/common/screen_registry.h"

namespace tarvelon {

namespace {

// The builder's reports reach the screen only while it builds.
class TProgressHooks {
public:
    TProgressHooks(std::function<void(int)> progress, std::function<void()> step)
        : savedProgress_(Hooks().newGameProgress), savedStep_(Hooks().newGameStep)
    {
        Hooks().newGameProgress = std::move(progress);
        Hooks().newGameStep = std::move(step);
    }
    ~TProgressHooks()
    {
        Hooks().newGameProgress = savedProgress_;
        Hooks().newGameStep = savedStep_;
    }
    TProgressHooks(const TProgressHooks&) = delete;
    TProgressHooks& operator=(const TProgressHooks&) = delete;

private:
    std::function<void(int)> savedProgress_;
    std::function<void()> savedStep_;
};

}  // namespace

void CloseNewGameSetupScreens()
{
    for (int i = Screen->FormCount() - 1; i >= 0; --i) {
        TForm* form = Screen->Forms(i);
        const std::string name = form->ClassName();
        if (name == "TForm9" || name == "TForm39" || name == "TForm56" || name == "TForm11")
            form->Close();
    }
}

const TScreenRecord TForm12::kScreen{
    .formClass = "TForm12",
    .shows = "Inicializando o jogo...",
    .area = TScreenArea::Start,
    .modal = true,
    .style = {.background = TBackground::Builder, .swallowAltF4 = true},
    .create = NewScreen<TForm12>,
    .file = "screens/start/new_game_builder.cpp",
    .replacesGame = true,
};

TForm12::TForm12(TComponent* owner)
    : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* sender) { FormCreate(sender); });
    BindHandler("Timer1Timer", [this](TObject* sender) { Timer1Timer(sender); });
    ReadDescription();
    Label1 = FindChild<TLabel>("Label1");
    progress = FindChild<TProgressBar>("progress");
    Timer1 = FindChild<TTimer>("Timer1");
}

// The timer lets the screen be painted once before the build starts.
void TForm12::FormCreate(TObject*)
{
    if (Timer1)
        Timer1->SetEnabled(true);
}

void TForm12::ShowProgress(int percent)
{
    reported_.push_back(percent);
    if (progress)
        progress->SetPosition(percent);
    Application->PauseRepaintingOnly(0);
}

void TForm12::Timer1Timer(TObject*)
{
    if (Timer1)
        Timer1->SetEnabled(false);
    FirstScreen first = FirstScreen::None;
    {
        THourglass hourglass;
        TProgressHooks hooks([this](int percent) { ShowProgress(percent); },
                             [] { Application->PauseRepaintingOnly(0); });
        first = RunNewGameBuilder();
    }
    CloseNewGameSetupScreens();
    Close();
    OpenFirstScreenOfNewGame(first);
}

}  // namespace tarvelon
