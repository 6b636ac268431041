#pragma once
// Makes the game's screens known: the component classes their descriptions name, every form class
// as a stub, then every built screen over its stub. Run once at start-up, before the first screen.
namespace tarvelon {

void RegisterGameScreens();

}  // namespace tarvelon
