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
#include "core/records/table_reset.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
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
// Unread news turns read two weeks after the first day a hub could show it: from its date when a
// hub opens that day, else from the next match day of the clubs: a notice of the season's last day
// waits for the next season's first match day (a friendly day only when a friendly is booked on it).
// The rule reads only the saved game: emptied and rebuilt tables in between (a save and a load)
// change nothing.
TEST_F(MailInboxTest, UnreadNewsTurnsReadTwoWeeksAfterTheFirstDayAHubCouldShowIt)
{
    Game.Season = 1;
    Game.LeagueFormat = kDivisionsOf20;
    Game.nationalCupOn = 0;
    Game.StateChampionshipsOn = 0;
    Game.firstContinentalPairOn = 0;
    Game.secondContinentalPairOn = 0;
    BuildCalendar();
    const auto second = CalendarOfSeason(2);
    ASSERT_EQ(Calendar[148].dayKind, kNoMatchDay);
    ASSERT_EQ(Calendar[36].dayKind, kKindNationalLeague);
    ASSERT_EQ(second[3].dayKind, kKindFriendlies);
    ASSERT_EQ(second[36].dayKind, kKindNationalLeague);
    const TDateTime seasonEnd = Calendar[148].date;
    SendMail(club_, mkContract, 1, 0, 0, player_);  // dated on the season's last day: no hub opens
    MailMessages.back().date = seasonEnd;
    SendMail(club_, mkContract, 0, 0, 0, mate_);  // dated on a league day
    MailMessages.back().date = Calendar[36].date;
    const std::vector<TMailMessage> sent = MailMessages;

    auto readAt = [this](std::initializer_list<TDateTime> hubs, bool reloadBetween) {
        std::vector<std::uint8_t> read;
        for (TDateTime today : hubs) {
            if (reloadBetween) {
                const std::vector<TMailMessage> kept = MailMessages;
                const std::vector<TFriendly> friendlies = Friendlies;
                RunRegisteredTableResets();
                MailMessages = kept;
                Friendlies = friendlies;
            }
            MarkOldNewsRead(club_, today);
        }
        for (const TMailMessage& mail : MailMessages)
            read.push_back(mail.read);
        return read;
    };
    const TDateTime firstLeagueDay = Calendar[36].date;
    EXPECT_EQ(readAt({firstLeagueDay + 14}, false), (std::vector<std::uint8_t>{0, 0}));
    EXPECT_EQ(readAt({firstLeagueDay + 15}, false), (std::vector<std::uint8_t>{0, 1}));

    // The next season: no friendly booked, so its first hub is its first league day; the notice of
    // the last day is news until two weeks after it.
    MailMessages = sent;
    Game.Season = 2;
    BuildCalendar();
    const std::vector<std::uint8_t> plain = readAt({second[36].date, second[36].date + 14}, false);
    EXPECT_EQ(plain, (std::vector<std::uint8_t>{0, 1}));
    MailMessages = sent;
    EXPECT_EQ(readAt({second[36].date, second[36].date + 14}, true), plain) << "the same after a reload";
    MailMessages = sent;
    EXPECT_EQ(readAt({second[36].date + 15}, true), (std::vector<std::uint8_t>{1, 1}));
    // A friendly booked on the season's first friendly day opens a hub there: two weeks run from it.
    MailMessages = sent;
    TFriendly friendly;
    friendly.home = club_;
    friendly.away = other_;
    friendly.date = second[3].date;
    Friendlies.push_back(friendly);
    EXPECT_EQ(readAt({second[3].date + 14}, true), (std::vector<std::uint8_t>{0, 1}));
    EXPECT_EQ(readAt({second[3].date + 15}, false), (std::vector<std::uint8_t>{1, 1}));
    Friendlies.clear();
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
