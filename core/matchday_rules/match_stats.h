#pragma once
// The statistics of a finished match as the archive keeps them, and the possession share shown.

namespace tarvelon {

// A side without a shot is credited with one; the loser's possession counts 90 %, a counter-attacking
// side's (style 2) 70 %, each rounded.
void TouchUpMatchStatistics(int m);

// The home side's share of possession in per cent, rounded; 50 when neither side had the ball.
int PossessionShare(int homePossession, int awayPossession);

}  // namespace tarvelon
