#pragma once
// Every form class of the game, registered as a stub (stub_form.h) with what it shows, its area,
// its subject on a running game and its move of the game. Built screens replace their entries.
namespace tarvelon {

void RegisterStubScreens();

}  // namespace tarvelon
