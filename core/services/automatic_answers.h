#pragma once
// The rules' own answers to every question core asks through its hooks (core/hooks.h), for as long
// as no screen asks the player: the answers a headless game plays with, and the base over which the
// program puts its platform services and each screen its own dialog.
#include "core/hooks.h"

namespace tarvelon {

// Every hook of CoreHooks with its automatic answer:
// - the clock is the real high-resolution clock (SeedRepeatableRun puts a deterministic one in);
// - sound: a silent device that accepts every command, no error texts; message boxes are closed at
//   once; the screen is the design size, 800 x 600;
// - the penalty dialog leaves the kick to the engine, the injury dialog leaves the substitute to
//   the engine, the shoot-out dialogs kick it out at once with the computer's takers: the same
//   rules and draws as a match nobody watches;
// - the coach career's screens (a dismissal, a computer club's coach change) are taken note of;
//   job offers are declined, so the coach stays where he is;
// - the save-name dialog is cancelled (nothing is saved without a name);
// - the national-team call-up keeps the squad the rules called, the state champions' table is
//   closed at once.
CoreHooks AutomaticAnswers();

// Hooks() = AutomaticAnswers(): every hook filled; a caller replaces single hooks afterwards.
void InstallAutomaticAnswers();

}  // namespace tarvelon
