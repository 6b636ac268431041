#pragma once
// The referees of the day: six of the national pool and six of the international pool, the best
// rated first, drawn into the game state before each matchday.

namespace tarvelon {

struct TRefereeRow {
    int number;  // referee 1..42
    int key;     // random key, Random(50)
    int rating;  // the referee's technique
};

// Higher rating first; equal ratings by the lower random key.
int CompareRefereeRows(const void* a, const void* b);

void DrawReferees();

// The referee of match m (1..40): the game state holds twelve, so the matches take them in turn.
int RefereeOfMatch(int m);

}  // namespace tarvelon
