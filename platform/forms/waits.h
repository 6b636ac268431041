#pragma once
// How long the game's waits last: a TTimer's interval and a pause of the game
// (TApplication::PauseRepaintingOnly). A player always gets the real times. A test that drives
// screens may have the waits up to a length run at once: those timers then tick, and those pauses
// end, as soon as the event loop is idle, in the same order as in the game but without the time in
// between.
namespace tarvelon {

// How long a wait of `milliseconds` lasts now.
int WaitTime(int milliseconds);

// Every wait of at most `longest` milliseconds started from now on runs at once; a negative value
// gives every wait its real time again.
void RunWaitsAtOnce(int longest);

}  // namespace tarvelon
