#pragma once
// The players' side of the season rollover: cards and bans cleared, energy restored, value and wage
// renewed; then everyone a year older, and the old players of computer-run clubs retiring in favour
// of youths.

namespace tarvelon {

// The retirement threshold T of a player of `age` (after ageing): he retires when Random(100) > T.
// -1: he always retires (no draw); 100: he never does (below 36).
int RetirementThreshold(int age, bool goalkeeper);

// Cards and bans of kinds 1..9 cleared, energy 100, value and wage renewed (a human-run club's
// player keeps his wage unless his contract ends before the last day of the season).
void RenewPlayersForNewSeason();

// Every player with a club a year older; computer-run clubs' players come off the transfer list,
// lose an offered loan, and from 36 on may retire, replaced by a youth. Youths appended here are
// neither aged nor retired in the same pass, and start without a loan.
void AgeAndRetirePlayers();

}  // namespace tarvelon
