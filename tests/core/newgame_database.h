#pragma once
// A small fictional database of club and national-squad files for the new-game tests,
// written with the game's own file writers into a game folder of its own. Deterministic: it draws
// from a generator of its own, never from the game's.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/persist/club_file.h"
#include "tests/support/scratch_folder.h"

namespace tarvelon::testdb {

struct CountryClubs {
    int country = 0;
    int clubs = 0;
    int topLevel = 22;             // level of the first club; later clubs step down to 1
    std::vector<int> states;       // Brazilian clubs are spread over these states in turn
};

struct DatabaseLayout {
    std::vector<CountryClubs> countries;
    std::vector<int> nationalTeams;  // country ids with a national-squad file
};

class Generator {
public:
    explicit Generator(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
    int next(int n)
    {
        state_ = state_ * 1103515245u + 12345u;
        return static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(n));
    }

private:
    std::uint32_t state_;
};

// Position of squad slot s in a squad of 22: 3 goalkeepers, 4 full backs, 4 centre backs,
// 6 midfielders and 5 forwards.
inline int PositionOfSlot(int slot)
{
    if (slot < 3) return 0;
    if (slot < 7) return 1;
    if (slot < 11) return 2;
    if (slot < 17) return 3;
    return 4;
}

inline std::string ClubFileBase(int country, int n) { return "c" + std::to_string(country) + "_" + std::to_string(n); }

inline ClubFile MakeClubFile(int country, int n, int level, int state, Generator& g)
{
    ClubFile file;
    TClubHeader& h = file.header;
    h.country = static_cast<std::uint8_t>(country);
    h.level = static_cast<std::uint8_t>(level);
    h.shortName.set("Clube " + std::to_string(country) + "-" + std::to_string(n));
    h.fullName.set("Associação " + std::to_string(country) + "-" + std::to_string(n));
    h.stadium.set("Estádio " + std::to_string(n));
    h.fileName.set(ClubFileBase(country, n));
    h.crestName.set("escudo" + std::to_string(n));
    h.coachName.set("Técnico " + std::to_string(country) + "-" + std::to_string(n));
    h.backColor = 0x00FF0000u + static_cast<std::uint32_t>(n);
    h.textColor = 0x00FFFFFFu;
    h.state = static_cast<std::uint8_t>(state);
    TClubSquad& s = file.squad;
    for (int slot = 0; slot < 22; ++slot) {
        s.names[slot].set("Jogador " + std::to_string(country) + "." + std::to_string(n) + "." + std::to_string(slot));
        s.position[slot] = static_cast<std::uint8_t>(PositionOfSlot(slot));
        s.star[slot] = g.next(12) == 0 ? 1 : 0;
        s.country[slot] = static_cast<std::uint8_t>(g.next(5) == 0 ? 29 : country);
        s.age[slot] = static_cast<std::uint8_t>(18 + g.next(17));
        s.status[slot] = slot % 2 == 0 ? 1 : 0;
        s.trait1[slot] = static_cast<std::uint8_t>(s.position[slot] == 0 ? g.next(4) : g.next(3) == 0 ? 0 : 4 + g.next(10));
        s.trait2[slot] = static_cast<std::uint8_t>(s.position[slot] == 0 ? 0 : g.next(3) == 0 ? 0 : 4 + g.next(10));
        s.side[slot] = static_cast<std::uint8_t>(g.next(2));
        s.fileByte[slot] = static_cast<std::uint8_t>(g.next(3));
    }
    for (int slot = 22; slot < kClubSquadSlots; ++slot)
        s.names[slot].setRaw(kFreeSlotName);
    StampClubFileForSave(file);
    return file;
}

inline TNationalSquad MakeNationalSquad(int country, Generator& g)
{
    TNationalSquad squad;
    squad.country = country;
    squad.symbolName.set("simbolo" + std::to_string(country));
    squad.coach.set("Selecionador " + std::to_string(country));
    squad.level = 10 + g.next(15);
    squad.backColor = 0x0000FF00u;
    squad.textColor = 0x00000000u;
    squad.playerCount = 23;
    for (int slot = 0; slot < 23; ++slot) {
        squad.names[slot].set("Convocado " + std::to_string(country) + "." + std::to_string(slot));
        squad.position[slot] = slot < 3 ? 0 : PositionOfSlot(slot - 1);
        squad.age[slot] = 20 + g.next(14);
        squad.status[slot] = slot < 11 ? 1 : 0;
        squad.trait1[slot] = squad.position[slot] == 0 ? 0 : 4 + g.next(10);
        squad.trait2[slot] = squad.position[slot] == 0 ? 1 : 4 + g.next(10);
        squad.star[slot] = g.next(10) == 0 ? 1 : 0;
        squad.side[slot] = static_cast<std::uint8_t>(g.next(2));
    }
    StampNationalSquadForSave(squad);
    return squad;
}

// Writes the database into `folder`/teams and `folder`/teams/selecoes.
inline void WriteDatabase(const std::filesystem::path& folder, const DatabaseLayout& layout, std::uint32_t seed = 7)
{
    Generator g(seed);
    std::filesystem::create_directories(folder / "teams" / "selecoes");
    for (const CountryClubs& c : layout.countries) {
        for (int n = 0; n < c.clubs; ++n) {
            const int level = std::max(1, c.topLevel - n * c.topLevel / std::max(1, c.clubs));
            const int state = c.states.empty() ? 0 : c.states[static_cast<std::size_t>(n) % c.states.size()];
            const ClubFile file = MakeClubFile(c.country, n, level, state, g);
            WriteClubFile((folder / "teams" / (ClubFileBase(c.country, n) + ".tcf")).string(), file);
        }
    }
    for (int country : layout.nationalTeams)
        WriteNationalSquadFile((folder / "teams" / "selecoes" / (std::to_string(country) + ".nsx")).string(),
                               MakeNationalSquad(country, g));
}

// Brazil with 140 clubs over five states, Argentina and Italy with 44 clubs, Colômbia with 24, and a
// few clubs of several countries of the extra-club list.
inline DatabaseLayout SmallWorld()
{
    DatabaseLayout layout;
    layout.countries.push_back({29, 140, 25, {25, 18, 10, 22, 7}});
    layout.countries.push_back({11, 44, 23, {}});
    layout.countries.push_back({104, 44, 24, {}});
    layout.countries.push_back({46, 24, 21, {}});
    for (int country : {195, 150, 65, 3, 97, 157})
        layout.countries.push_back({country, 6 + country % 9, 20, {}});
    layout.nationalTeams = {29, 11, 104, 195, 150, 65, 3, 97, 131};
    return layout;
}

// A game folder of its own in the temporary directory, entered while the object lives.
class GameFolder {
public:
    GameFolder() : previous_(std::filesystem::current_path()) { std::filesystem::current_path(path()); }
    ~GameFolder()
    {
        // Left before the scratch folder removes it.
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
    }
    GameFolder(const GameFolder&) = delete;
    GameFolder& operator=(const GameFolder&) = delete;
    const std::filesystem::path& path() const { return scratch_.Path(); }

private:
    test::ScratchFolder scratch_{"tarvelon-newgame"};
    std::filesystem::path previous_;
};

}  // namespace tarvelon::testdb
