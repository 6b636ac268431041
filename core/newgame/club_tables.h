#pragma once
// The first half of the new-game builder: the club files read into the builder's tables, the club
// fields taken from their headers, the coaches and the ticket prices. The players, the national
// teams and the other squad figures follow (BuildNewGameTables runs it all in order).

namespace tarvelon {

// The message of a club file that could not be read while the game was being built.
inline constexpr const char* kReinstallClubsText = "Erro no jogo, reinstale os times";

// Builds every table of the new game from the clubs the set-up chose: the extra clubs, the club
// files, coaches, players, strengths, squad figures and (when a tournament is on) national teams.
void BuildNewGameTables();

// Copies the reference ticket prices of divisions 0..4 into TicketPrices.
void InitTicketPrices();

// Reads "teams/" + ClubFileNames[i] into NewGameClubHeaders[i] and NewGameClubSquads[i] for every
// club. A file that cannot be read gives the club no players and keeps what the set-up knew of it;
// a value that would index a table of the game (country, state, a player's position or
// nationality) is not taken. Either is reported once with kReinstallClubsText. True when all was read.
bool ReadClubFilesForBuild();

// Level, names, colours, stadium, state and country from the file headers; board and supporters at
// 100; an extra club's division from its level; seats, ticket prices and starting cash by division.
void InitClubsFromHeaders();

// Coach i for club i, named in the club file; a human club's coach takes the typed name and the
// file's coach becomes a free coach in one of the six spare records after the clubs.
void CreateCoaches();

}  // namespace tarvelon
