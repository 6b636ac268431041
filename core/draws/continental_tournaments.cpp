#include <iterator>
#include <vector>

#include "core/basics/random.h"
#include "core/draws/draw_candidates.h"
#include "core/draws/national_team_draw.h"
#include "core/draws/national_tournaments.h"
#include "core/records/game_state.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kCopaGroups = 3;
constexpr int kEuroGroups = 4;
constexpr int kPotSize = 8;

// The five layouts of the Copa América, groups 1..3 of four countries each, by country id.
constexpr int kCopaLayouts[5][12] = {
    {46, 151, 26, 198, 11, 131, 195, 60, 29, 150, 51, 42},
    {46, 42, 60, 198, 29, 131, 151, 150, 11, 195, 26, 51},
    {29, 46, 60, 151, 195, 150, 131, 198, 11, 26, 68, 42},
    {11, 42, 26, 131, 29, 151, 68, 60, 46, 198, 150, 195},
    {29, 150, 51, 42, 46, 151, 26, 198, 11, 131, 195, 60},
};

// The three pots of the Eurocopa, by country id.
constexpr int kEuroPots[3][kPotSize] = {
    {3, 97, 65, 104, 72, 85, 154, 159},   // Alemanha, Inglaterra, Espanha, Itália, França, Holanda, Portugal, Rep. Tcheca
    {78, 162, 179, 192, 152, 193, 54, 52}, // Grécia, Rússia, Suécia, Turquia, Polônia, Ucrânia, Dinamarca, Croácia
    {160, 142, 171, 31, 63, 180, 21, 100}, // Romênia, Noruega, Sérvia, Bulgaria, Eslováquia, Suiça, Bélgica, Irlanda
};

// A pot's national teams in random order (1-based picks).
std::vector<int> DrawPot(const int* countries)
{
    std::vector<DrawCandidate> pot;
    for (int club : NationalTeamClubs(countries, kPotSize))
        pot.push_back({club, 0, Random(100)});
    SortCandidates(pot, CompareKeyOnly);
    std::vector<int> order(1, -1);
    for (const DrawCandidate& entry : pot)
        order.push_back(entry.club);
    return order;
}

void FinishContinentalDraw(const NationalGroupTable& table, int groups)
{
    PlaceNationalGroups(table, groups, true);
    WriteTournamentRows(groups);
}

}  // namespace

int ContinentalHostNumber(int editions)
{
    return editions >= 0 && editions <= 55 ? editions % 7 + 1 : 1;
}

void DrawCopaAmerica()
{
    ResetNationalTournamentState();
    const int layout = Random(5);
    const std::vector<int> clubs = NationalTeamClubs(kCopaLayouts[layout], 12);
    int table[8][4];
    for (int g = 0; g < kCopaGroups; ++g)
        for (int p = 0; p < 4; ++p)
            table[g][p] = clubs[4 * g + p];
    FinishContinentalDraw(table, kCopaGroups);
    Game.TournamentHost = ContinentalHostNumber(Game.copaAmericaEditions);
}

void DrawEurocopa()
{
    ResetNationalTournamentState();
    const std::vector<int> p1 = DrawPot(kEuroPots[0]);
    const std::vector<int> p2 = DrawPot(kEuroPots[1]);
    const std::vector<int> p3 = DrawPot(kEuroPots[2]);
    int table[8][4] = {
        {p1[1], p1[5], p2[1], p2[5]},
        {p1[2], p1[6], p2[2], p2[6]},
        {p1[3], p1[7], p2[3], p3[1]},
        {p1[4], p1[8], p2[4], p3[2]},
    };
    FinishContinentalDraw(table, kEuroGroups);
    Game.TournamentHost = ContinentalHostNumber(Game.eurocopaEditions);
}

}  // namespace tarvelon
