// The human-coach set-up for divisions of 20 clubs (TForm56).
#include "screens/start/coach_setup_lists.h"

#include "core/records/game_state.h"
#include "core/tables.h"
#include "core/views/new_game_views.h"
#include "core/vocab/countries.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/grid_helpers.h"
#include "screens/common/screen_registry.h"

namespace tarvelon {

namespace {

const char* const kHeadings[5] = {"1ª divisão", "2ª divisão", "3ª divisão", "4ª divisão", "Divisão regional"};

}  // namespace

const TScreenRecord TForm56::kScreen{
    .formClass = "TForm56",
    .shows = "Técnicos humanos: divisões de 20 clubes",
    .area = TScreenArea::Start,
    .modal = true,
    .style = {.swallowAltF4 = true, .scaleToScreen = true},
    .create = NewScreen<TForm56>,
    .file = "screens/start/coach_setup_lists.cpp",
    .replacesGame = true,
};

TForm56::TForm56(TComponent* owner) : TCoachSetupForm(owner, kScreen)
{
    BindHandler("combodChange", [this](TObject* sender) { combodChange(sender); });
    ReadSharedDescription();
    for (int k = 0; k < 5; ++k)
        combod[static_cast<std::size_t>(k)] = FindChild<TComboBoxEx>("combod" + std::to_string(k + 1));
    ImageList1 = FindChild<TCustomImageList>("ImageList1");
    for (TComboBoxEx* list : combod)
        if (list)
            list->SetImages(ImageList1);
}

void TForm56::HideList(int k)
{
    listClubs_[static_cast<std::size_t>(k)].clear();
    if (TComboBoxEx* list = combod[static_cast<std::size_t>(k)]) {
        list->Items().Clear();
        list->Hide();
    }
}

void TForm56::FillList(int k, const std::vector<int>& clubs)
{
    listClubs_[static_cast<std::size_t>(k)] = clubs;
    TComboBoxEx* list = combod[static_cast<std::size_t>(k)];
    if (!list)
        return;
    list->Items().Clear();
    list->AddItem(kHeadings[k], -1);
    for (int club : clubs)
        list->AddItem(Clubs[club].name.str(), ImageList1 ? MiniCrestIndex(*ImageList1, club) : -1);
    list->SetItemIndex(0);
    list->Show();
}

void TForm56::FillClubLists(int league)
{
    const int divisions = league >= 0 && league < static_cast<int>(Leagues.size()) ? Leagues[league].divisionCount : 0;
    const bool regional = Game.RegionalFourthDivision && league >= 0 &&
                          league < static_cast<int>(Leagues.size()) && Leagues[league].country == CountryBrazil;
    for (int k = 0; k < 4; ++k) {
        if (k < divisions && !(k == 3 && regional))
            FillList(k, DivisionClubsByName(league, k + 1));
        else
            HideList(k);
    }
    if (regional)
        FillList(4, RegionalClubsByName());
    else
        HideList(4);
}

// Picking a club in one list puts every other list back on its heading.
void TForm56::combodChange(TObject* sender)
{
    bool chosen = false;
    for (TComboBoxEx* list : combod) {
        if (!list)
            continue;
        if (list != sender && list->ItemIndex() != 0 && list->Items().Count() > 0)
            list->SetItemIndex(0);
        chosen = chosen || (list->Visible() && list->ItemIndex() > 0);
    }
    SetClubChosen(chosen);
}

int TForm56::ChosenClub()
{
    for (int k = 0; k < 5; ++k) {
        TComboBoxEx* list = combod[static_cast<std::size_t>(k)];
        const std::vector<int>& clubs = listClubs_[static_cast<std::size_t>(k)];
        if (!list || !list->Visible())
            continue;
        const int entry = list->ItemIndex();
        if (entry >= 1 && entry <= static_cast<int>(clubs.size()))
            return clubs[static_cast<std::size_t>(entry - 1)];
    }
    return -1;
}

void TForm56::MarkTaken(int club, const std::string& coachName)
{
    for (int k = 0; k < 5; ++k) {
        TComboBoxEx* list = combod[static_cast<std::size_t>(k)];
        const std::vector<int>& clubs = listClubs_[static_cast<std::size_t>(k)];
        for (std::size_t i = 0; list && i < clubs.size(); ++i)
            if (clubs[i] == club)
                list->Items().SetStrings(static_cast<int>(i + 1), "[" + coachName + "]");
        if (list && list->Items().Count() > 0)
            list->SetItemIndex(0);
    }
}

}  // namespace tarvelon
