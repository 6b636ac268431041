#pragma once

namespace tarvelon {

// Registers the built club screens over their stand-ins.
void RegisterClubScreens();

// Puts the club screens that answer core's questions in the hook table (the save name, the
// dismissal notice).
void InstallClubScreenHooks();

}  // namespace tarvelon
