#include "core/newgame/new_game_setup.h"

#include <algorithm>

#include "core/basics/ascii_text.h"
#include "core/draws/club_catalogue.h"
#include "core/draws/league_setup.h"
#include "core/draws/state_championship.h"
#include "core/hooks.h"
#include "core/records/matchday_globals.h"
#include "core/newgame/builder_tables.h"
#include "core/persist/club_file.h"
#include "core/season/competitions.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kHumanSlots = 6;

// The chooser's hidden country list starts on Brazil when it is offered, else on the first country.
int PlayedCountryOfChooser(const std::vector<int>& offered)
{
    if (std::find(offered.begin(), offered.end(), CountryBrazil) != offered.end())
        return CountryBrazil;
    return offered.empty() ? -1 : offered.front();
}

// The ticked countries in list order (country ids ascending), each once, that the list offers.
std::vector<int> TickedCountries(const std::vector<int>& chosen, const std::vector<int>& offered)
{
    std::vector<int> ticked;
    for (int country : offered)
        if (std::find(chosen.begin(), chosen.end(), country) != chosen.end())
            ticked.push_back(country);
    return ticked;
}

// Countries with at least one playable current club file: the custom championship's list.
std::vector<int> CountriesWithClubs()
{
    std::vector<int> countries;
    for (int country = 0; country < CustomCountry; ++country)
        if (CountryClubCounts[country] > 0)
            countries.push_back(country);
    return countries;
}

TLeague EmptyLeague(int country)
{
    TLeague league;
    league.country = country;
    for (int d = 0; d < kDivisions; ++d)
        for (int s = 0; s < kClubsPerDivision; ++s)
            league.divisions[d][s] = league.finalOrder[d][s] = -1;
    return league;
}

std::string NationalCupName(int country)
{
    if (country == CountryBrazil)
        return "Copa do Brasil";
    return std::string("Copa ") + (country >= 0 && country < CustomCountry ? CountryNames[country] : "");
}

int HumanCoachCount(const NewGameChoices& choices)
{
    return std::clamp(static_cast<int>(choices.humanCoaches.size()), 1, kHumanSlots);
}

void ReadModeIntoGame(const NewGameChoices& choices, int playedCountry)
{
    Game.HumanClubCount = HumanCoachCount(choices);
    Game.LeagueFormat = choices.leagueFormat == kLeagueFormatDivisionsOf20 ? kLeagueFormatDivisionsOf20
                                                                           : kLeagueFormatDivisionsOf10;
    Game.playedCountry = playedCountry;
    Game.nationalCupOn = choices.nationalCup ? 1 : 0;
    // "state championships on := `ckestadual` when the played country is 29, else 0": the played
    // country is Brazil whenever Brazil is offered, ticked or not; with its league unticked the season
    // would open on state-championship days that no Brazilian club is there to play. They need the
    // Brazilian league among the played ones.
    Game.StateChampionshipsOn = choices.stateChampionships && playedCountry == CountryBrazil &&
                                FindLeagueByCountry(CountryBrazil) >= 0;
    Game.firstContinentalPairOn = choices.firstContinentalPair ? 1 : 0;
    Game.secondContinentalPairOn = choices.secondContinentalPair && choices.firstContinentalPair ? 1 : 0;
    Game.cupName.set(NationalCupName(playedCountry));
}

void ReadTournamentsIntoGame(const NewGameChoices& choices)
{
    Game.thirtyTwoTeamDraw = choices.realWorldCupGroups ? 1 : 0;
    Game.worldCupOn = choices.worldCup ? 1 : 0;
    Game.eurocopaOn = choices.eurocopa ? 1 : 0;
    Game.copaAmericaOn = choices.copaAmerica ? 1 : 0;
}

bool InStateGroup(int club)
{
    const int state = Clubs[club].State;
    if (state < 0 || state >= kStateCount)
        return false;
    for (const auto& group : StateChampionships[state].groups)
        if (std::find(std::begin(group), std::end(group), club) != std::end(group))
            return true;
    return false;
}

bool IsRegionalClub(int club)
{
    return Game.RegionalFourthDivision && Clubs[club].Country == CountryBrazil && Clubs[club].Division == 0 &&
           InStateGroup(club);
}

// The Brazilian fourth division of 20 gives way to the regional division of the state clubs.
void OfferRegionalDivision(TLeague& brazil)
{
    for (int s = 0; s < kClubsPerDivision; ++s)
        brazil.divisions[3][s] = brazil.finalOrder[3][s] = -1;
    Game.RegionalFourthDivision = 1;
    for (int club = 0; club < static_cast<int>(Clubs.size()); ++club) {
        TClub& c = Clubs[club];
        if (c.Country == CountryBrazil && (c.Division == 0 || c.Division == 4) && InStateGroup(club))
            c.Division = 0;
    }
}

bool IsCustomChampionship() { return Game.playedCountry == CustomCountry; }

// Divisions whose clubs the coach screens list: the radio-button screen shows three divisions of 20.
int DivisionsShown(const TLeague& league)
{
    int shown = league.divisionCount;
    const bool radioScreen = IsCustomChampionship() || Game.LeagueFormat == kLeagueFormatDivisionsOf10;
    if (radioScreen && Game.LeagueFormat == kLeagueFormatDivisionsOf20)
        shown = std::min(shown, 3);
    return std::clamp(shown, 0, kDivisions);
}

bool InShownDivision(int club)
{
    const int league = FindLeagueByCountry(Clubs[club].Country);
    if (league < 0)
        return false;
    const TLeague& l = Leagues[league];
    for (int d = 0; d < DivisionsShown(l); ++d)
        if (std::find(std::begin(l.divisions[d]), std::end(l.divisions[d]), club) != std::end(l.divisions[d]))
            return true;
    return false;
}

}  // namespace

void BeginNewGameSetup()
{
    ResetGameState();
    ResetGameTables();
    ResetNewGameBuilderTables();
    CurrentLeague = 0;
}

void ListNewGameClubFiles()
{
    ListClubFilesForNewGame("teams");
    CountClubFilesByCountry();
}

void CountClubFilesByCountry()
{
    CountryClubCounts.fill(0);
    for (const TClubHeader& header : CustomChampionshipClubs)
        if (IsClubFileTakenIntoGame(header) && header.country < CustomCountry)
            ++CountryClubCounts[header.country];
}

std::vector<int> OfferedLeagueCountries()
{
    std::vector<int> offered;
    for (int country = 0; country < CustomCountry; ++country)
        if (CountryClubCounts[country] >= kClubFilesForALeague)
            offered.push_back(country);
    return offered;
}

bool SetUpPlayedLeagues(const NewGameChoices& choices)
{
    const std::vector<int> offered = OfferedLeagueCountries();
    const std::vector<int> ticked = TickedCountries(choices.countries, offered);
    if (ticked.empty()) {
        if (Hooks().showMessage)
            Hooks().showMessage(kNoLeagueSelectedText);
        return false;
    }
    Leagues.clear();
    for (int country : ticked)
        Leagues.push_back(EmptyLeague(country));
    ReadModeIntoGame(choices, PlayedCountryOfChooser(offered));
    ReadTournamentsIntoGame(choices);
    CurrentLeague = 0;
    for (int league = 0; league < static_cast<int>(ticked.size()); ++league)
        AddCountryClubs(league, ticked[league]);
    CountryClubCounts.fill(0);
    return true;
}

bool SetUpCustomChampionship(const NewGameChoices& choices)
{
    const std::vector<int> ticked = TickedCountries(choices.countries, CountriesWithClubs());
    int pooled = 0;
    for (int country : ticked)
        pooled += CountryClubCounts[country];
    if (pooled < kClubsForACustomChampionship)
        return false;

    for (TClubHeader& header : CustomChampionshipClubs)
        if (std::find(ticked.begin(), ticked.end(), header.country) != ticked.end())
            header.country = CustomCountry;
    Game.HumanClubCount = HumanCoachCount(choices);
    Game.worldCupOn = Game.eurocopaOn = Game.copaAmericaOn = 0;
    Game.StateChampionshipsOn = Game.firstContinentalPairOn = Game.secondContinentalPairOn = 0;
    Game.nationalCupOn = choices.nationalCup ? 1 : 0;
    Game.cupName.set("Copa Internacional");
    Game.LeagueFormat = choices.leagueFormat == kLeagueFormatDivisionsOf20 ? kLeagueFormatDivisionsOf20
                                                                           : kLeagueFormatDivisionsOf10;
    Game.playedCountry = CustomCountry;
    Leagues.assign(1, EmptyLeague(CustomCountry));
    Leagues[0].humanPresent = 1;
    CurrentLeague = 0;
    AddCountryClubs(0, CustomCountry);
    return true;
}

void PrepareHumanCoachSetup()
{
    if (Game.StateChampionshipsOn)
        DrawStateChampionships();
    for (std::int32_t& club : Game.HumanClubs)
        club = -1;
    if (IsCustomChampionship() || Game.LeagueFormat != kLeagueFormatDivisionsOf20 || !Game.StateChampionshipsOn)
        return;
    const int brazil = FindLeagueByCountry(CountryBrazil);
    if (brazil >= 0 && Leagues[brazil].divisionCount == kDivisions && HasStateClubsForFourthDivision())
        OfferRegionalDivision(Leagues[brazil]);
}

bool IsClubOfferedToHumanCoach(int club)
{
    if (club < 0 || club >= std::min(Game.LeagueClubCount, static_cast<int>(Clubs.size())))
        return false;
    return InShownDivision(club) || IsRegionalClub(club);
}

bool ChooseHumanClub(int slot, int club, const std::string& coachName)
{
    if (slot < 1 || slot > kHumanSlots || !IsClubOfferedToHumanCoach(club))
        return false;
    TClub& c = Clubs[club];
    if (c.IsHuman) {
        if (Hooks().showMessage)
            Hooks().showMessage(kClubAlreadyHumanText);
        return false;
    }
    c.IsHuman = 1;
    Game.HumanClubs[slot - 1] = club;
    Game.CurrentHumanClub = club;
    if (!IsCustomChampionship())
        Leagues[FindLeagueByCountry(c.Country)].humanPresent = 1;
    HumanCoachNames[slot - 1].set(coachName);
    return true;
}

int FindLeagueClubByFile(const std::string& clubFile)
{
    const int clubs = std::min(Game.LeagueClubCount, static_cast<int>(ClubFileNames.size()));
    for (int club = 0; club < clubs; ++club)
        if (SameTextIgnoringCase(ClubFileNames[club], clubFile))
            return club;
    return -1;
}

FirstScreen RunNewGameBuilder()
{
    Game.MidSeasonRevalued = 0;
    if (Game.RegionalFourthDivision) {
        const int brazil = FindLeagueByCountry(CountryBrazil);
        if (brazil >= 0 && Leagues[brazil].divisionCount >= kDivisions)
            Leagues[brazil].divisionCount = kDivisions - 1;
    }
    const FirstScreen screen = StartNewGame();
    CustomChampionshipClubs.clear();
    CustomChampionshipFiles.clear();
    return screen;
}

bool SetUpNewGameBeforeCoaches(const NewGameChoices& choices)
{
    BeginNewGameSetup();
    ListNewGameClubFiles();
    const bool set = choices.customChampionship ? SetUpCustomChampionship(choices) : SetUpPlayedLeagues(choices);
    if (set)
        PrepareHumanCoachSetup();
    return set;
}

FirstScreen StartNewGame(const NewGameChoices& choices)
{
    const int coaches = static_cast<int>(choices.humanCoaches.size());
    if (coaches < 1 || coaches > kHumanSlots)
        return FirstScreen::None;
    if (!SetUpNewGameBeforeCoaches(choices))
        return FirstScreen::None;
    for (int k = 0; k < coaches; ++k) {
        const HumanCoachChoice& coach = choices.humanCoaches[k];
        if (!ChooseHumanClub(k + 1, FindLeagueClubByFile(coach.clubFile), coach.name))
            return FirstScreen::None;
    }
    return RunNewGameBuilder();
}

}  // namespace tarvelon
