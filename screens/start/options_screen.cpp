// The game options screen (TForm32).
#include "screens/start/options_screen.h"

#include "controls/grad_button.h"
#include "core/persist/saved_game.h"
#include "core/records/game_state.h"
#include "core/settings/option_changes.h"
#include "core/tables.h"
#include "core/vocab/countries.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/keys.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/art/art_kit.h"
#include "screens/club/hub_refresh.h"
#include "screens/common/form_references.h"
#include "screens/common/screen_registry.h"
#include "screens/common/tick_list.h"

namespace tarvelon {

namespace {

constexpr int kWorldCupKind = 7;

void SelectItem(TComboBox* list, int item)
{
    if (list)
        list->SetItemIndex(item);
}

int Item(TObject* sender)
{
    const auto* list = dynamic_cast<TComboBox*>(sender);
    return list ? list->ItemIndex() : 0;
}

bool IsChecked(TObject* sender)
{
    const auto* box = dynamic_cast<TCheckBox*>(sender);
    return box && box->Checked();
}

}  // namespace

const TScreenRecord TForm32::kScreen{
    .formClass = "TForm32",
    .shows = "Opções do jogo",
    .area = TScreenArea::Start,
    .modal = true,
    .style = {.swallowAltF4 = true},
    .create = NewScreen<TForm32>,
    .file = "screens/start/options_screen.cpp",
};

TForm32::TForm32(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* sender) { FormCreate(sender); });
    BindHandler("FormKeyDown",
                [this](TObject* sender, unsigned short& key, TShiftState shift) { FormKeyDown(sender, key, shift); });
    BindHandler("Image1Click", [this](TObject* sender) { Image1Click(sender); });
    BindHandler("GradButton2Click", [this](TObject* sender) { GradButton2Click(sender); });
    ReadDescription();
    ComboBox1 = FindChild<TComboBox>("ComboBox1");
    ComboBox2 = FindChild<TComboBox>("ComboBox2");
    ComboBox3 = FindChild<TComboBox>("ComboBox3");
    ComboBox4 = FindChild<TComboBox>("ComboBox4");
    ComboBox5 = FindChild<TComboBox>("ComboBox5");
    ComboBox6 = FindChild<TComboBox>("ComboBox6");
    ComboBox7 = FindChild<TComboBox>("ComboBox7");
    combo41 = FindChild<TComboBox>("combo41");
    combo42 = FindChild<TComboBox>("combo42");
    combo61 = FindChild<TComboBox>("combo61");
    combo62 = FindChild<TComboBox>("combo62");
    cksom = FindChild<TCheckBox>("cksom");
    cknegrito = FindChild<TCheckBox>("cknegrito");
    ckcor = FindChild<TCheckBox>("ckcor");
    ckcontrato = FindChild<TCheckBox>("ckcontrato");
    list1 = FindChild<TDataGrid>("list1");
    Image1 = FindChild<TImage>("Image1");
    GradButton2 = FindChild<TGradButton>("GradButton2");
    if (list1)
        leagues_ = std::make_unique<TTickList>(*this, *list1);
    if (Image1)
        Image1->Picture().SetGraphic(std::make_unique<TImageGraphic>(art::Picture("paleta"), TImageFormat::Png));
}

TForm32::~TForm32() = default;

void TForm32::FormCreate(TObject*)
{
    if (ComboBox1)
        ComboBox1->Items().Add("Ultra rápido");
    if (ComboBox4) {
        ComboBox4->Items().Add("Ultra rápido");
        ComboBox4->Items().Add("Hiper rápido");
    }
    ShowOptions();
    ShowLeagues();
    BindChoices();
}

// Escape is the "Fechar" button, automatic save included.
void TForm32::FormKeyDown(TObject*, unsigned short& key, TShiftState)
{
    if (key != VK_ESCAPE)
        return;
    key = 0;
    GradButton2Click(GradButton2);
}

// The lists and boxes show the running game's options. A new game keeps the numbers "opemails",
// "opsalvar" (below 0) and "opver41".."opver62" hold: a number outside its list selects no item.
void TForm32::ShowOptions()
{
    if (Game.TickIntervalHuman == 0)
        Game.TickIntervalHuman = 600;
    SelectItem(ComboBox1, SpeedIndexOfTick(Game.TickIntervalHuman, false));
    SelectItem(ComboBox4, SpeedIndexOfTick(Game.TickIntervalCpu, true));
    TComboBox* cups[] = {combo41, combo42, combo61, combo62};
    for (int cup = 0; cup < 4; ++cup)
        SelectItem(cups[cup], Game.continentalMatchDisplay[cup]);
    SelectItem(ComboBox2, Game.autosave);
    SelectItem(ComboBox7, Game.contractNotices);
    SelectItem(ComboBox6, Game.HalfTimeScreen ? 1 : 0);
    SelectItem(ComboBox3, Game.ShowPenalties ? 1 : 0);
    SelectItem(ComboBox5, Game.showCoachChanges ? 1 : 0);
    const std::pair<TCheckBox*, bool> boxes[] = {{cksom, Game.SoundOption != 0},
                                                  {cknegrito, Game.BoldHomeEvents != 0},
                                                  {ckcor, Game.colouredPlayerLists != 0},
                                                  {ckcontrato, Game.autoContractExtension != 0}};
    for (const auto& [box, on] : boxes)
        if (box)
            box->SetChecked(on);
}

void TForm32::ShowLeagues()
{
    if (!leagues_)
        return;
    leagues_->Grid().BeginUpdate();
    leagues_->Clear();
    for (int league = 0; league < static_cast<int>(Leagues.size()); ++league) {
        const TLeague& l = Leagues[static_cast<std::size_t>(league)];
        const int country = l.country >= 0 && l.country <= CustomCountry ? l.country : CustomCountry;
        leagues_->AddRow(country, l.shown != 0, CountryNames[static_cast<std::size_t>(country)], "", league);
    }
    leagues_->Grid().EndUpdate();
}

// The handlers are bound once the screen shows the game, so showing it changes nothing.
void TForm32::BindChoices()
{
    const std::pair<TComboBox*, void (*)(int)> lists[] = {
        {ComboBox1, ChooseHumanMatchSpeed}, {ComboBox4, ChooseOtherMatchSpeed}, {ComboBox2, ChooseAutosave},
        {ComboBox7, ChooseContractNotices}};
    for (const auto& [list, choose] : lists)
        if (list)
            list->OnChange = [choose = choose](TObject* sender) { choose(Item(sender)); };
    const std::pair<TComboBox*, void (*)(bool)> yesNo[] = {{ComboBox3, ChooseWatchOtherShootouts},
                                                           {ComboBox5, ChooseShowCoachChanges},
                                                           {ComboBox6, ChooseHalfTimeSubstitutions}};
    for (const auto& [list, choose] : yesNo)
        if (list)
            list->OnChange = [choose = choose](TObject* sender) { choose(Item(sender) != 0); };
    TComboBox* cups[] = {combo41, combo42, combo61, combo62};
    for (int cup = 0; cup < 4; ++cup)
        if (cups[cup])
            cups[cup]->OnChange = [cup](TObject* sender) { ChooseContinentalDisplay(cup, Item(sender)); };
    const std::pair<TCheckBox*, void (*)(bool)> boxes[] = {
        {cksom, ChooseSound}, {cknegrito, ChooseBoldHomeEvents}, {ckcontrato, ChooseAutomaticContracts}};
    for (const auto& [box, choose] : boxes)
        if (box)
            box->OnClick = [choose = choose](TObject* sender) { choose(IsChecked(sender)); };
    if (ckcor)
        ckcor->OnClick = [this](TObject* sender) { ckcorClick(sender); };
    if (list1)
        list1->OnCellClick = [this](TObject* sender, int col, int row) { list1CellClick(sender, col, row); };
}

void TForm32::list1CellClick(TObject*, int col, int row)
{
    if (col != kTickColumn || !leagues_ || !leagues_->Toggle(row))
        return;
    ChooseLeagueShown(leagues_->Id(row), leagues_->Ticked(row));
}

// The hub's roster shows the colours at once; the options open from the national-team hub too,
// where no hub may exist.
void TForm32::ckcorClick(TObject* sender)
{
    ChooseColouredPlayerLists(IsChecked(sender));
    if (Game.DayKind != kWorldCupKind)
        RepaintOpenHubRoster();
}

void TForm32::Image1Click(TObject*)
{
    if (TGameForm* colours = CreateScreen("TForm64", Application))
        colours->ShowModal();
}

// With automatic saving on, a game without a name is saved (and named) before the screen closes.
void TForm32::GradButton2Click(TObject*)
{
    if (Game.autosave > 0 && Game.saveName.empty())
        SaveGame();
    Close();
}

}  // namespace tarvelon
