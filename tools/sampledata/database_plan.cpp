#include "tools/sampledata/database_plan.h"

#include <algorithm>
#include <map>
#include <set>

#include "core/vocab/countries.h"

namespace tarvelon::sampledata {

const std::array<int, 53> kExtraClubCountries = {
    29, 11, 195, 150, 46, 42, 60, 26, 151, 198, 131, 104, 65, 3, 72, 97, 154, 162, 107, 192, 159, 21, 160, 171, 78, 9,
    51, 38, 68, 14, 57, 129, 1, 190, 43, 49, 143, 141, 62, 193, 85, 15, 52, 31, 88, 179, 76, 142, 180, 27, 152, 54, 157,
};

const std::array<int, 27> kBrazilClubsPerState = {
    6, 6, 6, 6, 12, 12, 6, 6, 12,   // AC AL AM AP BA CE DF ES GO
    6, 24, 6, 6, 6, 6, 12, 6, 18,   // MA MG MS MT PA PB PE PI PR
    24, 6, 6, 6, 24, 12, 6, 30, 6,  // RJ RN RO RR RS SC SE SP TO
};

const std::array<Diaspora, 10> kDiasporas = {{
    {10, {72, 21, 190, 129}},   // Argélia
    {64, {3, 15, 104, 52}},     // Eslovênia
    {75, {97, 65, 3, 141}},     // Gana
    {36, {72, 21, 65, 104}},    // Camarões
    {63, {159, 3, 15, 88}},     // Eslováquia
    {48, {43, 107, 49, 9}},     // Coréia do Norte
    {50, {72, 21, 97, 192}},    // Costa do Marfim
    {86, {131, 68, 51, 65}},    // Honduras
    {100, {97, 62, 68, 38}},    // Irlanda
    {98, {9, 192, 3, 43}},      // Irã
}};

namespace {

// The level of each country's best club and of its national team.
const std::map<int, int> kCountryStrength = {
    {29, 25}, {65, 25}, {97, 25}, {104, 25}, {3, 25}, {11, 24}, {72, 24}, {154, 23}, {85, 23}, {195, 21},
    {131, 20}, {46, 20}, {42, 19}, {150, 19}, {60, 18}, {151, 17}, {26, 15}, {198, 15}, {162, 20}, {192, 20},
    {159, 19}, {21, 20}, {160, 18}, {171, 19}, {78, 19}, {62, 19}, {193, 20}, {15, 18}, {52, 20}, {31, 16},
    {88, 16}, {179, 18}, {76, 14}, {142, 17}, {180, 19}, {27, 16}, {152, 18}, {54, 18}, {107, 18}, {9, 16},
    {43, 15}, {49, 17}, {57, 16}, {129, 16}, {1, 15}, {190, 15}, {51, 15}, {38, 13}, {68, 16}, {14, 16},
    {143, 12}, {141, 17}, {157, 14}, {10, 16}, {64, 17}, {75, 18}, {36, 18}, {63, 17}, {48, 13}, {50, 19},
    {86, 15}, {100, 18}, {98, 17},
};

// Countries offered by the game-mode chooser, with their club counts.
const std::map<int, int> kLeagueSizes = {
    {29, 282}, {11, 82}, {97, 82}, {65, 82}, {104, 82}, {3, 82}, {72, 82},
    {154, 62}, {195, 42}, {85, 42}, {131, 42},
};

// Relative pull of each state on the best clubs (the rest count 1).
const std::map<int, int> kStateWeights = {
    {25, 6}, {18, 4}, {10, 4}, {22, 4}, {17, 3}, {23, 2}, {4, 2}, {15, 2}, {5, 2}, {8, 2},
};

int StrengthOf(int country)
{
    const auto found = kCountryStrength.find(country);
    return found == kCountryStrength.end() ? 12 : found->second;
}

// The level at a place of a league of divisions of 20: 8 levels in the first division, 4 in the
// second, 3 in the third and fourth, the regional clubs spread down to 1.
int LeagueLevel(int top, int place, int clubCount)
{
    const int division = place / 20;
    const int inDivision = place % 20;
    switch (division) {
    case 0: return top - inDivision * 8 / 20;
    case 1: return top - 8 - inDivision * 4 / 20;
    case 2: return top - 12 - inDivision * 3 / 20;
    case 3: return top - 15 - inDivision * 3 / 20;
    default: {
        const int regional = std::max(1, clubCount - 80);
        return top - 18 - (place - 80) * std::max(0, top - 19) / regional;
    }
    }
}

// From `place` on, every level stands below the level just before it.
void DropStrictlyAt(std::vector<int>& levels, std::size_t place)
{
    if (place == 0 || place >= levels.size() || levels[place - 1] <= 1) {
        return;
    }
    const int ceiling = levels[place - 1] - 1;
    for (std::size_t i = place; i < levels.size(); ++i) {
        levels[i] = std::min(levels[i], ceiling);
    }
}

}  // namespace

int ExtraClubQuota(int position)
{
    if (position == 1) {
        return 14;
    }
    return position <= 11 ? 12 : 10;
}

int ExtraClubQuotaOfCountry(int country)
{
    for (std::size_t i = 0; i < kExtraClubCountries.size(); ++i) {
        if (kExtraClubCountries[i] == country) {
            return ExtraClubQuota(static_cast<int>(i) + 1);
        }
    }
    return 0;
}

std::vector<CountryPlan> PlanCountries()
{
    std::vector<CountryPlan> plans;
    for (const int country : kExtraClubCountries) {
        CountryPlan plan;
        plan.country = country;
        plan.quota = ExtraClubQuotaOfCountry(country);
        plan.topLevel = StrengthOf(country);
        const auto league = kLeagueSizes.find(country);
        // A country without a league of its own gets two clubs more than it supplies, so the new
        // game's choice of its best clubs is exercised.
        plan.clubCount = league != kLeagueSizes.end() ? league->second : plan.quota + 2;
        plans.push_back(plan);
    }
    return plans;
}

std::vector<int> PlanClubLevels(const CountryPlan& plan, SampleRandom& random)
{
    std::vector<int> levels;
    const bool league = plan.clubCount >= 22;
    for (int place = 0; place < plan.clubCount; ++place) {
        const int base = league ? LeagueLevel(plan.topLevel, place, plan.clubCount)
                                : plan.topLevel - place * 8 / plan.clubCount;
        levels.push_back(std::clamp(base + random.Below(2), 1, 25));
    }
    std::sort(levels.begin(), levels.end(), std::greater<int>());
    std::set<std::size_t> drops;
    if (plan.quota > 0) {
        drops.insert(static_cast<std::size_t>(plan.quota));
    }
    for (std::size_t place = 10; league && place <= 80; place += 10) {
        drops.insert(place);
    }
    for (const std::size_t place : drops) {
        DropStrictlyAt(levels, place);
    }
    return levels;
}

std::vector<int> PlanBrazilStates(SampleRandom& random)
{
    std::array<int, 27> left = kBrazilClubsPerState;
    std::vector<int> states;
    int total = 0;
    for (const int count : left) {
        total += count;
    }
    for (int place = 0; place < total; ++place) {
        int weightSum = 0;
        for (int state = 0; state < 27; ++state) {
            const auto weight = kStateWeights.find(state);
            weightSum += left[state] * (weight == kStateWeights.end() ? 1 : weight->second);
        }
        int draw = random.Below(weightSum);
        for (int state = 0; state < 27; ++state) {
            const auto weight = kStateWeights.find(state);
            draw -= left[state] * (weight == kStateWeights.end() ? 1 : weight->second);
            if (draw < 0) {
                states.push_back(state);
                --left[state];
                break;
            }
        }
    }
    return states;
}

std::vector<int> NationalTeamCountries()
{
    std::set<int> countries = {
        // the 2010 groups
        1, 131, 195, 72, 11, 141, 49, 78, 97, 68, 10, 64, 3, 14, 171, 75, 85, 54, 107, 36, 104, 150, 143, 63, 29, 48,
        50, 154, 65, 180, 86, 42,
        // the Copa América layouts
        46, 151, 26, 198, 60, 51,
        // the Eurocopa pots
        159, 162, 179, 192, 152, 193, 52, 160, 142, 31, 21, 100,
        // Asia and Africa: enough sides for their World Cup places when a host of theirs is left out
        9, 98, 43, 57, 129,
    };
    for (const int host : WorldCupHosts) {
        countries.insert(host);
    }
    return {countries.begin(), countries.end()};
}

int NationalTeamLevel(int country) { return StrengthOf(country); }

}  // namespace tarvelon::sampledata
