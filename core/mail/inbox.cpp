#include "core/mail/inbox.h"

#include <algorithm>
#include <map>

#include "core/basics/datetime.h"
#include "core/format/money_format.h"
#include "core/mail/mail_texts.h"
#include "core/records/table_reset.h"
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

namespace {

// When the hub last showed each club, and the day it first counted each message that came after
// that: a message can be dated on a day no hub opens (the season's last day, a national-team
// tournament), and it is news from the day the coach could first see it.
struct NewsClock {
    std::map<int, TDateTime> lastHub;
    std::map<std::size_t, TDateTime> firstCounted;
};

NewsClock& Clock()
{
    static NewsClock clock;
    return clock;
}
const GameTableReset newsClockReset([] { Clock() = {}; });

// The day a message's two weeks run from.
TDateTime NewsSince(int club, std::size_t message, TDateTime today)
{
    NewsClock& clock = Clock();
    const TDateTime date = MailMessages[message].date;
    const auto last = clock.lastHub.find(club);
    if (last != clock.lastHub.end() && date > last->second)
        clock.firstCounted.try_emplace(message, today);
    const auto counted = clock.firstCounted.find(message);
    return counted == clock.firstCounted.end() ? date : std::max(date, counted->second);
}

}  // namespace

void MarkOldNewsRead(int club, TDateTime today)
{
    constexpr double kOldNewsDays = 14;
    if (today == 0)
        return;  // the calendar has run past its last day
    for (std::size_t i = 0; i < MailMessages.size(); ++i) {
        TMailMessage& mail = MailMessages[i];
        if (mail.recipientClub == club && mail.read == 0 && today - NewsSince(club, i, today) > kOldNewsDays)
            mail.read = 1;
    }
    TDateTime& last = Clock().lastHub[club];
    last = std::max(last, today);
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
