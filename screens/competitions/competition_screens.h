#pragma once
// The built screens of the competitions, history and new-game area, registered over their stubs.
namespace tarvelon {

void RegisterCompetitionScreens();

// The screens that answer core's questions of this area take their hooks (the state champions).
void InstallCompetitionScreenHooks();

}  // namespace tarvelon
