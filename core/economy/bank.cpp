#include "core/economy/bank.h"

#include <algorithm>
#include <array>

#include "core/basics/rounding.h"
#include "core/economy/table_access.h"

namespace tarvelon {

namespace {

// By division: regional (0), then 1 to 4.
constexpr std::array<std::int32_t, 5> kLoanCaps{1500000, 5000000, 3000000, 2000000, 1500000};

TClubFinance* AccountsOf(int club)
{
    if (!IsClubIndex(club) || club >= static_cast<int>(ClubFinances.size()))
        return nullptr;
    return &ClubFinances[static_cast<std::size_t>(club)];
}

}  // namespace

std::int32_t BankLoanCap(int division)
{
    return division >= 1 && division <= 4 ? kLoanCaps[static_cast<std::size_t>(division)] : kLoanCaps[0];
}

std::int32_t WeeklyLoanInterest(std::int32_t loan)
{
    return static_cast<std::int32_t>(Round(loan * 0.03));
}

std::int64_t CashInUnits(int club)
{
    return IsClubIndex(club) ? RoundedUnits(Clubs[club].cash) : 0;
}

std::int32_t BankLoanOf(int club)
{
    const TClubFinance* accounts = AccountsOf(club);
    return accounts ? accounts->bankLoan : 0;
}

bool CanBorrowFromBank(int club)
{
    return AccountsOf(club) != nullptr && BankLoanOf(club) < BankLoanCap(Clubs[club].Division);
}

bool CanRepayBank(int club)
{
    return BankLoanOf(club) > 0;
}

bool BorrowFromBank(int club)
{
    if (!CanBorrowFromBank(club))
        return false;
    AccountsOf(club)->bankLoan += kBankLoanStep;
    AddUnitsToCash(Clubs[club].cash, kBankLoanStep);
    return true;
}

bool RepayBank(int club)
{
    if (!CanRepayBank(club))
        return false;
    TClubFinance& accounts = *AccountsOf(club);
    const std::int32_t paid = std::min(kBankLoanStep, accounts.bankLoan);
    accounts.bankLoan -= paid;
    AddUnitsToCash(Clubs[club].cash, -paid);
    return true;
}

}  // namespace tarvelon
