// The state champions (TForm66).
#include "screens/history/state_champions_screen.h"

#include "controls/grad_button.h"
#include "core/progression/state_finals.h"
#include "core/records/game_state.h"
#include "core/views/season_summary.h"
#include "grid/dg_column_classes.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/keys.h"
#include "platform/forms/timer.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "screens/common/grid_helpers.h"
#include "screens/common/screen_registry.h"
#include "screens/common/view_helpers.h"

namespace tarvelon {

namespace {

constexpr int kInstantPlayDelay = 3000;

}  // namespace

const TScreenRecord TForm66::kScreen{
    .formClass = "TForm66",
    .shows = "Campeões estaduais",
    .area = TScreenArea::History,
    .modal = true,
    .style = {.swallowAltF4 = true},
    .create = NewScreen<TForm66>,
    .file = "screens/history/state_champions_screen.cpp",
};

TForm66::TForm66(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormShow", [this](TObject*) {
        if (Game.InstantPlay)
            Timer1->SetEnabled(true);
    });
    BindHandler("FormKeyDown", [this](TObject*, unsigned short& key, TShiftState) {
        if (key == VK_RETURN)
            Continue();
    });
    BindHandler("GradButton2Click", [this](TObject*) { Continue(); });
    ReadDescription();
    Label1 = FindChild<TLabel>("Label1");
    Label3 = FindChild<TLabel>("Label3");
    gcamp = FindChild<TDataGrid>("gcamp");
    GradButton2 = FindChild<TGradButton>("GradButton2");
    stateFlags = FindChild<TCustomImageList>("stateFlags");
    Timer1 = new TTimer(this);
    Timer1->SetName("Timer1");
    Timer1->SetInterval(kInstantPlayDelay);
    Timer1->SetEnabled(false);
    Timer1->OnTimer = [this](TObject*) { Continue(); };
    Label1->SetCaption(StateChampionsTitle());
    FillChampions();
}

void TForm66::FillChampions()
{
    EnsureStateFlags(*stateFlags);
    if (auto* flagsColumn = dynamic_cast<TDgImageColumn*>(gcamp->ColumnByName("colescudo2")))
        flagsColumn->SetImages(stateFlags);
    ColourRowsAlternately(*gcamp, false);
    gcamp->BeginUpdate();
    gcamp->ClearRows();
    for (const StateChampionRow& r : StateChampionRows) {
        const int row = gcamp->AddRow();
        gcamp->SetCellTextByName("colescudo2", row, std::to_string(r.state));
        gcamp->SetCellTextByName("colclube2", row, r.stateCode);
        gcamp->SetCellTextByName("colnacional2", row, r.champion);
        gcamp->SetCellTextByName("colestadual2", row, r.runnerUp);
        gcamp->SetCellTextByName("colcopa2", row, r.topScorer);
    }
    gcamp->EndUpdate();
}

void TForm66::Continue()
{
    // The timer of instant play and Enter may both press it. The coaches left without a division
    // get their notices over this screen, before it closes.
    if (continued_)
        return;
    continued_ = true;
    Timer1->SetEnabled(false);
    DismissCoachesWithoutDivision();
    Close();
}

void ShowStateChampionsOnScreen()
{
    if (TGameForm* screen = CreateScreen("TForm66", Application))
        screen->ShowModal();
}

}  // namespace tarvelon
