#pragma once
// The supporters' mood after a match, and what a low mood costs the board's confidence.

namespace tarvelon {

// kind: the match's competition kind; result 0 draw, 1 win, 2 loss. Only league and state-championship
// days move the mood; on any day a mood below 40 costs confidence, then both are kept within 0..100.
void UpdateSupportersMood(int kind, int club, int result);

}  // namespace tarvelon
