#pragma once
// The screens of the competitions that answer core's questions.
namespace tarvelon {

// The screens that answer core's questions of this area take their hooks (the state champions).
void InstallCompetitionScreenHooks();

}  // namespace tarvelon
