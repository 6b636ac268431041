#pragma once
// What the in-match screen tells beyond the board's names: a shirt's hint, and the first leg of a tie.
#include <string>

namespace tarvelon {

// "Energia:87% Força:59 Dri/Vel": energy, strength and the two trait abbreviations; a substitute's
// hint adds the side he prefers (" Lado:D" right, " Lado:E" left). "" for no player.
std::string InMatchShirtHint(int player, bool substitute);

// "Primeiro Jogo: Ajax 2 x 1 Porto" when fixture `fixture` is the second leg of a tie (a national cup
// tie, the state final or a continental knockout tie): the first leg as it was played, its home club
// first, each club's name whole. "" for any other fixture.
std::string FirstLegText(int fixture);

}  // namespace tarvelon
