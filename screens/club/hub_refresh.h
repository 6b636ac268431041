#pragma once
// What the club's dialogs ask of the hub after they changed the human club (its cash, its squad): the
// hub, when it is open, shows the change itself.
namespace tarvelon {

class TForm13;

// The hub when it is open, else null.
TForm13* OpenHubForm();

// The open hub shows the club anew: header, money and roster.
void RefreshOpenHub();

// The hub rebuilds its roster and selects the row of `player` (when he is listed) with his card.
void RefreshHubRosterAt(int player);

}  // namespace tarvelon
