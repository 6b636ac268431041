#pragma once
// What tarvelon-sim prints: the season's champions, runners-up and top scorers of every
// competition, and a digest of the whole game state.
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace tarvelon::sim {

// The competition's name as the report prints it ("Brasil 1ª divisão", "Copa Brasil", ...).
std::string CompetitionLabel(int competition);

// One line per competition of Competitions that has a recorded result in `season`: its champion,
// runner-up and top scorer.
void PrintSeasonReport(std::ostream& out, int season);

// FNV-1a, 64 bits.
std::uint64_t Fnv1a64(std::string_view bytes);

// The hash of the game as a saved game holds it (the game state and every saved table), in hex.
std::string GameDigest();

}  // namespace tarvelon::sim
