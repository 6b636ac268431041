#include "core/draws/club_world_cup.h"

#include <initializer_list>
#include <iterator>

#include "core/basics/random.h"
#include "core/records/cup_tie.h"
#include "core/draws/draw_candidates.h"
#include "core/draws/draw_services.h"
#include "core/draws/qualifiers.h"
#include "core/hooks.h"
#include "core/records/game_state.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kFirstContinentalKind = 4;
constexpr int kMexico = 131;
constexpr int kBrazil = 29;    // stands for South America when asking for its continental champion
constexpr int kEngland = 97;   // stands for Europe

// Rows of ContinentalEntrants, by the order of kClubWorldCupCountries.
enum Row {
    Japan, SaudiArabia, China, SouthKorea, Egypt, Morocco, SouthAfrica, Tunisia, CostaRica, Canada,
    Usa, Australia, NewZealand, Mexico, DrCongo
};

int FirstEntry(int row)
{
    return ContinentalEntrants[row][0];
}

// The first entry of the chosen row, or of the first fallback row that holds a club.
int ChosenOrFallback(int chosen, std::initializer_list<int> fallbacks)
{
    if (FirstEntry(chosen) >= 0)
        return FirstEntry(chosen);
    for (int row : fallbacks)
        if (FirstEntry(row) >= 0)
            return FirstEntry(row);
    return -1;
}

int DrawAsian()
{
    const int r = Random(100);
    const int row = r < 50 ? Japan : r < 90 ? SaudiArabia : r < 95 ? China : SouthKorea;
    return ChosenOrFallback(row, {Japan, SaudiArabia, China, SouthKorea});
}

int DrawAfrican()
{
    const int r = Random(100) + 1;
    const int row = r <= 20 ? Egypt : r <= 40 ? Morocco : r <= 50 ? SouthAfrica : r <= 80 ? DrCongo : Tunisia;
    return ChosenOrFallback(row, {DrCongo, Egypt, Morocco, SouthAfrica, Tunisia});
}

int DrawNorthAmerican(int southAmericanChampion)
{
    const int r = Random(100);
    const bool mexicanChampion =
        IsDrawnClub(southAmericanChampion) && Clubs[southAmericanChampion].Country == kMexico;
    int row;
    if (mexicanChampion)
        row = r < 50 ? CostaRica : r < 55 ? Canada : Usa;
    else
        row = r < 20 ? CostaRica : r < 25 ? Canada : r < 35 ? Usa : Mexico;
    return ChosenOrFallback(row, {CostaRica, Canada, Usa});
}

int DrawOceanian()
{
    const int r = Random(100);
    const int row = FirstEntry(NewZealand) >= 0 && r >= 60 ? NewZealand : Australia;
    return FirstEntry(row);
}

void SetTie(int tie, int first, int second)
{
    ClubWorldCupTies[tie].firstTeam = first;
    ClubWorldCupTies[tie].secondTeam = second;
}

}  // namespace

bool DrawClubWorldCup()
{
    for (QualifierRow& row : ContinentalEntrants)
        row.fill(-1);
    BuildCountryTables(Game.Season, false);
    FillContinentalEntrants(kClubWorldCupCountries, static_cast<int>(std::size(kClubWorldCupCountries)));

    const int southAmerica = FindDrawChampion(kFirstContinentalKind, kBrazil, Game.Season);
    const int europe = FindDrawChampion(kFirstContinentalKind, kEngland, Game.Season);
    const int asia = DrawAsian();
    const int africa = DrawAfrican();
    const int northAmerica = DrawNorthAmerican(southAmerica);
    const int oceania = DrawOceanian();

    const int entrants[] = {southAmerica, europe, asia, africa, northAmerica, oceania};
    for (int club : entrants) {
        if (!IsDrawnClub(club)) {
            if (Hooks().showMessage)
                Hooks().showMessage("Erro no jogo, reinstale os times");
            return false;
        }
    }

    ClearCupTieTeams(ClubWorldCupTies);
    if (Random(2) == 1) {
        SetTie(1, asia, africa);
        SetTie(2, northAmerica, oceania);
    } else {
        SetTie(1, asia, northAmerica);
        SetTie(2, africa, oceania);
    }
    if (Random(2) == 1) {
        SetTie(3, southAmerica, -1);
        SetTie(4, europe, -1);
    } else {
        SetTie(3, europe, -1);
        SetTie(4, southAmerica, -1);
    }
    for (int club : entrants)
        Clubs[club].clubWorldCupEntry = 1;
    return true;
}

}  // namespace tarvelon
