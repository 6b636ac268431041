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

// The whole hub as a coach who lets everything go by meets it (a headless game's human clubs): the
// hub's opening, then for each coach whose club plays today in turn the club's updates and the
// round's questions answered automatically (core/progression/post_round.h), as the hub serves them.
// When no human club plays today the hub kicks off at once: the club it shows (the current human
// club) is updated and nothing is asked.
void PassHubAutomatically();

}  // namespace tarvelon
