#include "screens/competitions/national_cup_bracket_screen.h"

#include "core/format/names.h"
#include "core/tables.h"
#include "platform/stdctrls/graphic_controls.h"
#include "platform/stdctrls/image_list_component.h"
#include "platform/stdctrls/lists.h"
#include "screens/common/screen_registry.h"
#include "screens/common/view_helpers.h"

namespace tarvelon {

namespace {

constexpr int kBrazil = 29;
constexpr int kCrestSlots = 32;

}  // namespace

const TScreenRecord TForm35::kScreen{
    .formClass = "TForm35",
    .shows = "Chaveamento da copa nacional",
    .area = TScreenArea::Competitions,
    .modal = true,
    .style = BrowsingScreenStyle(),
    .create = NewScreen<TForm35>,
    .file = "screens/competitions/national_cup_bracket_screen.cpp",
};

TForm35::TForm35(TComponent* owner)
    : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { FormCreate(); });
    BindHandler("combopaisChange", [this](TObject*) {
        if (combopais->ItemIndex() < 0)
            return;
        THourglass hourglass;
        ShownCupLeague = combopais->ItemIndex();
        FillNationalCupBracket();
    });
    BindHandler("GradButton1Click", [this](TObject*) { Close(); });
    ReadDescription();
    Label1 = FindChild<TLabel>("Label1");
    combopais = FindChild<TComboBoxEx>("combopais");
    flags = FindChild<TCustomImageList>("flags");
    bracket = FindBracketControls(*this, kNationalCupTies, kCrestSlots);
}

void TForm35::FormCreate()
{
    ShownCupLeague = 0;
    if (Leagues.size() >= 2)
        ShownCupLeague = FillLeagueChooser(*combopais, *flags, kBrazil);
    else
        combopais->SetVisible(false);
    FillNationalCupBracket();
}

void TForm35::FillNationalCupBracket()
{
    const bool known = ShownCupLeague >= 0 && ShownCupLeague < static_cast<int>(Leagues.size());
    Label1->SetCaption("Tabela da Copa " +
                       (known ? CountryPhrase(Leagues[static_cast<std::size_t>(ShownCupLeague)].country) : ""));
    const NationalCupBracket cup = NationalCupBracketOf(ShownCupLeague);
    FillBracket(bracket, cup.ties, cup.champion);
    if (cup.sixteenEntrants)
        ListSixteenEntrants(cup);
}

// The first column lists the sixteen clubs one by one, each alone as team 1 of ties 1 to 16. Only
// the clubs of the ties shown are listed: the lines of ties whose first leg is not known yet keep
// both labels empty and silver.
void TForm35::ListSixteenEntrants(const NationalCupBracket& cup)
{
    const auto column = SixteenEntrantsColumn(cup);
    for (std::size_t k = 0; k < column.size(); ++k) {
        if (column[k] < 0)
            continue;
        ShowClubInLabel(bracket.team1[k], column[k]);
        if (bracket.team2[k])
            bracket.team2[k]->SetVisible(false);
        ShowMiniCrest(bracket.crests[2 * k], column[k]);
    }
}

}  // namespace tarvelon
