#pragma once
// The hub's turns: on a matchday every human coach whose club plays that day sets his line-up in
// turn, in the order of the human-club slots; after the last one the matchday starts.

#include "core/season/competitions.h"  // ClubPlaysToday, with which the turns are chosen

namespace tarvelon {

// The slot 1..6 of the human-club list whose coach is being served.
extern int CurrentHumanTurn;


// The first used human-club slot whose club plays today becomes the current turn and club (and on a
// state day its state the one shown first). False when no human club plays today: the turn is the
// first and the current club stays as it was.
bool ChooseFirstHumanTurn();

// Moves the turn on to the next human club that plays today; each slot passed over is the current
// club for a moment, as the hub scans them. False when every turn was served.
bool NextHumanTurn();

// The whole hub as a coach who lets everything go by meets it (a headless game's human clubs): the
// hub's opening, then for each coach whose club plays today in turn the club's updates and the
// round's questions answered automatically (core/progression/post_round.h), as the hub serves them.
// When no human club plays today the club the hub shows (the current human club) has its turn.
void PassHubAutomatically();

}  // namespace tarvelon
