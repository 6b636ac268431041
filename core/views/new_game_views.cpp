#include "core/views/new_game_views.h"

#include <algorithm>
#include <memory>

#include "core/newgame/new_game_setup.h"
#include "core/persist/saved_game.h"
#include "core/season/competitions.h"
#include "core/tables.h"
#include "core/vocab/countries.h"

namespace tarvelon {

ChooserCaptions ChooserCaptionsFor(int country)
{
    ChooserCaptions captions;
    const bool known = country >= 0 && country < CustomCountry;
    captions.stateChampionships = country == CountryBrazil;
    captions.nationalCup = country == CountryBrazil ? std::string("Jogar Copa do Brasil")
                                                    : std::string("Jogar Copa do(a) ") + (known ? CountryNames[country] : "");
    const bool europe = known && ConfederationOfCountry(country) == 0;
    captions.firstContinental = europe ? "Jogar Copa dos Campeões" : "Jogar Taça Libertadores";
    captions.secondContinental = europe ? "Jogar Liga Europa da UEFA" : "Jogar Copa Sul-Americana";
    return captions;
}

bool CustomChampionshipCanStart(int clubs) { return clubs >= kClubsForACustomChampionship; }

bool CustomChampionshipOverLimit(int clubs) { return clubs > kCustomChampionshipClubLimit; }

int SeasonYear(int season) { return 2009 + season; }

std::string NextCompetitionText(const TGameState& state)
{
    switch (state.DayKind) {
    case 0: return "Amistoso";
    case 1:
        return "Campeonato Nacional" + std::to_string(state.LeagueRound) + "ª rodada -" +
               std::to_string(state.LeagueTurn) + "º turno";
    case 2: return "Copa Nacional";
    case 3: return "Campeonato estadual";
    case 4: return "Libertadores/Liga Campeões";
    case 5: return "Mundial Interclubes";
    case 6: return "Sul-Americana/Liga Europa";
    case 7: return "Copa do Mundo";
    case 8: return "Copa América";
    case 9: return "Eurocopa";
    default: return "";
    }
}

// Each preview reads into a record of its own, so a short file never shows the last file's data.
// The file is read as loading reads it: "When the scratch save version is 10" the header alone
// would preview a cut or damaged save as a game, which "Carregar" then refuses; such a file shows
// "arquivo inválido" at once.
SavePreviewTexts PreviewSavedGame(const std::string& name)
{
    SavePreviewTexts texts;
    auto preview = std::make_unique<TGameState>();
    if (ReadSavePreview(name, *preview) != PreviewOutcome::kValid) {
        texts.nextCompetition = kInvalidPreviewText;
        return texts;
    }
    texts.valid = true;
    texts.coach = preview->previewCoach.str();
    texts.club = preview->previewClub.str();
    texts.year = std::to_string(SeasonYear(preview->Season));
    texts.nextCompetition = NextCompetitionText(*preview);
    return texts;
}

namespace {

void SortByName(std::vector<int>& clubs)
{
    std::stable_sort(clubs.begin(), clubs.end(),
                     [](int a, int b) { return Clubs[a].name.raw() < Clubs[b].name.raw(); });
}

}  // namespace

std::vector<int> DivisionClubs(int league, int division)
{
    std::vector<int> clubs;
    if (league < 0 || league >= static_cast<int>(Leagues.size()) || division < 1 || division > kDivisions)
        return clubs;
    for (int club : Leagues[league].divisions[division - 1])
        if (club >= 0 && club < static_cast<int>(Clubs.size()))
            clubs.push_back(club);
    return clubs;
}

std::vector<int> DivisionClubsByName(int league, int division)
{
    std::vector<int> clubs = DivisionClubs(league, division);
    SortByName(clubs);
    return clubs;
}

std::vector<int> RegionalClubsByName()
{
    std::vector<int> clubs;
    if (!Game.RegionalFourthDivision)
        return clubs;
    for (int club = 0; club < static_cast<int>(Clubs.size()); ++club)
        if (Clubs[club].Country == CountryBrazil && Clubs[club].Division == 0 && IsClubOfferedToHumanCoach(club))
            clubs.push_back(club);
    SortByName(clubs);
    return clubs;
}

}  // namespace tarvelon
