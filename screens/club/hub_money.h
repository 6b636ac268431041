#pragma once
// Screens that move the human club's money or change its club tell the hub to show it anew
// (header, cash label) when the hub is open.

namespace tarvelon {

void RefreshHubMoney();

}  // namespace tarvelon
