// The inbox as a coach reads it: his club's messages newest first, subject lines and senders that
// name the players and clubs the rules wrote into each message, reading, answering, unread news.
#include <gtest/gtest.h>

#include "core/basics/datetime.h"
#include "core/club_rosters.h"
#include "core/economy/player_fines.h"
#include "core/format/money_format.h"
#include "core/mail/inbox.h"
#include "core/mail/mail.h"
#include "core/mail/mail_texts.h"
#include "tests/core/economy_test_world.h"

namespace tarvelon {
namespace {

using testworld::Build;
using testworld::MakeHuman;

class MailInboxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Build({{29, 1}}, 4);
        FillMailTexts();
        MakeHuman(club_);
        player_ = PlayersOfClub(club_)[2];
        mate_ = PlayersOfClub(club_)[5];
    }

    int club_ = 1;
    int other_ = 6;
    int player_ = 0;
    int mate_ = 0;
};

TEST_F(MailInboxTest, TheClubsMessagesNewestFirstNamingTheirPlayersAndClubs)
{
    SendMail(club_, mkWelcome, 1, 0, 0, 0);
    SendMail(other_, mkInjury, 2, 0, 0, PlayersOfClub(other_)[0]);  // another club's
    SendMail(club_, mkInjury, 2, 0, 0, player_);
    SendMail(club_, mkPlayerSold, 0, 1'500'000, other_, player_);
    SendMail(club_, mkPlayerMessage, 4, 0, mate_, player_);  // a fight between two team-mates

    const std::vector<InboxRow> rows = InboxOf(club_);
    ASSERT_EQ(rows.size(), 4u);
    const std::string name = Players[player_].Name.str();
    EXPECT_EQ(rows[0].subject, "Briga entre " + name + " e " + Players[mate_].Name.str());
    EXPECT_EQ(rows[0].sender, "Jogador: " + name);
    EXPECT_EQ(rows[1].subject, name + " vendido ao " + Clubs[other_].name.str());
    EXPECT_EQ(rows[1].sender, "Diretoria");
    EXPECT_EQ(rows[2].subject, name + " contundido");
    EXPECT_EQ(rows[2].sender, "Dep. Médico");
    EXPECT_EQ(rows[3].subject, "Bem vindo ao " + Clubs[club_].name.str());
    EXPECT_EQ(rows[3].message, 0);
    for (const InboxRow& row : rows) {
        EXPECT_FALSE(row.read);
        EXPECT_EQ(row.date.size(), 10u);
    }
    const TMailMessage& sale = MailMessages[static_cast<std::size_t>(rows[1].message)];
    EXPECT_EQ(MailBodyText(sale), MailTexts[69] + FormatMoneyWords(1'500'000));
    EXPECT_EQ(MailBodyText(MailMessages[0]), MailTexts[1]);
}

TEST_F(MailInboxTest, ReadingAndAnsweringStayAndTheUnreadNewsFollow)
{
    SendMail(club_, mkSentOff, 3, 0, 0, player_);  // asks whether to fine him
    SendMail(club_, mkWelcome, 1, 0, 0, 0);
    SendMail(other_, mkWelcome, 1, 0, 0, 0);
    EXPECT_EQ(CountUnreadMail(club_), 2);
    EXPECT_EQ(UnreadNewsText(2), "<shad>2 notícias não lidas</shad>");

    ASSERT_EQ(MailMessages[0].answerPending, 1);
    ReadMail(0);
    EXPECT_EQ(CountUnreadMail(club_), 1);
    EXPECT_EQ(UnreadNewsText(1), "<shad>1 notícia não lida</shad>");
    EXPECT_TRUE(InboxOf(club_)[1].read);
    AnswerMail(0);
    EXPECT_EQ(MailMessages[0].answerPending, 0);

    ReadMail(1);
    ReadMail(99);  // no such message: nothing
    EXPECT_EQ(CountUnreadMail(club_), 0);
    EXPECT_EQ(UnreadNewsText(0), "<SHAD>Sem mensagens</SHAD>");
    EXPECT_EQ(CountUnreadMail(other_), 1);
}

// "Sim" to the board's question on a sent-off player fines him 30 % of his weekly wage: the club
// keeps it from his wages, so its cash and its season's wages paid move by the same amount; "Não",
// a second answer, or a player who has left since are not fined.
// Unread news turns read two weeks after the coach could first see it: from its date when the hub
// counts it that day, from the hub's first count when it came on a day no hub opened (a notice of
// the season's last day, read only at the next season's first hub).
TEST_F(MailInboxTest, UnreadNewsTurnsReadTwoWeeksAfterTheHubCouldFirstShowIt)
{
    const TDateTime seasonEnd = EncodeDate(2010, 12, 12);
    const TDateTime firstHub = EncodeDate(2011, 1, 23);
    MarkOldNewsRead(club_, seasonEnd - 7);  // the club's last hub of the season
    SendMail(club_, mkContract, 1, 0, 0, player_);  // no hub opens on its day
    MailMessages.back().date = seasonEnd;
    SendMail(club_, mkContract, 0, 0, 0, mate_);  // counted by the hub on its day
    MailMessages.back().date = firstHub;

    MarkOldNewsRead(club_, firstHub);
    EXPECT_EQ(CountUnreadMail(club_), 2) << "a notice dated on a day without a hub is still news";
    MarkOldNewsRead(club_, firstHub + 14);
    EXPECT_EQ(CountUnreadMail(club_), 2);
    MarkOldNewsRead(club_, firstHub + 15);
    EXPECT_EQ(CountUnreadMail(club_), 0) << "two weeks unread after the hub first showed them";

    SendMail(club_, mkContract, 0, 0, 0, player_);
    MailMessages.back().date = firstHub + 20;
    MarkOldNewsRead(club_, firstHub + 20);
    MarkOldNewsRead(club_, firstHub + 35);
    EXPECT_EQ(CountUnreadMail(club_), 0) << "news counted on its own day turns read two weeks after its date";
}

TEST_F(MailInboxTest, FiningASentOffPlayerKeepsThirtyPercentOfHisWeeklyWage)
{
    Players[player_].wage = CurrencyFromUnits(12'345);
    SendMail(club_, mkSentOff, 3, 0, 0, player_);
    SendMail(club_, mkSentOff, 2, 0, 0, mate_);
    SendMail(club_, mkSentOff, 5, 0, 0, mate_);
    const Currency cash = Clubs[club_].cash;
    ClubFinances[club_].wagesPaid = 50'000;

    EXPECT_EQ(FineOfPlayer(player_), 3'704);  // 3,703.5 rounded to even
    EXPECT_EQ(AnswerFineQuestion(0, true), 3'704);
    EXPECT_EQ(MailMessages[0].answerPending, 0);
    EXPECT_EQ(Clubs[club_].cash, cash + CurrencyFromUnits(3'704));
    EXPECT_EQ(ClubFinances[club_].wagesPaid, 50'000 - 3'704);
    EXPECT_EQ(AnswerFineQuestion(0, true), 0);  // answered already

    EXPECT_EQ(AnswerFineQuestion(1, false), 0);  // "Não"
    EXPECT_EQ(MailMessages[1].answerPending, 0);
    Players[mate_].Club = other_;
    PlayerClubsChanged();
    EXPECT_EQ(AnswerFineQuestion(2, true), 0);  // sold before the answer
    EXPECT_EQ(MailMessages[2].answerPending, 0);
    EXPECT_EQ(Clubs[club_].cash, cash + CurrencyFromUnits(3'704));
    EXPECT_EQ(AnswerFineQuestion(99, true), 0);
}

}  // namespace
}  // namespace tarvelon
