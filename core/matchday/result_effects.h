#pragma once
// The board's confidence after a result: by the result, the clubs' levels, the table place and money.

namespace tarvelon {

enum MatchOutcome { moDraw = 0, moWin = 1, moLoss = 2 };

// Result code 1: a home win or the home side of a draw; 2: an away win or the away side of a draw.
void UpdateMoraleAfterResult(int kind, int homeClub, int awayClub, int homeGoals, int awayGoals, int spare);

// levelDifference = the club's level minus the other club's level. Ends with UpdateSupportersMood.
void AdjustClubMorale(int kind, int club, int outcome, int goalMargin, int levelDifference, int resultCode);

// True when the club's country has a played league whose national cup has a round-1 fixture.
bool ClubCountryHasNationalCup(int club);

}  // namespace tarvelon
