#pragma once
// The matchday's screens register over their stand-ins.
namespace tarvelon {
void RegisterMatchdayScreens();
// Core's questions during a matchday answered by the matchday's dialogs (penalties, injuries,
// shoot-outs).
void InstallMatchdayDialogs();
}
