#pragma once
// The inbox of a human club as its coach reads it: the messages newest first with their subject
// lines and senders, a message's text, reading and answering, and the unread count.
#include <string>
#include <vector>

#include "core/basics/datetime.h"

namespace tarvelon {

struct TMailMessage;

// One message of the list.
struct InboxRow {
    int message = 0;  // index in MailMessages
    bool read = false;
    std::string subject;
    std::string sender;
    std::string date;  // dd/mm/yyyy
};

// The club's messages, the last sent first. Messages of other clubs never appear.
std::vector<InboxRow> InboxOf(int club);

// The subject line: the subject's text with the names of the players or the club it is about.
std::string MailSubjectLine(const TMailMessage& mail);
// "Diretoria", "Torcida", "Jogador: <name>", "Imprensa", "Dep. Médico".
std::string MailSenderName(const TMailMessage& mail);
// The message's text (a sale's message ends with the fee in words).
std::string MailBodyText(const TMailMessage& mail);

// The coach opens the message: it is read from now on.
void ReadMail(int message);
// The coach answers the message's question: it waits for an answer no more.
void AnswerMail(int message);

// Messages of the club not read yet.
int CountUnreadMail(int club);
// News the coach could read for more than two weeks and did not counts as read: two weeks from the
// first match day of the clubs on or after its date (a notice of the season's last day or of a
// national-team tournament waits for the next day a hub opens); the hub's header sees to it each
// time it shows the club.
void MarkOldNewsRead(int club, TDateTime today);
// The hub's news line for that many unread messages, shadowed.
std::string UnreadNewsText(int unread);
// The news line the inbox leaves behind it: as above, but "Sem novas notícias" when all is read.
std::string InboxClosedNewsText(int unread);
// The news line counts unread messages ("1 notícia não lida", "<n> notícias não lidas").
bool NewsTextCountsUnread(const std::string& text);

}  // namespace tarvelon
