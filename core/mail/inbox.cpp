#include "core/mail/inbox.h"

#include "core/basics/datetime.h"
#include "core/format/money_format.h"
#include "core/mail/mail_texts.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

bool IsMessage(int message) { return message >= 0 && message < static_cast<int>(MailMessages.size()); }

// Player 0 is no player.
std::string PlayerName(int player)
{
    return player >= 1 && player < static_cast<int>(Players.size()) ? Players[static_cast<std::size_t>(player)].Name.str()
                                                                      : "";
}

std::string ClubName(int club)
{
    return club >= 0 && club < static_cast<int>(Clubs.size()) ? Clubs[static_cast<std::size_t>(club)].name.str() : "";
}

std::string SubjectText(int subject)
{
    return subject >= 1 && subject <= kMailSubjectCount ? MailSubjects[static_cast<std::size_t>(subject)] : "";
}

}  // namespace

std::string MailSubjectLine(const TMailMessage& mail)
{
    const std::string s = SubjectText(mail.subjectId);
    const std::string p1 = PlayerName(mail.player);
    switch (mail.subjectId) {
    case 1: return s + ClubName(mail.recipientClub);
    case 2: case 4: case 19: return p1 + s;
    case 8: case 15: return p1 + s + ClubName(mail.clubOrSecondPlayer);
    case 9: case 14: case 16: case 17: case 18: return s + p1;
    case 13: return s + p1 + " e " + PlayerName(mail.clubOrSecondPlayer);
    default: return s;
    }
}

std::string MailSenderName(const TMailMessage& mail)
{
    switch (mail.sender) {
    case 1: return "Diretoria";
    case 2: return "Torcida";
    case 3: return "Jogador: " + PlayerName(mail.player);
    case 4: return "Imprensa";
    case 5: return "Dep. Médico";
    default: return "";
    }
}

std::string MailBodyText(const TMailMessage& mail)
{
    if (mail.bodyTextId < 1 || mail.bodyTextId > kMailTextCount)
        return "";
    const std::string& text = MailTexts[static_cast<std::size_t>(mail.bodyTextId)];
    return mail.bodyTextId == 69 ? text + FormatMoneyWords(mail.amount) : text;
}

std::vector<InboxRow> InboxOf(int club)
{
    std::vector<InboxRow> rows;
    for (int m = static_cast<int>(MailMessages.size()) - 1; m >= 0; --m) {
        const TMailMessage& mail = MailMessages[static_cast<std::size_t>(m)];
        if (mail.recipientClub != club)
            continue;
        rows.push_back({m, mail.read != 0, MailSubjectLine(mail), MailSenderName(mail), DateToStr(mail.date)});
    }
    return rows;
}

void ReadMail(int message)
{
    if (IsMessage(message))
        MailMessages[static_cast<std::size_t>(message)].read = 1;
}

void AnswerMail(int message)
{
    if (IsMessage(message))
        MailMessages[static_cast<std::size_t>(message)].answerPending = 0;
}

int CountUnreadMail(int club)
{
    int unread = 0;
    for (const TMailMessage& mail : MailMessages)
        if (mail.recipientClub == club && mail.read == 0)
            ++unread;
    return unread;
}

void MarkOldNewsRead(int club, TDateTime today)
{
    constexpr double kOldNewsDays = 14;
    for (TMailMessage& mail : MailMessages)
        if (mail.recipientClub == club && mail.read == 0 && today - mail.date > kOldNewsDays)
            mail.read = 1;
}

std::string UnreadNewsText(int unread)
{
    if (unread == 1)
        return "<shad>1 notícia não lida</shad>";
    if (unread > 1)
        return "<shad>" + std::to_string(unread) + " notícias não lidas</shad>";
    return "<SHAD>Sem mensagens</SHAD>";  // the hub's own words when nothing is unread
}

std::string InboxClosedNewsText(int unread)
{
    return unread > 0 ? UnreadNewsText(unread) : "<shad>Sem novas notícias</shad>";
}

bool NewsTextCountsUnread(const std::string& text)
{
    return text.find("não lida") != std::string::npos;
}

}  // namespace tarvelon
