#pragma once
// The matchday's screens register over their stand-ins.
namespace tarvelon {
void RegisterMatchdayScreens();
}
