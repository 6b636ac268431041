#include "core/economy/player_fines.h"

#include "core/basics/currency.h"
#include "core/basics/rounding.h"
#include "core/economy/table_access.h"
#include "core/mail/inbox.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

// The message waits for the coach's answer and names a player of the club it was sent to.
int FinablePlayerOf(int message)
{
    if (message < 0 || message >= static_cast<int>(MailMessages.size()))
        return -1;
    const TMailMessage& mail = MailMessages[static_cast<std::size_t>(message)];
    const int player = mail.player;
    if (mail.answerPending == 0 || player < 1 || player >= static_cast<int>(Players.size()))
        return -1;
    const int club = mail.recipientClub;
    return club >= 0 && club < static_cast<int>(Clubs.size()) && Players[static_cast<std::size_t>(player)].Club == club
               ? player
               : -1;
}

}  // namespace

std::int64_t FineOfPlayer(int player)
{
    if (player < 1 || player >= static_cast<int>(Players.size()))
        return 0;
    const double wage = CurrencyToDouble(Players[static_cast<std::size_t>(player)].wage);
    return Round(wage * kFinePercentOfWage / 100.0);
}

std::int64_t AnswerFineQuestion(int message, bool fine)
{
    const int player = fine ? FinablePlayerOf(message) : -1;
    AnswerMail(message);
    if (player < 0)
        return 0;
    const int club = Players[static_cast<std::size_t>(player)].Club;
    const std::int64_t units = FineOfPlayer(player);
    if (units <= 0)
        return 0;
    AddUnitsToCash(Clubs[static_cast<std::size_t>(club)].cash, units);
    if (club < static_cast<int>(ClubFinances.size()))
        AddToAccount(ClubFinances[static_cast<std::size_t>(club)].wagesPaid, -units);
    return units;
}

}  // namespace tarvelon
