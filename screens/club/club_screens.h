#pragma once
// The club screens that answer core's questions.

namespace tarvelon {

// Puts the club screens that answer core's questions in the hook table (the save name, the
// dismissal notice).
void InstallClubScreenHooks();

}  // namespace tarvelon
