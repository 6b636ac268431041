#include "core/economy/player_sale.h"

#include "core/basics/rounding.h"
#include "core/economy/table_access.h"
#include "core/economy/transfers.h"
#include "core/season/calendar.h"

namespace tarvelon {

std::string RescissionFineBand(int player)
{
    if (!IsPlayerIndex(player))
        return "";
    const std::int64_t daysLeft = Round(Players[player].ContractEnd - TodayDate());
    if (daysLeft <= 0)
        return "";
    return std::to_string(SaleSharePercent(daysLeft)) + "% do valor total";
}

std::int64_t ThousandsOf(std::int64_t currency)
{
    return RoundedUnits(currency) / 1000;
}

void ListPlayerForSale(int player, std::int64_t price)
{
    if (!IsPlayerIndex(player) || price < 1)
        return;
    Players[player].ListedForSale = 1;
    Players[player].AskingPrice = CurrencyFromUnits(price);
}

}  // namespace tarvelon
