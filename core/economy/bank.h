#pragma once
// The bank: a club borrows and pays back in fixed steps of 500,000, up to a cap set by its
// division. The outstanding loan is the club's "Empréstimo" account; the bank charges its weekly
// interest on league and state Sundays (end of the matchday), never when money moves here.
#include <cstdint>

namespace tarvelon {

inline constexpr std::int32_t kBankLoanStep = 500000;

// The most a club of the division (1..4; 0 regional or none) may owe the bank.
std::int32_t BankLoanCap(int division);

// The interest of a week on an outstanding loan, rounded to a whole unit.
std::int32_t WeeklyLoanInterest(std::int32_t loan);

// The club's cash in whole units, rounded (0 for no club).
std::int64_t CashInUnits(int club);

// The club's outstanding loan (0 for a club without accounts).
std::int32_t BankLoanOf(int club);
bool CanBorrowFromBank(int club);
bool CanRepayBank(int club);

// One step of 500,000 borrowed: the loan and the cash both grow. False (nothing moves) at the cap.
bool BorrowFromBank(int club);

// One step paid back: at most what is still owed, so the loan never falls below zero. The cash
// may go negative. False when nothing is owed.
bool RepayBank(int club);

}  // namespace tarvelon
