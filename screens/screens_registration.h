#pragma once
// Makes the game's screens known: the component classes their descriptions name, then the record of
// every screen (the game's and the editor's). Run once at start-up, before the first screen.
namespace tarvelon {

void RegisterGameScreens();

}  // namespace tarvelon
