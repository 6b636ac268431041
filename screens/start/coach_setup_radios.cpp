// The human-coach set-up for divisions of 10 clubs and the custom championship (TForm11).
#include "screens/start/coach_setup_radios.h"

#include <algorithm>

#include "core/basics/literal_text.h"
#include "core/newgame/new_game_setup.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "core/views/new_game_views.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/common/screen_registry.h"

namespace tarvelon {

namespace {

constexpr int kColumnLeft = 20;
constexpr int kColumnWidth = 190;
constexpr int kColumnGap = 5;
constexpr int kPanelTop = 126;
constexpr int kRowHeight = 20;
constexpr TColor kPanelColor = 0x00306830;  // a dark pitch green

}  // namespace

const TScreenRecord TForm11::kScreen{
    .formClass = "TForm11",
    .shows = "Técnicos humanos: divisões de 10 clubes",
    .area = TScreenArea::Start,
    .modal = true,
    .style = {.swallowAltF4 = true, .scaleToScreen = true},
    .create = NewScreen<TForm11>,
    .file = "screens/start/coach_setup_radios.cpp",
    .replacesGame = true,
};

TForm11::TForm11(TComponent* owner) : TCoachSetupForm(owner, kScreen)
{
    ReadSharedDescription();
    for (int k = 0; k < 4; ++k)
        headings[static_cast<std::size_t>(k)] = FindChild<TLabel>("Label" + std::to_string(5 + k));
    buttonClubs_.fill(-1);
    CreateButtons();
}

void TForm11::CreateButtons()
{
    for (int k = 0; k < 4; ++k) {
        auto* panel = new TShape(this);
        panel->SetParent(this);
        panel->Brush().SetColor(kPanelColor);
        panel->Pen().SetColor(clWhite);
        panels[static_cast<std::size_t>(k)] = panel;
    }
    for (int i = 0; i < kButtons; ++i) {
        auto* button = new TRadioButton(this);
        button->SetName("timeradio" + std::to_string(i + 1));
        button->SetParent(this);
        button->Font().SetName("Arial");
        button->Font().SetHeight(-ScaledLength(11));
        button->Font().SetColor(clWhite);
        button->SetTag(i);
        button->OnClick = [this](TObject* sender) { timeradioClick(sender); };
        timeradio[static_cast<std::size_t>(i)] = button;
    }
}

// Divisions side by side, each a green panel with its clubs one under the other.
void TForm11::LayOutDivisions(int divisions, int perDivision)
{
    const auto place = [this](TControl& control, int left, int top, int width, int height) {
        control.SetBounds(ScaledLength(left), ScaledLength(top), ScaledLength(width), ScaledLength(height));
    };
    for (int k = 0; k < 4; ++k) {
        const bool shown = k < divisions;
        const int left = kColumnLeft + k * (kColumnWidth + kColumnGap);
        TShape* panel = panels[static_cast<std::size_t>(k)];
        place(*panel, left, kPanelTop, kColumnWidth, perDivision * kRowHeight + 8);
        panel->SetVisible(shown);
        if (TLabel* heading = headings[static_cast<std::size_t>(k)]) {
            heading->SetLeft(ScaledLength(left));
            heading->SetVisible(shown);
        }
    }
    for (int i = 0; i < kButtons; ++i) {
        const int k = i / perDivision;
        const int row = i % perDivision;
        place(*timeradio[static_cast<std::size_t>(i)], kColumnLeft + k * (kColumnWidth + kColumnGap) + 6,
              kPanelTop + 4 + row * kRowHeight, kColumnWidth - 12, kRowHeight);
    }
}

void TForm11::FillClubLists(int league)
{
    // Divisions of 10 show four divisions of 10 buttons; divisions of 20 show three of 20.
    const bool tens = Game.LeagueFormat != kLeagueFormatDivisionsOf20;
    const int perDivision = tens ? 10 : 20;
    const int divisionCount = league >= 0 && league < static_cast<int>(Leagues.size()) ? Leagues[league].divisionCount : 0;
    const int divisions = std::min(divisionCount, tens ? 4 : 3);
    LayOutDivisions(divisions, perDivision);
    buttonClubs_.fill(-1);
    for (int k = 0; k < 4; ++k) {
        const std::vector<int> clubs = k < divisions ? DivisionClubs(league, k + 1) : std::vector<int>{};
        for (int row = 0; row < perDivision && k * perDivision + row < kButtons; ++row) {
            const int i = k * perDivision + row;
            if (row < static_cast<int>(clubs.size()))
                buttonClubs_[static_cast<std::size_t>(i)] = clubs[static_cast<std::size_t>(row)];
        }
    }
    for (int i = 0; i < kButtons; ++i) {
        TRadioButton* button = timeradio[static_cast<std::size_t>(i)];
        const int club = buttonClubs_[static_cast<std::size_t>(i)];
        button->SetChecked(false);
        button->SetVisible(club >= 0);
        button->SetCaption(CaptionLiteral(club >= 0 ? Clubs[club].name.str() : ""));
        button->SetEnabled(club >= 0 && !Clubs[club].IsHuman);
    }
}

void TForm11::timeradioClick(TObject* sender)
{
    auto* button = dynamic_cast<TRadioButton*>(sender);
    SetClubChosen(button && button->Checked());
}

int TForm11::ChosenClub()
{
    for (int i = 0; i < kButtons; ++i)
        if (timeradio[static_cast<std::size_t>(i)]->Checked())
            return buttonClubs_[static_cast<std::size_t>(i)];
    return -1;
}

void TForm11::MarkTaken(int club, const std::string&)
{
    for (int i = 0; i < kButtons; ++i) {
        if (buttonClubs_[static_cast<std::size_t>(i)] != club)
            continue;
        timeradio[static_cast<std::size_t>(i)]->SetChecked(false);
        timeradio[static_cast<std::size_t>(i)]->SetEnabled(false);
    }
}

}  // namespace tarvelon
