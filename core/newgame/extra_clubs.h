#pragma once
// The extra clubs of the continental cups: every country of the fixed list whose league is not
// played brings its best club files into the game, after the league clubs.

namespace tarvelon {

// Lists "teams/*.tcf" into ClubCatalogue, best level first, then appends the extra clubs to
// `Clubs` and `ClubFileNames` and records them in the game state's extra-club rows and counts.
void CatalogueClubFiles();

// Higher level first; equal levels by the lower country id; equal level and country compare equal.
int CompareCatalogueEntries(const void* a, const void* b);

// Extra clubs a list position (1..53) may bring: 14 for Brazil, 12 for positions 2..11, else 10.
int ExtraClubQuota(int listPosition);

// Empties every extra-club row (-1) and count, and the extra-club count.
void ResetExtraClubRows();

}  // namespace tarvelon
