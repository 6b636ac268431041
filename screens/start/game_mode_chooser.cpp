// The game-mode chooser (TForm9).
#include "screens/start/game_mode_chooser.h"

#include "controls/grad_button.h"
#include "core/hooks.h"
#include "core/newgame/builder_tables.h"
#include "core/newgame/new_game_setup.h"
#include "core/records/game_state.h"
#include "core/views/new_game_views.h"
#include "core/vocab/countries.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "core/draws/club_catalogue.h"
#include "platform/stdctrls/lists.h"
#include "platform/stdctrls/buttons.h"
#include "screens/common/form_references.h"
#include "screens/common/queued_call.h"
#include "screens/common/screen_registry.h"
#include "screens/common/tick_list.h"

namespace tarvelon {

const TScreenRecord TForm9::kScreen{
    .formClass = "TForm9",
    .shows = "Novo jogo: modo de jogo",
    .area = TScreenArea::Start,
    .modal = false,
    .style = {.background = TBackground::None, .swallowAltF4 = true, .scaleToScreen = true},
    .create = NewScreen<TForm9>,
    .file = "screens/start/game_mode_chooser.cpp",
    .replacesGame = true,
};

TForm9::TForm9(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* sender) { FormCreate(sender); });
    ReadDescription();
    rd1 = FindChild<TRadioButton>("rd1");
    rd2 = FindChild<TRadioButton>("rd2");
    list1 = FindChild<TDataGrid>("list1");
    combo1 = FindChild<TComboBox>("combo1");
    ComboBox1 = FindChild<TComboBox>("ComboBox1");
    ComboBox2 = FindChild<TComboBox>("ComboBox2");
    ckinter1 = FindChild<TCheckBox>("ckinter1");
    ckinter2 = FindChild<TCheckBox>("ckinter2");
    ckcopa = FindChild<TCheckBox>("ckcopa");
    ckestadual = FindChild<TCheckBox>("ckestadual");
    ckcopamundo = FindChild<TCheckBox>("ckcopamundo");
    ckcopa2 = FindChild<TCheckBox>("ckcopa2");
    ckeurocopa = FindChild<TCheckBox>("ckeurocopa");
    ckcopaamerica = FindChild<TCheckBox>("ckcopaamerica");
    GradButton1 = FindChild<TGradButton>("GradButton1");
    GradButton2 = FindChild<TGradButton>("GradButton2");
    GradButton3 = FindChild<TGradButton>("GradButton3");

    if (list1) {
        countries_ = std::make_unique<TTickList>(*this, *list1);
        list1->OnCellClick = [this](TObject* sender, int col, int row) { list1CellClick(sender, col, row); };
    }
    if (combo1)
        combo1->OnChange = [this](TObject* sender) { combo1Change(sender); };
    for (TCheckBox* box : {ckinter1, ckinter2, ckcopa, ckestadual, ckcopamundo, ckcopa2, ckeurocopa, ckcopaamerica})
        if (box)
            box->OnClick = [this](TObject* sender) { CompetitionBoxClick(sender); };
    for (TRadioButton* mode : {rd1, rd2})
        if (mode)
            mode->OnClick = [this](TObject* sender) { ModeClick(sender); };
    if (GradButton1)
        GradButton1->OnClick = [this](TObject* sender) { GradButton1Click(sender); };
    if (GradButton2)
        GradButton2->OnClick = [this](TObject* sender) { GradButton2Click(sender); };
    if (GradButton3)
        GradButton3->OnClick = [this](TObject* sender) { GradButton3Click(sender); };
}

TForm9::~TForm9() = default;

// Every new game starts from an empty set-up, so going back and starting again lists each club once.
void TForm9::FormCreate(TObject*)
{
    BeginNewGameSetup();
    ListNewGameClubFiles();
    for (TCheckBox* box : {ckinter1, ckinter2, ckcopa, ckcopamundo, ckcopa2, ckeurocopa, ckcopaamerica})
        if (box)
            box->SetChecked(true);
    if (ckestadual)
        ckestadual->SetChecked(false);
    if (rd1)
        rd1->SetChecked(true);
    FillCountryList();
    Game.HumanClubCount = 1;
}

void TForm9::FillCountryList()
{
    comboCountries_ = OfferedLeagueCountries();
    if (countries_) {
        countries_->Grid().BeginUpdate();
        countries_->Clear();
        for (int country : comboCountries_)
            countries_->AddRow(country, false, CountryNames[country], std::to_string(CountryClubCounts[country]),
                               country);
        countries_->Grid().EndUpdate();
    }
    if (!combo1)
        return;
    combo1->Items().Clear();
    int chosen = comboCountries_.empty() ? -1 : 0;
    for (std::size_t i = 0; i < comboCountries_.size(); ++i) {
        combo1->Items().Add(CountryNames[comboCountries_[i]]);
        if (comboCountries_[i] == CountryBrazil)
            chosen = static_cast<int>(i);
    }
    combo1->SetItemIndex(chosen);
    combo1Change(combo1);
}

void TForm9::combo1Change(TObject*)
{
    const int index = combo1 ? combo1->ItemIndex() : -1;
    const int country = index >= 0 && index < static_cast<int>(comboCountries_.size()) ? comboCountries_[index] : -1;
    const ChooserCaptions captions = ChooserCaptionsFor(country);
    if (ckestadual)
        ckestadual->SetVisible(captions.stateChampionships);
    if (ckcopa)
        ckcopa->SetCaption(captions.nationalCup);
    if (ckinter1)
        ckinter1->SetCaption(captions.firstContinental);
    if (ckinter2)
        ckinter2->SetCaption(captions.secondContinental);
}

void TForm9::list1CellClick(TObject*, int col, int row)
{
    if (col == kTickColumn && countries_ && (!rd2 || !rd2->Checked()))
        countries_->Toggle(row);
}

// The second continental pair is never played without the first.
void TForm9::CompetitionBoxClick(TObject* sender)
{
    if (!ckinter1 || !ckinter2)
        return;
    if (sender == ckinter2 && ckinter2->Checked() && !ckinter1->Checked())
        ckinter1->SetChecked(true);
    else if (!ckinter1->Checked())
        ckinter2->SetChecked(false);
}

void TForm9::ModeClick(TObject*)
{
    const bool real = !rd2 || !rd2->Checked();
    for (TControl* control : std::initializer_list<TControl*>{combo1, ComboBox1, list1, ckinter1, ckinter2, ckcopa,
                                                              ckestadual, ckcopamundo, ckcopa2, ckeurocopa,
                                                              ckcopaamerica})
        if (control)
            control->SetEnabled(real);
}

NewGameChoices TForm9::Choices()
{
    NewGameChoices choices;
    choices.customChampionship = rd2 && rd2->Checked();
    if (countries_)
        choices.countries = countries_->TickedIds();
    choices.leagueFormat = ComboBox1 && ComboBox1->ItemIndex() == 1 ? kLeagueFormatDivisionsOf20
                                                                    : kLeagueFormatDivisionsOf10;
    auto checked = [](TCheckBox* box) { return box && box->Checked(); };
    choices.nationalCup = checked(ckcopa);
    choices.stateChampionships = checked(ckestadual) && ckestadual->Visible();
    choices.firstContinentalPair = checked(ckinter1);
    choices.secondContinentalPair = checked(ckinter2) && checked(ckinter1);
    choices.realWorldCupGroups = checked(ckcopa2);
    choices.worldCup = checked(ckcopamundo);
    choices.eurocopa = checked(ckeurocopa);
    choices.copaAmerica = checked(ckcopaamerica);
    const int coaches = ComboBox2 && ComboBox2->ItemIndex() >= 0 ? ComboBox2->ItemIndex() + 1 : 1;
    choices.humanCoaches.resize(static_cast<std::size_t>(coaches));
    return choices;
}

void TForm9::GradButton1Click(TObject*)
{
    CountryClubCounts.fill(0);
    CustomChampionshipClubs.clear();
    CustomChampionshipFiles.clear();
    if (Form1)
        Form1->Show();
    Close();
}

void TForm9::GradButton2Click(TObject*)
{
    const NewGameChoices choices = Choices();
    if (choices.customChampionship) {
        OpenCustomChampionship();
        return;
    }
    // The missing league is told under the normal cursor; the hourglass comes with the set-up.
    if (choices.countries.empty()) {
        if (Hooks().showMessage)
            Hooks().showMessage(kNoLeagueSelectedText);
        return;
    }
    THourglass hourglass;
    if (!SetUpPlayedLeagues(choices))
        return;
    OpenCoachSetup();
}

void TForm9::GradButton3Click(TObject*)
{
    if (countries_)
        countries_->TickAll();
}

void TForm9::OpenCoachSetup()
{
    const std::string next = Game.LeagueFormat == kLeagueFormatDivisionsOf20 ? "TForm56" : "TForm11";
    RunQueued([next] {
        if (TGameForm* setup = CreateScreen(next, Application))
            setup->Show();
    });
    Close();
}

// The custom championship keeps this screen hidden behind it ("<< Voltar" closes both).
void TForm9::OpenCustomChampionship()
{
    Game.HumanClubCount = static_cast<std::int32_t>(Choices().humanCoaches.size());
    RunQueued([] {
        if (TGameForm* custom = CreateScreen("TForm39", Application))
            custom->Show();
    });
    Hide();
}

}  // namespace tarvelon
