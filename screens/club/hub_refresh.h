#pragma once
// The club screens that change the human club (its cash, its squad) tell the hub, when it is open,
// to show the change.

namespace tarvelon {

void RefreshOpenHub();

}  // namespace tarvelon
