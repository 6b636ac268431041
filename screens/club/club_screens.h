#pragma once
// The club management screens built so far, registered over their stand-ins.

namespace tarvelon {

// Registers the built club screens over their stand-ins.
void RegisterClubScreens();

// Puts the club screens that answer core's questions in the hook table (the save name, the
// dismissal notice).
void InstallClubScreenHooks();

}  // namespace tarvelon
