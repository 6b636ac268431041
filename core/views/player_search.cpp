#include "core/views/player_search.h"

#include <algorithm>

#include "core/basics/cp1252.h"
#include "core/basics/typed_text.h"
#include "core/economy/table_access.h"
#include "core/format/money_format.h"
#include "core/tables.h"
#include "core/vocab/players.h"

namespace tarvelon {

const std::array<ValueBand, 8> kSearchValueBands{{
    {1'000, 100'000},
    {101'000, 500'000},
    {500'000, 1'000'000},
    {1'000'000, 3'000'000},
    {3'000'001, 5'000'000},
    {5'000'001, 10'000'000},
    {10'000'001, 999'999'999},
    {1'000, 999'999'999},
}};

namespace {

struct Bounds {
    int low;
    int high;
};
// The last entry of each is the chooser's "Qualquer", which has its bounds too.
constexpr Bounds kStrengthBands[] = {{1, 10}, {11, 30}, {31, 50}, {51, 101}, {0, 101}};
constexpr Bounds kAgeBands[] = {{15, 25}, {26, 36}, {37, 80}, {16, 80}};

bool Within(int value, Bounds b) { return value >= b.low && value <= b.high; }

// Letter case folded on the game's own code page (ASCII and the accented capitals).
char FoldCase(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return static_cast<char>(u + 0x20);
    return c;
}

bool StartsWithAnyCase(const std::string& name, const std::string& prefix)
{
    if (prefix.size() > name.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (FoldCase(name[i]) != FoldCase(prefix[i]))
            return false;
    return true;
}

// The name starts with the text as typed, blanks included ("Jo " does not find "Joao"). Blanks
// alone mean any name, as the screens' "(deixe em branco para qualquer)" says: compared as typed
// they would find nobody.
bool NameStartMatches(const std::string& name, const std::string& typed)
{
    return TypedName(typed).empty() || StartsWithAnyCase(name, typed);
}

bool ValueInBand(Currency value, int band)
{
    const ValueBand& b = kSearchValueBands[static_cast<std::size_t>(band)];
    return value > CurrencyFromUnits(b.low) && value < CurrencyFromUnits(b.high);
}

bool ClubCountryMatches(const TPlayer& p, int clubCountry)
{
    if (Game.playedCountry == kCustomChampionshipCountry)
        return Clubs[p.Club].Country == kCustomChampionshipCountry;
    return clubCountry < 0 || Clubs[p.Club].Country == clubCountry;
}

bool AttributesMatch(const TPlayer& p, const PlayerSearchFilters& f)
{
    return (f.position == kAnyPosition || p.Position == f.position) &&
           Within(p.Strength, kStrengthBands[std::clamp(f.strengthBand, 0, kAnyStrength)]) &&
           Within(p.Age, kAgeBands[std::clamp(f.ageBand, 0, kAnyAge)]) &&
           ValueInBand(p.Value, std::clamp(f.valueBand, 0, kAnyValue)) &&
           (f.trait1 == kAnyTrait || p.Trait1 == f.trait1) && (f.trait2 == kAnyTrait || p.Trait2 == f.trait2) &&
           (f.nationality == kAnyNationality || p.nationality == f.nationality);
}

bool FlagsMatch(const TPlayer& p, const PlayerSearchFilters& f)
{
    return (!f.forSaleOnly || p.ListedForSale == 1) && (!f.loanOnly || p.loanStatus == 1) &&
           (!f.starOnly || p.Star == 1);
}

}  // namespace

int SearchClubCountry(bool leagueTicked, int league)
{
    if (Game.playedCountry == kCustomChampionshipCountry)
        return kCustomChampionshipCountry;
    if (!leagueTicked || league < 0 || league >= static_cast<int>(Leagues.size()))
        return -1;
    return Leagues[league].country;
}

bool PlayerMatchesFilters(int player, const PlayerSearchFilters& filters)
{
    if (!IsPlayerIndex(player))
        return false;
    const TPlayer& p = Players[player];
    const std::string name(p.Name.raw());
    return !name.empty() && AttributesMatch(p, filters) && FlagsMatch(p, filters) &&
           NameStartMatches(name, Utf8ToCp1252(filters.namePrefix));
}

bool MatchesSearch(int player, const PlayerSearchFilters& filters)
{
    if (!IsPlayerIndex(player))
        return false;
    const TPlayer& p = Players[player];
    if (p.Club < 0 || p.Club >= LeagueAndExtraClubCount() || !IsClubIndex(p.Club))
        return false;
    return ClubCountryMatches(p, filters.clubCountry) && PlayerMatchesFilters(player, filters);
}

std::vector<int> SearchPlayers(const PlayerSearchFilters& filters)
{
    std::vector<int> found;
    for (int p = 1; p < static_cast<int>(Players.size()); ++p)
        if (MatchesSearch(p, filters))
            found.push_back(p);
    return found;
}

std::string SearchCountText(std::size_t found)
{
    return found == 0 ? "Nenhum jogador encontrado" : std::to_string(found) + " jogadores encontrados";
}

namespace {

std::string TraitText(const std::array<const char*, TraitCount>& names, const TPlayer& p)
{
    auto at = [&names](int trait) { return trait >= 0 && trait < TraitCount ? std::string(names[trait]) : ""; };
    return at(p.Trait1) + "/" + at(p.Trait2);
}

}  // namespace

SearchRowView SearchRowOf(int player)
{
    SearchRowView row;
    if (!IsPlayerIndex(player))
        return row;
    const TPlayer& p = Players[player];
    row.player = player;
    row.nationality = p.nationality;
    row.starImage = p.Star == 1 ? 1 : 0;
    row.name = p.Name.str();
    row.club = IsClubIndex(p.Club) ? Clubs[p.Club].name.str() : "";
    row.position = p.Position >= 0 && p.Position < PositionCount ? PositionNames[p.Position] : "";
    row.side = p.Side == 1 ? "E" : "D";
    row.strength = p.Strength;
    row.age = p.Age;
    row.wage = FormatMoney(CurrencyUnits(p.wage));
    row.valueUnits = CurrencyUnits(p.Value);
    row.value = FormatMoney(row.valueUnits);
    row.traits = TraitText(TraitAbbreviations, p);
    row.traitsHint = TraitText(TraitNames, p);
    row.forSaleImage = p.ListedForSale == 1 ? 2 : 3;
    return row;
}

}  // namespace tarvelon
