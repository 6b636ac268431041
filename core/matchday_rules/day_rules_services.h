#pragma once
// Hands the day's own rules (shoot-outs, group close-outs, computer national squads) to the
// competitions' progression, which reaches them through its services.

namespace tarvelon {

// Installs the shoot-outs, the close-outs of the state, continental and national-team groups and the
// computer squads' call-up into Progression(). The program and headless runs call it once at start-up.
void InstallDayRulesServices();

}  // namespace tarvelon
