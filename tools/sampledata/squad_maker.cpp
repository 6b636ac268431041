#include "tools/sampledata/squad_maker.h"

#include <algorithm>
#include <set>
#include <string>

#include "core/persist/club_file.h"
#include "tools/sampledata/name_regions.h"

namespace tarvelon::sampledata {

namespace {

// Traits by position, the most typical first.
const std::vector<int> kTraitPools[5] = {
    {0, 1, 2, 3},            // goalkeeper
    {6, 13, 10, 7, 12},      // full back
    {5, 7, 10, 11, 12},      // centre back
    {4, 11, 12, 8, 7, 9},    // midfielder
    {9, 5, 8, 13, 4},        // forward
};

constexpr std::size_t kPlayerNameLength = 20;  // a new game keeps 20 characters of a name

struct SlotPlan {
    int position;
    bool starter;
    int nationality;
};

// Positions of a squad of `size` players, starters first within each position.
std::vector<SlotPlan> PlanSlots(int size, int country)
{
    const int goalkeepers = size >= 23 ? 3 : 2;
    const int centreBacks = size == 25 ? 5 : 4;
    const int forwards = size >= 24 ? 5 : 4;
    const int fullBacks = 4;
    const int counts[5] = {goalkeepers, fullBacks, centreBacks, size - goalkeepers - fullBacks - centreBacks - forwards,
                           forwards};
    std::vector<SlotPlan> slots;
    for (int position = 0; position < 5; ++position) {
        for (int i = 0; i < counts[position]; ++i) {
            slots.push_back({position, i < kStartersPerPosition[position], country});
        }
    }
    return slots;
}

void PlaceImports(std::vector<SlotPlan>& slots, const std::vector<Import>& imports, SampleRandom& random)
{
    std::vector<std::size_t> reserveKeepers;
    std::vector<std::size_t> outfield;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (slots[i].position == 0 && !slots[i].starter) {
            reserveKeepers.push_back(i);
        } else if (slots[i].position != 0) {
            outfield.push_back(i);
        }
    }
    random.Shuffle(outfield);
    for (const Import& import : imports) {
        std::vector<std::size_t>& places = import.goalkeeper ? reserveKeepers : outfield;
        if (!places.empty()) {
            slots[places.back()].nationality = import.nationality;
            places.pop_back();
        }
    }
}

int StarCount(int level, SampleRandom& random)
{
    if (level >= 22) {
        return 3 + random.Below(2);
    }
    if (level >= 18) {
        return 2;
    }
    if (level >= 14) {
        return 1;
    }
    return random.Percent(level >= 10 ? 40 : 10) ? 1 : 0;
}

int DrawAge(const SlotPlan& slot, SampleRandom& random)
{
    const int age = slot.starter ? random.Between(21, 32) : random.Between(17, 33);
    return slot.position == 0 ? std::min(age + random.Below(4), 38) : age;
}

}  // namespace

std::pair<int, int> DrawTraits(int position, SampleRandom& random)
{
    const std::vector<int>& pool = kTraitPools[std::clamp(position, 0, 4)];
    // The first three of a pool are the position's usual traits; the others come less often.
    const int first = pool[static_cast<std::size_t>(random.Below(random.Percent(75) ? 3 : static_cast<int>(pool.size())))];
    int second = first;
    while (second == first) {
        second = random.Pick(pool);
    }
    return {first, second};
}

TClubSquad MakeClubSquad(const SquadRequest& request, SampleRandom& random)
{
    TClubSquad squad{};
    std::vector<SlotPlan> slots = PlanSlots(random.Between(22, kClubSquadSlots), request.country);
    PlaceImports(slots, request.imports, random);

    std::set<std::string> names;
    int fullBackStarters = 0;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const SlotPlan& slot = slots[i];
        const NameRegion region = NameRegionOfCountry(slot.nationality);
        std::string name = MakePersonName(region, random, kPlayerNameLength);
        for (int attempt = 0; attempt < 6 && names.count(name) > 0; ++attempt) {
            name = MakePersonName(region, random, kPlayerNameLength);
        }
        names.insert(name);
        squad.names[i].set(name);
        squad.country[i] = static_cast<std::uint8_t>(slot.nationality);
        squad.age[i] = static_cast<std::uint8_t>(DrawAge(slot, random));
        squad.position[i] = static_cast<std::uint8_t>(slot.position);
        squad.status[i] = slot.starter ? 1 : 0;
        const auto [trait1, trait2] = DrawTraits(slot.position, random);
        squad.trait1[i] = static_cast<std::uint8_t>(trait1);
        squad.trait2[i] = static_cast<std::uint8_t>(trait2);
        // The two starting full backs play one on each side; one player in four is left-footed.
        const bool startingFullBack = slot.position == 1 && slot.starter;
        squad.side[i] = startingFullBack ? static_cast<std::uint8_t>(fullBackStarters++ % 2)
                                         : static_cast<std::uint8_t>(random.Percent(25) ? 1 : 0);
    }
    for (std::size_t i = slots.size(); i < kClubSquadSlots; ++i) {
        squad.names[i].setRaw(kFreeSlotName);
    }

    std::vector<std::size_t> starters;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (slots[i].starter && (slots[i].position != 0 || random.Percent(15))) {
            starters.push_back(i);
        }
    }
    random.Shuffle(starters);
    const int stars = std::min<int>(StarCount(request.level, random), static_cast<int>(starters.size()));
    for (int i = 0; i < stars; ++i) {
        squad.star[starters[static_cast<std::size_t>(i)]] = 1;
    }
    return squad;
}

}  // namespace tarvelon::sampledata
