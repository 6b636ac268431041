#include "tools/sampledata/national_squads.h"

#include <algorithm>

#include "core/persist/club_file.h"
#include "tools/sampledata/database_plan.h"
#include "tools/sampledata/flags.h"
#include "tools/sampledata/name_regions.h"
#include "tools/sampledata/squad_maker.h"

namespace tarvelon::sampledata {

namespace {

// How many of each position a national squad calls up, after its goalkeepers.
constexpr int kCallUps[5] = {kNationalGoalkeepers, 5, 5, 6, 4};

struct Candidate {
    const TClubSquad* squad;
    int slot;
    int rank;  // higher first: club level, then regular starters, then stars
};

std::vector<Candidate> CandidatesOf(int country, const std::vector<SampleClub>& clubs)
{
    std::vector<Candidate> candidates;
    for (const SampleClub& club : clubs) {
        const TClubSquad& squad = club.file.squad;
        for (int slot = 0; slot < kClubSquadSlots; ++slot) {
            if (!IsFreeSlot(squad.names[slot]) && squad.country[slot] == country) {
                const int rank = club.file.header.level * 4 + squad.status[slot] * 2 + squad.star[slot];
                candidates.push_back({&squad, slot, rank});
            }
        }
    }
    // Stable, so equal candidates keep the clubs' order and the choice never depends on the sort.
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.rank > b.rank; });
    return candidates;
}

// Picks the players of a squad: per position its quota, then any outfield player to make up 20.
std::vector<Candidate> ChooseCallUps(const std::vector<Candidate>& candidates)
{
    std::vector<Candidate> chosen;
    std::vector<bool> taken(candidates.size(), false);
    for (int position = 0; position < 5; ++position) {
        int wanted = kCallUps[position];
        for (std::size_t i = 0; i < candidates.size() && wanted > 0; ++i) {
            if (!taken[i] && candidates[i].squad->position[candidates[i].slot] == position) {
                taken[i] = true;
                chosen.push_back(candidates[i]);
                --wanted;
            }
        }
    }
    const auto outfield = [&] {
        return std::count_if(chosen.begin(), chosen.end(), [](const Candidate& c) { return c.squad->position[c.slot] != 0; });
    };
    for (std::size_t i = 0; i < candidates.size() && outfield() < kNationalOutfield; ++i) {
        if (!taken[i] && candidates[i].squad->position[candidates[i].slot] != 0) {
            taken[i] = true;
            chosen.push_back(candidates[i]);
        }
    }
    return chosen;
}

void CopyPlayer(const Candidate& from, TNationalSquad& squad, int slot)
{
    const TClubSquad& club = *from.squad;
    squad.names[slot] = club.names[from.slot];
    squad.age[slot] = club.age[from.slot];
    squad.position[slot] = club.position[from.slot];
    squad.trait1[slot] = club.trait1[from.slot];
    squad.trait2[slot] = club.trait2[from.slot];
    squad.star[slot] = club.star[from.slot];
    squad.side[slot] = club.side[from.slot];
}

void InventPlayer(int country, int position, TNationalSquad& squad, int slot, SampleRandom& random)
{
    squad.names[slot].set(MakePersonName(NameRegionOfCountry(country), random, 20));
    squad.age[slot] = random.Between(20, 32);
    squad.position[slot] = position;
    const auto [trait1, trait2] = DrawTraits(position, random);
    squad.trait1[slot] = trait1;
    squad.trait2[slot] = trait2;
    squad.side[slot] = random.Percent(25) ? 1 : 0;
}

int CountPosition(const TNationalSquad& squad, int players, int position)
{
    return static_cast<int>(std::count(squad.position, squad.position + players, position));
}

// The first players of each position in the squad start: 1 goalkeeper, 2, 2, 4, 2; where a
// position is short, the first outfield players left over make up the eleven.
void MarkStarters(TNationalSquad& squad, int players)
{
    int started[5] = {};
    int starters = 0;
    for (int slot = 0; slot < players; ++slot) {
        const int position = squad.position[slot];
        squad.status[slot] = started[position] < kStartersPerPosition[position] ? 1 : 0;
        started[position] += squad.status[slot];
        starters += squad.status[slot];
    }
    for (int slot = 0; slot < players && starters < 11; ++slot) {
        if (squad.position[slot] != 0 && squad.status[slot] == 0) {
            squad.status[slot] = 1;
            ++starters;
        }
    }
}

}  // namespace

std::string NationalSymbolName(int country) { return "bandeira" + std::to_string(country); }

TNationalSquad MakeNationalSquad(int country, const std::vector<SampleClub>& clubs, SampleRandom random)
{
    TNationalSquad squad{};
    squad.country = country;
    squad.symbolName.set(NationalSymbolName(country));
    squad.coach.set(MakePersonName(NameRegionOfCountry(country), random, 30));
    squad.level = NationalTeamLevel(country);
    const auto [back, text] = FlagColours(country);
    squad.backColor = back;
    squad.textColor = text;

    int players = 0;
    for (const Candidate& candidate : ChooseCallUps(CandidatesOf(country, clubs))) {
        CopyPlayer(candidate, squad, players++);
    }
    while (CountPosition(squad, players, 0) < kNationalGoalkeepers) {
        InventPlayer(country, 0, squad, players++, random);
    }
    while (players - CountPosition(squad, players, 0) < kNationalOutfield) {
        InventPlayer(country, 1 + random.Below(4), squad, players++, random);
    }
    MarkStarters(squad, players);
    for (int slot = players; slot < kNationalSquadSlots; ++slot) {
        squad.names[slot].setRaw(kFreeSlotName);
    }
    squad.playerCount = players;
    StampNationalSquadForSave(squad);
    return squad;
}

}  // namespace tarvelon::sampledata
