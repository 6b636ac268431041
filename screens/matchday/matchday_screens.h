#pragma once
namespace tarvelon {
// Core's questions during a matchday answered by the matchday's dialogs (penalties, injuries,
// shoot-outs).
void InstallMatchdayDialogs();
}
