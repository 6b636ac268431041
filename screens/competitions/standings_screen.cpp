// The standings (TForm36).
#include "screens/competitions/standings_screen.h"

#include "controls/grad_button.h"
#include "core/format/images.h"
#include "core/records/game_state.h"
#include "core/records/state_championship.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "core/views/standings_view.h"
#include "core/vocab/countries.h"
#include "core/vocab/players.h"
#include "platform/forms/keys.h"
#include "platform/graphics/picture.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/game_form.h"
#include "screens/common/screen_registry.h"
#include "screens/common/view_helpers.h"

namespace tarvelon {

namespace {

constexpr int kCustomCountry = 202;
constexpr int kRowHeight = 19;
constexpr int kPageLeft = 25;
constexpr int kPageTop = 68;
constexpr int kPageWidth = 743;
constexpr int kTableWidth = 348;
constexpr int kTableHead = 18;
constexpr int kPlaceWidth = 26;
constexpr int kCrestLeft = 28;
constexpr int kNameLeft = 48;
constexpr int kNameWidth = 123;
constexpr int kNumbersLeft = 173;
constexpr int kHeaderBlue = 0xFF8000;
constexpr int kRightColumn = kPageLeft + kPageWidth - kTableWidth;

const char* const kLegend[8] = {"PG", "J", "V", "E", "D", "GP", "GC", "SG"};
const char* const kLegendHints[8] = {"Pontos ganhos", "Jogos", "Vitórias", "Empates",
                                     "Derrotas", "Gols pró", "Gols contra", "Saldo gols"};

int NumberLeft(int i) { return kNumbersLeft + (i < 5 ? i * 20 : 100 + (i - 5) * 25); }
int NumberWidth(int i) { return i < 5 ? 20 : 25; }

TLabel* CellLabel(TWinControl* parent, const std::string& text, int width, TAlignment alignment)
{
    auto* label = new TLabel(parent);
    label->SetAutoSize(false);
    label->SetParent(parent);
    label->SetBounds(0, 0, width, kRowHeight - 1);
    label->SetAlignment(alignment);
    label->SetLayout(tlCenter);
    label->SetShowAccelChar(false);
    label->SetCaption(text);
    return label;
}

void PaintHeaderCell(TLabel& label)
{
    label.SetColor(kHeaderBlue);
    label.Font().SetColor(clWhite);
    label.Font().SetStyle(TFontStyles{fsBold});
}

int RowValue(const TStandingRow& row, int i)
{
    switch (i) {
    case 0: return row.points;
    case 1: return row.games;
    case 2: return row.wins;
    case 3: return row.draws;
    case 4: return row.losses;
    case 5: return row.goalsFor;
    case 6: return row.goalsAgainst;
    default: return row.goalDifference;
    }
}

bool ValidLeague(int league) { return league >= 0 && league < static_cast<int>(Leagues.size()); }

}  // namespace

void TStandingTable::MoveTo(int x, int y)
{
    heading->SetBounds(x + kNameLeft, y, kNameWidth, kRowHeight - 1);
    for (int i = 0; i < 8; ++i)
        legend[i]->SetBounds(x + NumberLeft(i), y, NumberWidth(i), kRowHeight - 1);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int top = y + kTableHead + 1 + static_cast<int>(r) * kRowHeight;
        rows[r].place->SetBounds(x, top, kPlaceWidth, kRowHeight - 1);
        rows[r].crest->SetBounds(x + kCrestLeft, top, 18, 18);
        rows[r].name->SetBounds(x + kNameLeft, top, kNameWidth, kRowHeight - 1);
        for (int i = 0; i < 8; ++i)
            rows[r].numbers[i]->SetBounds(x + NumberLeft(i), top, NumberWidth(i), kRowHeight - 1);
    }
}

void TStandingTable::SetVisible(bool visible)
{
    heading->SetVisible(visible);
    for (TLabel* label : legend)
        label->SetVisible(visible);
    for (Row& row : rows) {
        row.place->SetVisible(visible);
        row.crest->SetVisible(visible);
        row.name->SetVisible(visible);
        for (TLabel* label : row.numbers)
            label->SetVisible(visible);
    }
}

bool TStandingTable::Visible() const { return heading->Visible(); }

const TScreenRecord TForm36::kScreen{
    .formClass = "TForm36",
    .shows = "Classificação",
    .area = TScreenArea::Competitions,
    .modal = true,
    .style = {.closeOnEscape = true},
    .create = NewScreen<TForm36>,
    .file = "screens/competitions/standings_screen.cpp",
};

TForm36::TForm36(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormKeyDown", [this](TObject*, unsigned short& key, TShiftState) {
        if (key == VK_ESCAPE)
            Close();
    });
    BindHandler("Button1Click", [this](TObject*) { Close(); });
    BindHandler("combopaisChange", [this](TObject*) {
        if (comboboxd1->ItemIndex() < 0)
            return;
        THourglass busy;
        ShownLeague = comboboxd1->ItemIndex();
        titles[1]->SetCaption(LeagueStandingsTitle(ShownLeague));
        FillDivisionTables();
    });
    BindHandler("combo1Change", [this](TObject*) {
        const int item = combobox1->ItemIndex();
        if (item < 0 || item >= static_cast<int>(StateComboStates.size()))
            return;
        ShownState = StateComboStates[item];
        titles[3]->SetCaption(StateStandingsTitle(ShownState));
        FillStateTables();
    });
    ReadDescription();
    Button1 = FindChild<TGradButton>("Button1");
    comboboxd1 = FindChild<TComboBoxEx>("comboboxd1");
    combobox1 = FindChild<TComboBoxEx>("combobox1");
    flags = FindChild<TCustomImageList>("flags");
    stateFlags = FindChild<TCustomImageList>("stateFlags");

    ShowEuropeanEdition = false;
    ShownLeague = 0;
    ShownStandingsTab = FirstStandingsTab();
    BuildPageButtons();
    BuildDivisionTables();
    if (Game.StateChampionshipsOn) {
        ShownState = FirstShownState();
        BuildStateTables();
    }
    BuildTitles();
    if (Game.firstContinentalPairOn)
        BuildContinentalGroupTables();
    // "The page of ShownStandingsTab is made visible": a continental or state page that was not
    // built (its competition off or in the custom championship) would open on nothing; the
    // national page stands in for it.
    if ((ShownStandingsTab == 4 || ShownStandingsTab == 6) && !pageButtons[ShownStandingsTab]->Visible())
        ShownStandingsTab = 1;
    if (ShownStandingsTab == 3 && !Game.StateChampionshipsOn)
        ShownStandingsTab = 1;
    GradButton1Click(ShownStandingsTab);
}

void TForm36::BuildPageButtons()
{
    const bool custom = !Leagues.empty() && Leagues.front().country == kCustomCountry;
    const bool firstPair = Game.firstContinentalPairOn && !custom;
    const bool secondPair = Game.secondContinentalPairOn && !custom;
    const std::array<const char*, 9> captions = {"", "Nacional", "", Game.StateChampionshipsOn ? "Estadual" : "",
                                                 "Libertadores", "", secondPair ? "Sul-Americana" : "",
                                                 "Liga Campeões", secondPair ? "Liga Europa" : ""};
    int left = kPageLeft;
    for (int number = 1; number <= 8; ++number) {
        auto* button = new TGradButton(this);
        button->SetParent(this);
        button->SetName("but" + std::to_string(number));
        button->SetCaption(captions[number]);
        button->SetColorScheme(csNeoSilver);
        button->OnClick = [this, number](TObject*) { GradButton1Click(number); };
        bool visible = *captions[number] != '\0';
        if ((number == 4 || number == 7) && !firstPair)
            visible = false;
        // "Buttons 6 and 8 likewise for the second pair": but the group tables are built only when
        // the first pair is on, so with the second pair alone these buttons would open tables that
        // do not exist. They stand only when both pairs are played.
        if ((number == 6 || number == 8) && !(firstPair && secondPair))
            visible = false;
        button->SetVisible(visible);
        if (visible) {
            button->SetBounds(left, 8, 85, 25);
            left += 100;
        }
        pageButtons[number] = button;
    }
}

void TForm36::BuildTitles()
{
    const std::array<std::pair<int, std::string>, 3> pages = {
        std::pair{1, LeagueStandingsTitle(ShownLeague)}, std::pair{3, StateStandingsTitle(ShownState)},
        std::pair{4, std::string("Taça Libertadores")}};
    for (const auto& [page, text] : pages) {
        auto* title = new TLabel(this);
        title->SetName("labtitulo" + std::to_string(page));
        title->SetAutoSize(false);
        title->SetParent(this);
        title->SetBounds(kPageLeft, 42, kPageWidth, 20);
        title->SetAlignment(taCenter);
        title->SetTransparent(true);
        title->Font().SetName("Arial");
        title->Font().SetSize(10);
        title->Font().SetStyle(TFontStyles{fsBold});
        title->Font().SetColor(clYellow);
        title->SetCaption(text);
        titles[page] = title;
    }
}

TStandingTable TForm36::MakeTable(int rows, const char* heading, bool hints)
{
    TStandingTable table;
    table.heading = CellLabel(this, heading, kNameWidth, taLeftJustify);
    table.heading->SetTransparent(true);
    table.heading->Font().SetStyle(TFontStyles{fsBold});
    table.heading->Font().SetColor(clNavy);
    for (int i = 0; i < 8; ++i) {
        table.legend[i] = CellLabel(this, kLegend[i], NumberWidth(i), taCenter);
        PaintHeaderCell(*table.legend[i]);
        table.legend[i]->SetHint(kLegendHints[i]);
        table.legend[i]->SetShowHint(true);
    }
    for (int r = 0; r < rows; ++r) {
        TStandingTable::Row row;
        row.place = CellLabel(this, "--", kPlaceWidth, taCenter);
        PaintHeaderCell(*row.place);
        row.crest = new TImage(this);
        row.crest->SetParent(this);
        row.crest->SetStretch(true);
        row.crest->SetCenter(true);
        row.name = CellLabel(this, " ", kNameWidth, taLeftJustify);
        row.name->Font().SetName("Arial");
        row.name->SetShowHint(hints);
        for (int i = 0; i < 8; ++i)
            row.numbers[i] = CellLabel(this, "0", NumberWidth(i), taCenter);
        table.rows.push_back(row);
    }
    table.SetVisible(false);
    return table;
}

const QImage* TForm36::MiniCrest(int club)
{
    auto found = crests_.find(club);
    if (found == crests_.end()) {
        const std::string path = MiniCrestPath(club);
        found = crests_.emplace(club, path.empty() ? QImage() : QImage(QString::fromStdString(path))).first;
    }
    return found->second.isNull() ? nullptr : &found->second;
}

void TForm36::FillTable(TStandingTable& table, const std::vector<TStandingRow>& rows, const std::vector<int>& colours,
                        bool countryHints)
{
    const std::vector<std::string> places = PlaceTexts(rows);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        TStandingTable::Row& row = table.rows[r];
        const bool filled = r < rows.size();
        const int colour = r < colours.size() ? colours[r] : kPlainRow;
        row.place->SetCaption(filled ? places[r] : "--");
        row.name->SetCaption(filled ? " " + Clubs[rows[r].club].name.str() : " ");
        row.name->SetColor(PositionColors[colour]);
        const int country = filled ? Clubs[rows[r].club].Country : 0;
        row.name->SetHint(countryHints && country > 0 && country < static_cast<int>(CountryNames.size())
                              ? CountryNames[country]
                              : "");
        for (int i = 0; i < 8; ++i) {
            row.numbers[i]->SetCaption(filled ? std::to_string(RowValue(rows[r], i)) : "0");
            row.numbers[i]->SetColor(PositionColors[colour]);
        }
        const QImage* crest = filled ? MiniCrest(rows[r].club) : nullptr;
        if (crest)
            row.crest->Picture().SetGraphic(std::make_unique<TImageGraphic>(*crest, TImageFormat::Bmp));
        else
            row.crest->Picture().SetGraphic(nullptr);
    }
}

// The national page: the league chooser and four division tables.
void TForm36::BuildDivisionTables()
{
    if (Leagues.size() >= 2) {
        const int human = Game.CurrentHumanClub;
        const int country = human >= 0 && human < static_cast<int>(Clubs.size()) ? Clubs[human].Country : CountryBrazil;
        ShownLeague = FillLeagueChooser(*comboboxd1, *flags, country);
    } else {
        comboboxd1->SetVisible(false);
    }
    const int rows = DivisionRows();
    for (int d = 1; d <= 4; ++d) {
        const std::string heading = std::to_string(d) + "ª divisão";
        divisionTables[d - 1] = MakeTable(rows, heading.c_str(), false);
    }
    const char* const links[3] = {"Ver 2ª divisão", "Ver 3ª divisão", "Ver 4ª divisão"};
    for (int i = 0; i < 3; ++i) {
        auto* link = new TGradButton(this);
        link->SetParent(this);
        link->SetName(i == 0 ? "labeltt" : "labeltt" + std::to_string(i + 1));
        link->SetCaption(links[i]);
        link->SetColorScheme(csNeoDesert);
        link->Font().SetStyle(TFontStyles{fsBold, fsUnderline});
        link->SetCursor(crHandPoint);
        link->SetBounds(kRightColumn + i * 116, kPageTop + kTableHead + 20 * kRowHeight + 8, 110, 22);
        link->SetVisible(false);
        link->OnClick = [this, i](TObject*) { ShowRightDivision(i + 2); };
        divisionLinks[i] = link;
    }
    ArrangeDivisionTables();
    FillDivisionTables();
}

void TForm36::ArrangeDivisionTables()
{
    if (Game.LeagueFormat == kDivisionsOf20) {
        divisionTables[0].MoveTo(kPageLeft, kPageTop);
        for (int d = 2; d <= 4; ++d)
            divisionTables[d - 1].MoveTo(kRightColumn, kPageTop);
        return;
    }
    const int lower = kPageTop + kTableHead + 10 * kRowHeight + 16;
    divisionTables[0].MoveTo(kPageLeft, kPageTop);
    divisionTables[1].MoveTo(kRightColumn, kPageTop);
    divisionTables[2].MoveTo(kPageLeft, lower);
    divisionTables[3].MoveTo(kRightColumn, lower);
}

void TForm36::FillDivisionTables()
{
    const auto colours = LeagueRowColours(ShownLeague);
    for (int d = 1; d <= 4; ++d)
        FillTable(divisionTables[d - 1], DivisionTableRows(ShownLeague, d), colours[d - 1], false);
    // A league filled anew starts on its second division in the right-hand column.
    RightDivision = 2;
    if (ShownStandingsTab == 1)
        ShowPage(1);
}

void TForm36::ShowRightDivision(int division)
{
    RightDivision = division;
    for (int d = 2; d <= 4; ++d)
        divisionTables[d - 1].SetVisible(d == division);
    for (int i = 0; i < 3; ++i)
        divisionLinks[i]->SetColorScheme(i + 2 == division ? csGrass : csNeoDesert);
}

// The state page: the chooser of the states in play and four groups of six.
void TForm36::BuildStateTables()
{
    StateComboStates = ActiveStateChampionships();
    EnsureStateFlags(*stateFlags);
    combobox1->SetImages(stateFlags);
    combobox1->Items().Clear();
    for (std::size_t i = 0; i < StateComboStates.size(); ++i) {
        const int state = StateComboStates[i];
        combobox1->AddItem(std::string(StateCodes[state]) + " - " + StateDemonyms[state], state);
        if (state == ShownState)
            combobox1->SetItemIndex(static_cast<int>(i));
    }
    for (int g = 1; g <= 4; ++g) {
        const std::string heading = std::to_string(g) + "ª divisão";
        stateTables[g - 1] = MakeTable(kStateGroupRows, heading.c_str(), false);
    }
    FillStateTables();
}

void TForm36::FillStateTables()
{
    const int groups = std::min(StateChampionships[ShownState].groupCount, 4);
    for (int g = 1; g <= 4; ++g) {
        std::vector<TStandingRow> rows;
        if (g <= groups)
            rows = RankedTableRows(StateGroupClubs(ShownState, g), 3);
        FillTable(stateTables[g - 1], rows, StateGroupRowColours(g), false);
    }
    ArrangeStateGroups(groups);
}

void TForm36::ArrangeStateGroups(int groups)
{
    const int height = kTableHead + kStateGroupRows * kRowHeight + 24;
    const int centre = kPageLeft + (kPageWidth - kTableWidth) / 2;
    const bool shown = ShownStandingsTab == 3;
    for (int g = 1; g <= 4; ++g) {
        TStandingTable& table = stateTables[g - 1];
        const int row = (g - 1) / 2;
        const bool alone = (groups == 1 && g == 1) || (groups == 3 && g == 3);
        const int x = alone ? centre : (g % 2 == 1 ? kPageLeft : kRightColumn);
        table.MoveTo(x, kPageTop + row * height);
        table.SetVisible(shown && g <= groups);
    }
}

// The continental pages: eight groups of four, filled for the tab and edition shown.
void TForm36::BuildContinentalGroupTables()
{
    for (int g = 1; g <= kContinentalGroups; ++g) {
        const std::string heading = "Grupo " + std::to_string(g);
        continentalTables[g - 1] = MakeTable(kContinentalGroupRows, heading.c_str(), true);
        const int height = kTableHead + kContinentalGroupRows * kRowHeight + 6;
        continentalTables[g - 1].MoveTo(g % 2 == 1 ? kPageLeft : kRightColumn, kPageTop + (g - 1) / 2 * height);
    }
    FillContinentalGroupTables();
}

void TForm36::FillContinentalGroupTables()
{
    const int tab = ShownStandingsTab == 6 ? 6 : 4;
    titles[4]->SetCaption(ContinentalStandingsTitle(tab, ShowEuropeanEdition));
    const bool drawn = Game.Season > 1;
    for (int g = 1; g <= kContinentalGroups; ++g) {
        std::vector<TStandingRow> rows;
        if (drawn)
            rows = RankedTableRows(ContinentalGroupClubs(tab, ShowEuropeanEdition ? 2 : 1, g), tab);
        FillTable(continentalTables[g - 1], rows, ContinentalGroupRowColours(), true);
    }
}

void TForm36::GradButton1Click(int button)
{
    for (int number = 1; number <= 8; ++number)
        pageButtons[number]->SetColorScheme(number == button ? csGrass : csNeoSilver);
    ShownStandingsTab = button == 7 ? 4 : button == 8 ? 6 : button;
    if (button == 4 || button == 6)
        ShowEuropeanEdition = false;
    if (button == 7 || button == 8)
        ShowEuropeanEdition = true;
    if (ShownStandingsTab == 4 || ShownStandingsTab == 6)
        FillContinentalGroupTables();
    ShowPage(ShownStandingsTab == 6 ? 4 : ShownStandingsTab);
}

void TForm36::ShowPage(int page)
{
    const int divisions = ValidLeague(ShownLeague) ? Leagues[ShownLeague].divisionCount : 0;
    const bool national = page == 1;
    comboboxd1->SetVisible(national && Leagues.size() >= 2);
    combobox1->SetVisible(page == 3);
    for (int p : {1, 3, 4})
        if (titles[p])
            titles[p]->SetVisible(p == page);
    if (Game.LeagueFormat == kDivisionsOf20) {
        divisionTables[0].SetVisible(national);
        const bool brazil = ValidLeague(ShownLeague) && Leagues[ShownLeague].country == CountryBrazil;
        const bool stateDay = Game.DayKind == 3 && brazil;
        // The regional fourth division is drawn from the states: until then its link stands greyed.
        const bool regionalToCome = Game.RegionalFourthDivision && brazil && divisions == 3 && stateDay;
        divisionLinks[0]->SetVisible(national && divisions >= 3);
        divisionLinks[1]->SetVisible(national && divisions >= 3);
        divisionLinks[2]->SetVisible(national && (divisions >= 4 || regionalToCome));
        divisionLinks[2]->SetEnabled(!stateDay);
        if (national && divisions >= 2)
            ShowRightDivision(RightDivision);
        else
            for (int d = 2; d <= 4; ++d)
                divisionTables[d - 1].SetVisible(false);
    } else {
        // The upper two tables stand side by side; the lower two show the divisions the league has.
        for (int d = 1; d <= 4; ++d)
            divisionTables[d - 1].SetVisible(national && d <= std::max(divisions, 2));
        for (TGradButton* link : divisionLinks)
            link->SetVisible(false);
    }
    for (int g = 1; g <= 4; ++g)
        if (stateTables[g - 1].heading)
            stateTables[g - 1].SetVisible(page == 3 && g <= std::min(StateChampionships[ShownState].groupCount, 4));
    for (TStandingTable& table : continentalTables)
        if (table.heading)
            table.SetVisible(page == 4);
}

}  // namespace tarvelon
