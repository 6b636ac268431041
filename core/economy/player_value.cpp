#include "core/economy/player_value.h"

#include "core/basics/rounding.h"
#include "core/economy/table_access.h"
#include "core/season/calendar.h"
#include "core/season/competitions.h"

namespace tarvelon {

namespace {

enum Position { kGoalkeeper = 0, kFullBack = 1, kCentreBack = 2, kMidfielder = 3, kForward = 4 };

// The value base of a club: by level in Europe, by confederation elsewhere.
std::int64_t ValueBaseOfClub(int confederation, int level)
{
    switch (confederation) {
    case kConfEurope:
        if (level >= 21) return 750;
        if (level == 20) return 600;
        if (level >= 18) return 500;
        if (level >= 12) return 400;
        return 366;
    case kConfSouthAmerica: return 366;
    case kConfAfrica:
    case kConfAsia: return 326;
    default: return 300;
    }
}

std::int64_t StarBase(std::int64_t base, int confederation, int level)
{
    if (confederation == kConfEurope && level >= 22)
        return base * 3;
    if (confederation == kConfEurope && level == 21)
        return base * 2;
    return base + Round(base * 0.6);
}

std::int64_t AgeAdjustedBase(std::int64_t base, int age, int confederation)
{
    if (age < 20)
        return base + (32 - age) * 27;
    if (age < 26)
        return base + (32 - age) * (confederation == kConfEurope ? 28 : 20);
    if (age < 32)
        return base + (32 - age) * 15;
    if (age < 34)
        return base + (35 - age) * 50;
    base -= static_cast<std::int64_t>(age - 34) * 200;
    return base < 1 ? 100 : base;
}

// The share of goals per season added to the value: 0 .. 1.
double GoalBonusFactor(const TPlayer& p)
{
    if (Game.Season < 1)
        return 0;
    const std::int64_t goalsPerSeason = Round(static_cast<double>(p.careerGoals) / Game.Season);
    if (goalsPerSeason <= 0)
        return 0;
    return static_cast<double>(goalsPerSeason < 100 ? goalsPerSeason : 100) / 100;
}

bool IsBigFiveWageCountry(int country)
{
    return country == 3 || country == 65 || country == 72 || country == 97 || country == 104;
}

std::int64_t WageBaseOfDivision(int country, int division)
{
    const bool bigFive = IsBigFiveWageCountry(country);
    switch (division) {
    case 1: return bigFive ? 750 : 600;
    case 2: return bigFive ? 550 : 500;
    case 3: return bigFive ? 500 : 450;
    default: return bigFive ? 450 : 400;  // 0, 4, 5 (and any stray division)
    }
}

std::int64_t PositionWageAdjustment(int position)
{
    switch (position) {
    case kGoalkeeper: return -70;
    case kFullBack: return -30;
    case kCentreBack: return -40;
    case kForward: return 50;
    default: return 0;
    }
}

}  // namespace

std::int64_t ComputePlayerValue(int player)
{
    if (!IsPlayerIndex(player))
        return 0;
    const TPlayer& p = Players[player];
    const TClub* club = ClubOfPlayer(p);
    if (!club)
        return CurrencyUnits(p.Value);

    const int confederation = ConfederationOfCountry(club->Country);
    const int level = club->Level;
    std::int64_t base = ValueBaseOfClub(confederation, level);
    if (p.Star)
        base = StarBase(base, confederation, level);
    if (p.LineupStatus == 1)
        base += Round(base * 0.2);
    base = AgeAdjustedBase(base, p.Age, confederation);

    // The product is a 32-bit figure before the goal bonus is added to it.
    const std::int64_t doubled = 2 * static_cast<std::int64_t>(p.Strength);
    const auto product = static_cast<std::int32_t>(static_cast<std::uint32_t>(doubled * doubled * base));
    std::int64_t value = product;
    value += Round(static_cast<double>(value) * GoalBonusFactor(p));
    return value;
}

std::int64_t ComputePlayerWage(int player)
{
    if (!IsPlayerIndex(player))
        return 0;
    const TPlayer& p = Players[player];
    const TClub* club = ClubOfPlayer(p);
    if (!club)
        return CurrencyUnits(p.wage);

    std::int64_t base = WageBaseOfDivision(club->Country, club->Division);
    if (club->cash > CurrencyFromUnits(20'000'000))
        base += 100;
    else if (club->cash > CurrencyFromUnits(10'000'000))
        base += 50;
    if (club->Level > 20)
        base += 50;
    base += PositionWageAdjustment(p.Position);

    std::int64_t wage = static_cast<std::int64_t>(p.Strength) * base;
    if (p.Age >= 32)
        wage -= static_cast<std::int64_t>(p.Age - 32) * 300;
    if (p.Star)
        wage += 250 * static_cast<std::int64_t>(p.Strength);
    return wage < 500 ? 500 : wage;
}

bool IsTopEuropeanCountry(int country)
{
    return country == 3 || country == 65 || country == 97 || country == 104 || country == 154;
}

int PositionSortKey(int player)
{
    if (!IsPlayerIndex(player))
        return 0;
    const TPlayer& p = Players[player];
    static constexpr int kKeys[PositionCount][3] = {
        {0, 0, 0},    // goalkeeper
        {2, 3, 6},    // full back
        {4, 5, 4},    // centre back
        {7, 8, 6},    // midfielder
        {9, 10, 11},  // forward
    };
    if (p.Position < 0 || p.Position >= PositionCount || p.Role < 0 || p.Role > 2)
        return 0;
    return kKeys[p.Position][p.Role];
}

void SetContractWeeks(int weeks, int player)
{
    if (!IsPlayerIndex(player))
        return;
    TPlayer& p = Players[player];
    p.ContractEnd = TodayDate() + weeks * 7;
    p.contractWarning = 0;
}

void RenewContractWeeks(int weeks, int player)
{
    SetContractWeeks(weeks, player);
}

}  // namespace tarvelon
