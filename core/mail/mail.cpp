#include "core/mail/mail.h"

#include "core/basics/random.h"
#include "core/tables.h"
#include "core/season/calendar.h"

namespace tarvelon {

namespace {

enum Sender { sBoard = 1, sSupporters = 2, sPlayer = 3, sPress = 4, sMedical = 5 };

// Body id of a sent-off player's message by the length of his ban; 0 for a ban without a text.
int SentOffBody(int ban)
{
    switch (ban) {
    case 10: return 2;
    case 5: return 4 + Random(2);
    case 3: return 7 + Random(5);
    case 2: return 12 + Random(6);
    default: return 0;
    }
}

// Body id of an injury report by the weeks out; 0 for a length without a text.
int InjuryBody(int weeks)
{
    if (weeks == 2) return 25 + Random(3);
    if (weeks == 3) return 28 + Random(2);
    if (weeks == 4) return 30 + Random(2);
    if (weeks == 5 || weeks == 6) return 32 + Random(4);
    if (weeks == 7) return 36 + Random(2);
    if (weeks >= 8 && weeks <= 10) return 38 + Random(4);
    if (weeks >= 15 && weeks <= 20) return 42 + Random(4);
    return 0;
}

void Fill(TMailMessage& mail, int body, int sender, int subject)
{
    mail.bodyTextId = body;
    mail.sender = sender;
    mail.subjectId = subject;
}

// Body and subject of a player's own message by variant; false for an unknown variant.
bool FillPlayerMessage(TMailMessage& mail, int variant)
{
    switch (variant) {
    case 0: Fill(mail, 18 + Random(4), sPlayer, 3); return true;
    case 1: Fill(mail, 67, sPlayer, 10); return true;
    case 2: Fill(mail, 53 + Random(2), sPlayer, 11); return true;
    case 3: Fill(mail, 55 + Random(2), sPlayer, 12); return true;
    case 4: Fill(mail, 57 + Random(2), sPlayer, 13); return true;
    case 5: Fill(mail, 59 + Random(2), sPlayer, 14); return true;
    case 6: Fill(mail, 62 + Random(2), sPlayer, 11); return true;
    default: return false;
    }
}

void FillByKind(TMailMessage& mail, int kind, int variant, std::int64_t amount, int clubOrSecondPlayer, int player)
{
    switch (kind) {
    case mkWelcome:
        if (variant == 0)
            Fill(mail, 73, sBoard, 1);
        else if (variant == 1)
            Fill(mail, 1, sBoard, 1);
        break;
    case mkSentOff:
        Fill(mail, SentOffBody(variant), sBoard, 2);
        mail.player = player;
        mail.answerPending = 1;
        break;
    case mkPlayerMessage:
        if (FillPlayerMessage(mail, variant)) {
            mail.player = player;
            if (variant == 4)
                mail.clubOrSecondPlayer = clubOrSecondPlayer;
        }
        break;
    case mkInjury:
        Fill(mail, InjuryBody(variant), sMedical, 4);
        mail.player = player;
        break;
    case mkSupporters:
        if (variant == 0) {
            const int body = 46 + Random(3);  // the body is drawn before the subject
            Fill(mail, body, sSupporters, 5 + Random(3));
        }
        break;
    case mkPress:
        if (variant == 0) {
            Fill(mail, 22 + Random(3), sPress, 8);
            mail.player = player;
            mail.clubOrSecondPlayer = clubOrSecondPlayer;
        } else if (variant == 1) {
            Fill(mail, 70, sBoard, 16);
        }
        break;
    case mkDressingRoom:
        if (variant == 0) {
            Fill(mail, 51 + Random(2), sBoard, 9);
            mail.player = player;
        }
        break;
    case mkPlayerSold:
        if (variant == 0)
            Fill(mail, 69, sBoard, 15);
        break;
    case mkContract:
        if (variant == 0)
            Fill(mail, 71, sBoard, 17);
        else if (variant == 1)
            Fill(mail, 72, sBoard, 18);
        break;
    case mkLoanCannotReturn:
        if (variant == 0)
            Fill(mail, 74, sBoard, 19);
        break;
    default:
        break;
    }
    // Kinds 12 to 14, and the kinds no rule sends, end with the common fill.
    const bool commonFill = (kind >= 5 && kind <= 8) || kind == 10 || (kind >= 12 && kind <= 14);
    if (commonFill) {
        mail.sender = sBoard;
        mail.answerPending = 0;
        mail.player = player;
        mail.clubOrSecondPlayer = clubOrSecondPlayer;
        mail.amount = HeldIn32Bits(amount);
    }
}

}  // namespace

void SendMail(int club, int kind, int variant, std::int64_t amount, int clubOrSecondPlayer, int player)
{
    if (kind == mkPlayerSold && player < 1)
        return;
    TMailMessage mail{};
    mail.recipientClub = club;
    mail.date = TodayDate();
    mail.player = 0;
    FillByKind(mail, kind, variant, amount, clubOrSecondPlayer, player);
    mail.read = 0;
    MailMessages.push_back(mail);
}

void HideClubMail(int club)
{
    for (TMailMessage& mail : MailMessages)
        if (mail.recipientClub == club)
            mail.recipientClub = -1;
}

}  // namespace tarvelon
