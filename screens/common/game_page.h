#pragma once
// The game's page: the game has no web site, so its "web page" (the title screen's link and the
// hub's) is "tarvelon.html" of the game folder, a page about the game in Portuguese that
// scripts/play puts there (from resources/web/). It opens in the user's browser.
#include <string>

namespace tarvelon {

// The page as a file link ("file:///.../tarvelon.html"), from the working folder.
std::string GamePageUrl();

// Shows the page in the browser; false when the desktop did not take it.
bool OpenGamePage();

}  // namespace tarvelon
