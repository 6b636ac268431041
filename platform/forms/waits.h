#pragma once
// How long the game's waits last: a TTimer's interval and a pause of the game
// (TApplication::PauseRepaintingOnly). A player always gets the real times. A test that drives
// screens may cap every wait: the timers then tick, and the pauses end, as soon as the event loop is
// idle, in the same order as in the game but without the seconds in between.
namespace tarvelon {

// `milliseconds` under the cap in force (unchanged when there is none).
int CappedWait(int milliseconds);

// Caps every wait started from now on at `milliseconds` (0: at once); a negative value lifts the cap.
void SetWaitCap(int milliseconds);

}  // namespace tarvelon
