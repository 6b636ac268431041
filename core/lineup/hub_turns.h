#pragma once
// The hub's turns: on a matchday every human coach whose club plays that day sets his line-up in
// turn, in the order of the human-club slots; after the last one the matchday starts.

#include "core/season/competitions.h"  // ClubPlaysToday, with which the turns are chosen

namespace tarvelon {

// The slot 1..6 of the human-club list whose coach is being served.
extern int CurrentHumanTurn;


// The first used human-club slot whose club plays today becomes the current turn (current club
// and coach, and the state shown on a state day). False when no human club plays today.
bool ChooseFirstHumanTurn();

// Moves the turn on to the next human club that plays today. False when every turn was served.
bool NextHumanTurn();

// Every human line-up is set: the computer clubs' line-ups are built and the day's matchday is
// ready to open, playing the coaches' line-ups as they are.
void KickOffMatchday();

}  // namespace tarvelon
