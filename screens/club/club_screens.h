#pragma once
// The club management screens built so far, registered over their stand-ins.

namespace tarvelon {

void RegisterClubScreens();

}  // namespace tarvelon
