#include "core/prizes/prize_payment.h"

#include "core/basics/currency.h"
#include "core/tables.h"

namespace tarvelon {

void PayClubPrize(int club, std::int64_t units)
{
    if (club < 0 || club >= static_cast<int>(Clubs.size()))
        return;
    AddUnitsToCash(Clubs[club].cash, units);
    if (club < static_cast<int>(ClubFinances.size()))
        AddToAccount(ClubFinances[club].prizes, units);
}

}  // namespace tarvelon
