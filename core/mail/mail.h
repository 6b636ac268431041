#pragma once
// The inbox of the human clubs: game rules post messages; the inbox screen shows them.
#include <cstdint>

namespace tarvelon {

// Message kinds that the rules send.
enum MailKind {
    mkWelcome = 0,         // variant 0 at the start of a game, 1 the short welcome
    mkSentOff = 1,         // variant = the ban in matches (10, 5, 3, 2)
    mkPlayerMessage = 2,   // variants 0 fine .. 6 overworked
    mkInjury = 3,          // variant = weeks out
    mkSupporters = 4,      // after a heavy defeat
    mkPress = 9,           // 0 big signing, 1 national-team rumour
    mkDressingRoom = 11,   // split after a star signing
    mkPlayerSold = 12,
    mkContract = 13,       // 0 ends in less than 3 weeks, 1 ended
    mkLoanCannotReturn = 14,
};

// Appends one message to MailMessages, dated today, addressed to `club`; an amount (whole units) is
// held in the message's 32-bit field.
void SendMail(int club, int kind, int variant, std::int64_t amount, int clubOrSecondPlayer, int player);

// Withdraws every message addressed to the club (they stay in the table, addressed to nobody).
void HideClubMail(int club);

}  // namespace tarvelon
