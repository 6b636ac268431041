#pragma once
// A club's squad figures and wage bill, the reserves a computer club puts on the market, and
// whether a country can field a national squad.
#include <cstdint>
#include <vector>

namespace tarvelon {

struct TPlayer;

// The club's players and, during a national-team tournament, those away with their national
// teams, who still belong to the squad they come back to.
std::vector<int> PlayersOfSquad(int club);

// The squad of a club in list order: by position key, then strength, then energy (the game's
// unstable sort, as the hub's roster shows it).
std::vector<int> SquadInListOrder(int club);

// A player's weekly wage as a wage bill counts it: whole units, rounded.
std::int64_t BilledWage(const TPlayer& p);

// The sum of the club's squad's wages (BilledWage), those away with a national team included, in
// 64 bits. A saved game holds at most 512 MiB: some two million players, or some 67 million call-ups
// naming them, each on the largest wage a save holds (10^11 units), sum to less than 2^63. A player
// whose contract has ended is paid until he is renewed or sold.
std::int64_t SquadWageBill(int club);

// Rewrites the club's weekly wage bill (season accounts) as its SquadWageBill, held in the 32-bit field.
void RecalcClubWageBill(int club);

// What the club pays on a wage day: its weekly wage bill, or, when the bill is held at a limit of its
// 32-bit field, the whole SquadWageBill it stands for.
std::int64_t WeeklyWagesDue(int club);

// A player who has moved takes his one wage (BilledWage) from one club's bill to the other's; a club
// without accounts (none, -1) is passed over, and a bill held at its limit is summed anew instead.
void MoveWageBetweenBills(const TPlayer& p, int from, int to);

// Rewrites squad size and players per position of the club (counting its players away on a
// national team's call-up), then its players available today.
void RecountSquad(int club);

// A computer-run club lists at most one reserve per position where it has more than it needs
// (goalkeepers > 2, full backs > 3, centre backs > 3, midfielders > 5, forwards > 3); a weak one
// may also be offered for loan. A human club is left alone.
void ListSurplusPlayers(int club);

// At least 2 goalkeepers and 20 other fit players of that nationality among the league and extra
// clubs' players and the free players.
bool CanFormNationalSquad(int country);
// The same where `players` holds every player of that nationality (any others are passed over).
bool CanFormNationalSquad(int country, const std::vector<int>& players);

// The indexes of the players of that nationality, ascending: one walk over the player table, which
// the retired players make longer season after season.
std::vector<int> PlayersOfNationality(int country);

}  // namespace tarvelon
