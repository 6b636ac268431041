#pragma once
// The trophies of a club's cabinet: one trophy per competition it has won, with its picture's name,
// its caption and the number of titles, in the cabinet's order.
#include <string>
#include <vector>

namespace tarvelon {

struct CabinetTrophy {
    std::string picture;  // "tr_mundial", "tr_lib", "tr_nacbra", ...
    std::string caption;  // "Mundial", "Libertadores", "Brasileiro", "C. do Brasil", "Paulista", ...
    int count = 0;
};

// Club world cup, first and second continental cups, national league (first division only), national
// cup and state championship (the club's own state-title count), those with a title.
std::vector<CabinetTrophy> CabinetTrophies(int club);

}  // namespace tarvelon
