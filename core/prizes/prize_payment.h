#pragma once
// A prize paid to a club: the one way the rules pay the prizes of the tables, finals and top scorers.
#include <cstdint>

namespace tarvelon {

// Prize money: into the club's cash and into the prizes of its season accounts (whole units); nothing
// for an index outside the clubs.
void PayClubPrize(int club, std::int64_t units);

}  // namespace tarvelon
