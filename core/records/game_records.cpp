#include "core/records/game_records.h"

namespace tarvelon {

std::int64_t FinanceIncome(const TClubFinance& f)
{
    return std::int64_t{f.ticketIncome} + f.playerSales + SeasonBorrowing(f) + f.prizes + f.sponsorship;
}

std::int64_t FinanceExpenses(const TClubFinance& f)
{
    return std::int64_t{f.wagesPaid} + f.stadium + f.playerPurchases + f.loanInterest + f.miscellaneous +
           f.terminationShares;
}

}  // namespace tarvelon
