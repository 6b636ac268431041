#pragma once
// The game options of a new game, read from the settings file into the game state.

namespace tarvelon {

// Reads every key of section "opcoes" (each with its own fallback) into `Game`: match speeds,
// half-time screen, shoot-outs, coach changes, sound, contracts, list colours and bold events,
// keeping the line-up, autosave, contract warnings, the continental-cup views and the list colours.
void ReadOptions();

}  // namespace tarvelon
