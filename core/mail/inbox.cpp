#include "core/mail/inbox.h"

#include <array>
#include <map>

#include "core/basics/datetime.h"
#include "core/format/money_format.h"
#include "core/mail/mail_texts.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
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

using SeasonCalendar = std::array<TCalendarEntry, kCalendarDays + 1>;

// A hub opens on a friendly day only when a friendly is booked on it (the table holds the
// season's friendlies, played or not, until the next season starts).
bool FriendlyBookedOn(TDateTime date)
{
    for (const TFriendly& f : Friendlies)
        if (f.home >= 0 && f.date == date)
            return true;
    return false;
}

bool HubOpensOn(const TCalendarEntry& entry)
{
    if (entry.dayKind == kKindFriendlies)
        return FriendlyBookedOn(entry.date);
    return entry.dayKind > kKindFriendlies && entry.dayKind <= kKindSecondContinentalCup;
}

// The first day a hub could show a message: the first match day of the clubs (a national-team
// tournament's days and the season's last days have no hub) on or after its date, in its season's
// calendar or else in the next season's. Only the saved game decides it, so a game reads the same
// news as read whether or not it was saved and loaded in between.
TDateTime FirstHubDay(TDateTime date, std::map<int, SeasonCalendar>& calendars)
{
    if (date <= 0)
        return date;
    const int season = DecodeDate(date).year - 2009;
    for (int s : {season, season + 1}) {
        if (s < 1 || s > kLastSeason)
            continue;
        auto found = calendars.find(s);
        if (found == calendars.end())
            found = calendars.emplace(s, s == Game.Season ? Calendar : CalendarOfSeason(s)).first;
        for (int day = 1; day <= kCalendarDays; ++day) {
            const TCalendarEntry& entry = found->second[static_cast<std::size_t>(day)];
            if (entry.date >= date && HubOpensOn(entry))
                return entry.date;
        }
    }
    return date;
}

}  // namespace

void MarkOldNewsRead(int club, TDateTime today)
{
    constexpr double kOldNewsDays = 14;
    if (today == 0)
        return;  // the calendar has run past its last day
    std::map<int, SeasonCalendar> calendars;
    for (TMailMessage& mail : MailMessages)
        if (mail.recipientClub == club && mail.read == 0 && today - FirstHubDay(mail.date, calendars) > kOldNewsDays)
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
