#pragma once
// The player search: every player of the league and extra clubs that matches the filters, in index
// order. A filter left at "any" lets every player through.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tarvelon {

inline constexpr int kAnyPosition = 5;
inline constexpr int kAnyStrength = 4;
inline constexpr int kAnyAge = 3;
inline constexpr int kAnyValue = 7;
inline constexpr int kAnyTrait = 14;
inline constexpr int kAnyNationality = 202;
inline constexpr int kCustomChampionshipCountry = 202;

// A band of the value chooser in whole units, both bounds excluded: a value on a bound between two
// bands (100,000, 500,000, ...) is in neither, and "Qualquer" leaves out 1,000 and below.
struct ValueBand {
    std::int64_t low;
    std::int64_t high;
};
extern const std::array<ValueBand, 8> kSearchValueBands;

struct PlayerSearchFilters {
    int clubCountry = -1;        // the country of the player's club; -1 any
    int position = kAnyPosition; // 0..4
    int strengthBand = kAnyStrength;
    int ageBand = kAnyAge;
    int valueBand = kAnyValue;
    std::string namePrefix;      // the start of the name as typed, in any letter case; blanks alone: any
    int trait1 = kAnyTrait;      // the first trait, compared with the first
    int trait2 = kAnyTrait;      // the second trait, compared with the second
    int nationality = kAnyNationality;
    bool forSaleOnly = false;
    bool loanOnly = false;       // offered for loan
    bool starOnly = false;
};

// The club country the search asks for: a custom championship's own, else the chosen league's
// country when the league box is ticked, else any (-1).
int SearchClubCountry(bool leagueTicked, int league);

// The player himself against the filters: position, strength, age, value, traits, nationality,
// name and the for-sale, loan and star boxes; his club is not looked at.
bool PlayerMatchesFilters(int player, const PlayerSearchFilters& filters);

bool MatchesSearch(int player, const PlayerSearchFilters& filters);
std::vector<int> SearchPlayers(const PlayerSearchFilters& filters);

// "Nenhum jogador encontrado" or "<n> jogadores encontrados".
std::string SearchCountText(std::size_t found);

// One row of the found list.
struct SearchRowView {
    int player = 0;
    int nationality = 0;
    int starImage = 0;      // 1 a star player, else 0
    std::string name;
    std::string club;
    std::string position;
    std::string side;       // "E" left, else "D"
    int strength = 0;
    int age = 0;
    std::string wage;
    std::string value;
    std::int64_t valueUnits = 0;
    std::string traits;     // the two abbreviations, "/"
    std::string traitsHint; // the two names, "/"
    int forSaleImage = 3;   // 2 listed for sale, else 3
};
SearchRowView SearchRowOf(int player);

}  // namespace tarvelon
