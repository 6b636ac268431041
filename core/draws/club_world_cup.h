#pragma once
// The club world cup: the two continental champions of the season and four entrants drawn from the
// other confederations, paired into the six-tie bracket of `ClubWorldCupTies`.

namespace tarvelon {

// Draws the six entrants and the first ties. Returns false, after the message
// "Erro no jogo, reinstale os times", when an entrant is missing; nothing is written then.
bool DrawClubWorldCup();

// Country list of the draw, in row order of ContinentalEntrants.
constexpr int kClubWorldCupCountries[] = {107, 9, 43, 49, 57, 129, 1, 190, 51, 38, 68, 14, 143, 131, 157};

}  // namespace tarvelon
