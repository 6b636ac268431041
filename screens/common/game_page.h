#pragma once
// The game's page: the game has no web site, so its "web page" (the title screen's link and the
// hub's) is "tarvelon.html" of the game folder, a page about the game in Portuguese that
// scripts/play puts there (from resources/web/). It opens in the user's browser.
#include <string>

namespace tarvelon {

// The page as a file link ("file:///.../tarvelon.html"), from the working folder.
std::string GamePageUrl();

// What the player reads when no browser could be started for the page.
inline constexpr const char* kNoBrowserText =
    "Não foi possível abrir o navegador para mostrar a página do Tarvelon. "
    "Você pode abri-la pelo arquivo tarvelon.html, na pasta do jogo.";

// Shows the page in the browser; when the desktop did not take it, says so in a message and
// returns false.
bool OpenGamePage();

}  // namespace tarvelon
