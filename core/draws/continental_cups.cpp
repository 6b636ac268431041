#include "core/draws/continental_cups.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <vector>

#include "core/basics/random.h"
#include "core/draws/draw_candidates.h"
#include "core/draws/qualifiers.h"
#include "core/records/game_state.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kGroups = 8;
constexpr int kSeeds = 8;
constexpr int kOthers = 24;
constexpr int kRetries = 50;

enum class Cup { First, Second };
enum class Edition { SouthAmerica = 1, Europe = 2 };

struct CupDraw {
    std::vector<std::int32_t> seeds;   // 8 places
    std::vector<std::int32_t> others;  // 24 places
};

// Appends entries first..last of entrant row `row`.
void Take(std::vector<std::int32_t>& list, int row, int first, int last)
{
    for (int e = first; e <= last; ++e)
        list.push_back(ContinentalEntrants[row][e]);
}

void TakeFromRows(std::vector<std::int32_t>& list, int firstRow, int lastRow, int first, int last)
{
    for (int row = firstRow; row <= lastRow; ++row)
        Take(list, row, first, last);
}

// The first entry of the first listed row whose club is human-run; otherwise the first entry of a
// row drawn at random, up to 50 times, until one holds a club. -1 when none did.
std::int32_t HumanFirstOrDrawn(std::initializer_list<int> rows)
{
    for (int row : rows) {
        const int club = ContinentalEntrants[row][0];
        if (IsDrawnClub(club) && Clubs[club].IsHuman)
            return club;
    }
    const std::vector<int> choices(rows);
    for (int attempt = 0; attempt < kRetries; ++attempt) {
        const int club = ContinentalEntrants[choices[Random(static_cast<int>(choices.size()))]][0];
        if (club >= 0)
            return club;
    }
    return -1;
}

std::int32_t (&GroupTable(Cup cup, Edition edition))[8][4]
{
    return Game.ContinentalGroups[ContinentalGroupTable(cup == Cup::First ? 4 : 6, static_cast<int>(edition))];
}

// Shuffles the pots, fills the groups (seed first, then three others) and marks the clubs.
void MakeGroups(CupDraw& draw, Cup cup, Edition edition)
{
    draw.seeds.resize(kSeeds, -1);
    draw.others.resize(kOthers, -1);
    ShufflePlaces(draw.seeds.data(), kSeeds);
    ShufflePlaces(draw.others.data(), kOthers);

    auto& table = GroupTable(cup, edition);
    for (int g = 0; g < kGroups; ++g) {
        table[g][0] = draw.seeds[g];
        for (int p = 1; p < 4; ++p)
            table[g][p] = draw.others[3 * g + p - 1];
    }
    for (int g = 0; g < kGroups; ++g) {
        for (int club : table[g]) {
            if (!IsDrawnClub(club))
                continue;
            if (cup == Cup::First) {
                Clubs[club].firstContinentalGroup = g + 1;
                Clubs[club].FirstContinentalEntry = 1;
            } else {
                Clubs[club].secondContinentalGroup = g + 1;
                Clubs[club].SecondContinentalEntry = 1;
            }
        }
    }
}

void ResetContinentalState()
{
    for (TClub& club : Clubs) {
        club.firstContinentalGroup = 0;
        club.secondContinentalGroup = 0;
    }
    Game.FirstContinentalTurn = Game.FirstContinentalStage = Game.FirstContinentalLeg = 1;
    Game.SecondContinentalTurn = Game.SecondContinentalStage = Game.SecondContinentalLeg = 1;
    Game.ClubWorldCupStage = 1;
    const int end = ClubTableEnd();
    for (int club = 0; club < end; ++club) {
        Clubs[club].FirstContinentalEntry = 0;
        Clubs[club].clubWorldCupEntry = 0;
    }
}

// Seeds from Brazil and Argentina (four each), three from each of the next six countries and two from
// each of the last three; the second cup takes the clubs after those of the first.
CupDraw SouthAmericanCup(Cup cup)
{
    const int skip = cup == Cup::First ? 0 : 1;
    CupDraw draw;
    TakeFromRows(draw.seeds, 0, 1, 4 * skip, 4 * skip + 3);
    TakeFromRows(draw.others, 2, 7, 3 * skip, 3 * skip + 2);
    TakeFromRows(draw.others, 8, 10, 2 * skip, 2 * skip + 1);
    return draw;
}

CupDraw EuropeanFirstCup()
{
    CupDraw draw;
    TakeFromRows(draw.seeds, 0, 3, 0, 1);
    TakeFromRows(draw.others, 0, 2, 2, 3);
    Take(draw.others, 3, 2, 2);
    Take(draw.others, 4, 0, 2);
    TakeFromRows(draw.others, 5, 6, 0, 1);
    TakeFromRows(draw.others, 7, 14, 0, 0);
    draw.others.push_back(HumanFirstOrDrawn({26, 16, 17}));
    draw.others.push_back(HumanFirstOrDrawn({18, 19, 20, 15}));
    return draw;
}

CupDraw EuropeanSecondCup()
{
    CupDraw draw;
    TakeFromRows(draw.seeds, 0, 2, 4, 5);
    Take(draw.seeds, 3, 3, 4);
    TakeFromRows(draw.others, 0, 2, 6, 6);
    Take(draw.others, 4, 3, 4);
    Take(draw.others, 5, 2, 2);
    Take(draw.others, 6, 2, 3);
    Take(draw.others, 7, 1, 2);
    for (int row : {8, 9, 10, 11, 12, 14})
        Take(draw.others, row, 1, 1);
    TakeFromRows(draw.others, 21, 25, 0, 0);
    Take(draw.others, 5, 3, 3);
    Take(draw.others, 3, 6, 6);
    Take(draw.others, 14, 2, 2);
    return draw;
}

}  // namespace

void SetupContinentalCups()
{
    FillContinentalEntrants(kSouthAmericanCountries, static_cast<int>(std::size(kSouthAmericanCountries)));
    ResetContinentalState();

    CupDraw first = SouthAmericanCup(Cup::First);
    CupDraw second;
    if (Game.secondContinentalPairOn)
        second = SouthAmericanCup(Cup::Second);
    MakeGroups(first, Cup::First, Edition::SouthAmerica);
    if (Game.secondContinentalPairOn)
        MakeGroups(second, Cup::Second, Edition::SouthAmerica);
}

void SetupContinentalCupsTwin()
{
    FillContinentalEntrants(kEuropeanCountries, static_cast<int>(std::size(kEuropeanCountries)));

    CupDraw first = EuropeanFirstCup();
    CupDraw second;
    if (Game.secondContinentalPairOn)
        second = EuropeanSecondCup();
    MakeGroups(first, Cup::First, Edition::Europe);
    if (Game.secondContinentalPairOn)
        MakeGroups(second, Cup::Second, Edition::Europe);
}

}  // namespace tarvelon
