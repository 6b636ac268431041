// The custom championship set-up (TForm39).
#include "screens/start/custom_championship.h"

#include "controls/grad_button.h"
#include "core/newgame/builder_tables.h"
#include "core/newgame/new_game_setup.h"
#include "core/records/game_state.h"
#include "core/views/new_game_views.h"
#include "core/vocab/countries.h"
#include "grid/dg_grid.h"
#include "platform/forms/application.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/buttons.h"
#include "platform/stdctrls/containers.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/form_references.h"
#include "screens/common/queued_call.h"
#include "screens/common/screen_registry.h"
#include "screens/common/tick_list.h"

namespace tarvelon {

namespace {

// The chooser waits hidden behind this screen; it goes when this one goes on or back.
void CloseHiddenChooser()
{
    for (int i = Screen->FormCount() - 1; i >= 0; --i)
        if (Screen->Forms(i)->ClassName() == "TForm9")
            Screen->Forms(i)->Close();
}

}  // namespace

const TScreenRecord TForm39::kScreen{
    .formClass = "TForm39",
    .shows = "Campeonato personalizado",
    .area = TScreenArea::Start,
    .modal = true,
    .style = {.swallowAltF4 = true, .scaleToScreen = true},
    .create = NewScreen<TForm39>,
    .file = "screens/start/custom_championship.cpp",
};

TForm39::TForm39(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject* sender) { FormCreate(sender); });
    BindHandler("FormShow", [this](TObject* sender) { FormShow(sender); });
    BindHandler("GradButton1Click", [this](TObject* sender) { GradButton1Click(sender); });
    BindHandler("bt1Click", [this](TObject* sender) { bt1Click(sender); });
    ReadDescription();
    Panel1 = FindChild<TPanel>("Panel1");
    list1 = FindChild<TDataGrid>("list1");
    Label4 = FindChild<TLabel>("Label4");
    Label5 = FindChild<TLabel>("Label5");
    Label7 = FindChild<TLabel>("Label7");
    Label9 = FindChild<TLabel>("Label9");
    ComboBox1 = FindChild<TComboBox>("ComboBox1");
    ckcopaper = FindChild<TCheckBox>("ckcopaper");
    GradButton1 = FindChild<TGradButton>("GradButton1");
    bt1 = FindChild<TGradButton>("bt1");
    if (list1) {
        countries_ = std::make_unique<TTickList>(*this, *list1);
        list1->OnCellClick = [this](TObject* sender, int col, int row) { list1CellClick(sender, col, row); };
    }
}

TForm39::~TForm39() = default;

void TForm39::FormCreate(TObject*)
{
    if (countries_) {
        countries_->Grid().BeginUpdate();
        for (int country = 0; country < CustomCountry; ++country)
            if (CountryClubCounts[static_cast<std::size_t>(country)] > 0)
                countries_->AddRow(country, false, CountryNames[static_cast<std::size_t>(country)],
                                   std::to_string(CountryClubCounts[static_cast<std::size_t>(country)]), country);
        countries_->Grid().EndUpdate();
    }
    if (Label4)
        Label4->SetCaption(std::to_string(countries_ ? countries_->RowCount() : 0));
    ShowCounts();
}

// The panel stands centred across the form, which stands centred on the screen.
void TForm39::FormShow(TObject*)
{
    if (Panel1)
        Panel1->SetLeft((ClientWidth() - Panel1->Width()) / 2);
}

void TForm39::list1CellClick(TObject*, int col, int row)
{
    if (col == kTickColumn && countries_ && countries_->Toggle(row))
        ShowCounts();
}

void TForm39::ShowCounts()
{
    const int countries = countries_ ? countries_->TickedRows() : 0;
    const int clubs = countries_ ? countries_->TickedCountSum() : 0;
    if (Label5)
        Label5->SetCaption(std::to_string(countries));
    if (Label7)
        Label7->SetCaption(std::to_string(clubs));
    if (bt1)
        bt1->SetEnabled(CustomChampionshipCanStart(clubs));
    if (Label9)
        Label9->SetVisible(CustomChampionshipOverLimit(clubs));
}

void TForm39::GradButton1Click(TObject*)
{
    CloseHiddenChooser();
    if (Form1)
        Form1->Show();
    Close();
}

void TForm39::bt1Click(TObject*)
{
    NewGameChoices choices;
    choices.customChampionship = true;
    if (countries_)
        choices.countries = countries_->TickedIds();
    choices.leagueFormat = ComboBox1 && ComboBox1->ItemIndex() == 1 ? kLeagueFormatDivisionsOf20
                                                                    : kLeagueFormatDivisionsOf10;
    choices.nationalCup = ckcopaper && ckcopaper->Checked();
    choices.humanCoaches.resize(static_cast<std::size_t>(std::max<int>(Game.HumanClubCount, 1)));
    {
        THourglass hourglass;
        if (!SetUpCustomChampionship(choices))
            return;
    }
    RunQueued([] {
        if (TGameForm* setup = CreateScreen("TForm11", Application))
            setup->Show();
    });
    CloseHiddenChooser();
    Close();
}

}  // namespace tarvelon
