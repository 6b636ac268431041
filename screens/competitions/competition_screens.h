#pragma once
// The built screens of the competitions, history and new-game area, registered over their stubs.
namespace tarvelon {

void RegisterCompetitionScreens();

}  // namespace tarvelon
