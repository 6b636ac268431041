#pragma once
// What the in-match screen tells of a player on its board beyond his name: the shirt's hint.
#include <string>

namespace tarvelon {

// "Energia:87% Força:59 Dri/Vel": energy, strength and the two trait abbreviations; a substitute's
// hint adds the side he prefers (" Lado:D" right, " Lado:E" left). "" for no player.
std::string InMatchShirtHint(int player, bool substitute);

}  // namespace tarvelon
