#include <gtest/gtest.h>

#include "core/basics/random.h"
#include "core/mail/mail.h"
#include "core/season/calendar.h"
#include "core/tables.h"

using namespace tarvelon;

class MailTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MailMessages.clear();
        Game.DayIndex = 5;
        Calendar[5].date = EncodeDate(2010, 3, 7);
        RandSeed = 4242;
    }

    const TMailMessage& Send(int kind, int variant, int amount = 0, int second = 0, int player = 0)
    {
        SendMail(3, kind, variant, amount, second, player);
        return MailMessages.back();
    }

    // The body a family draw gives with the current seed, without disturbing it.
    int NextDraw(int first, int count)
    {
        const std::uint32_t seed = RandSeed;
        const int body = first + Random(count);
        RandSeed = seed;
        return body;
    }
};

TEST_F(MailTest, WelcomeOfANewGameIsDatedTodayAndUnread)
{
    const TMailMessage& mail = Send(mkWelcome, 0);
    EXPECT_EQ(mail.recipientClub, 3);
    EXPECT_EQ(mail.date, EncodeDate(2010, 3, 7));
    EXPECT_EQ(mail.bodyTextId, 73);
    EXPECT_EQ(mail.sender, 1);
    EXPECT_EQ(mail.subjectId, 1);
    EXPECT_EQ(mail.answerPending, 0);
    EXPECT_EQ(mail.read, 0);
    EXPECT_EQ(Send(mkWelcome, 1).bodyTextId, 1);
}

TEST_F(MailTest, SentOffPlayersBodyFollowsTheBanAndAsksForAnAnswer)
{
    const TMailMessage& ten = Send(mkSentOff, 10, 0, 0, 17);
    EXPECT_EQ(ten.bodyTextId, 2);
    EXPECT_EQ(ten.answerPending, 1);
    EXPECT_EQ(ten.sender, 1);
    EXPECT_EQ(ten.subjectId, 2);
    EXPECT_EQ(ten.player, 17);
    const struct { int ban, first, count; } families[] = {{5, 4, 2}, {3, 7, 5}, {2, 12, 6}};
    for (const auto& family : families) {
        for (int i = 0; i < 20; ++i) {
            const int expected = NextDraw(family.first, family.count);
            EXPECT_EQ(Send(mkSentOff, family.ban, 0, 0, 17).bodyTextId, expected) << family.ban;
        }
    }
    const TMailMessage& odd = Send(mkSentOff, 4, 0, 0, 17);  // no text for a ban of 4
    EXPECT_EQ(odd.bodyTextId, 0);
    EXPECT_EQ(odd.subjectId, 2);
    EXPECT_EQ(odd.player, 17);
}

TEST_F(MailTest, InjuryReportsAreGroupedByWeeksOut)
{
    const struct { int weeks, first, count; } families[] = {{2, 25, 3}, {3, 28, 2}, {4, 30, 2}, {5, 32, 4}, {6, 32, 4},
                                                          {7, 36, 2}, {8, 38, 4}, {10, 38, 4}, {15, 42, 4}, {20, 42, 4}};
    for (const auto& family : families) {
        const int expected = NextDraw(family.first, family.count);
        const TMailMessage& mail = Send(mkInjury, family.weeks, 0, 0, 9);
        EXPECT_EQ(mail.bodyTextId, expected) << family.weeks;
        EXPECT_EQ(mail.sender, 5);
        EXPECT_EQ(mail.subjectId, 4);
        EXPECT_EQ(mail.player, 9);
    }
    const TMailMessage& eleven = Send(mkInjury, 11, 0, 0, 9);
    EXPECT_EQ(eleven.bodyTextId, 0);
    EXPECT_EQ(eleven.sender, 5);
    EXPECT_EQ(eleven.player, 9);
}

TEST_F(MailTest, PlayersOwnMessages)
{
    const struct { int variant, first, count, subject; } rows[] = {{0, 18, 4, 3}, {1, 67, 1, 10}, {2, 53, 2, 11},
                                                                   {3, 55, 2, 12}, {4, 57, 2, 13}, {5, 59, 2, 14},
                                                                   {6, 62, 2, 11}};
    for (const auto& row : rows) {
        const int expected = row.count > 1 ? NextDraw(row.first, row.count) : row.first;
        const TMailMessage& mail = Send(mkPlayerMessage, row.variant, 500, 44, 9);
        EXPECT_EQ(mail.bodyTextId, expected) << row.variant;
        EXPECT_EQ(mail.sender, 3);
        EXPECT_EQ(mail.subjectId, row.subject);
        EXPECT_EQ(mail.player, 9);
        EXPECT_EQ(mail.clubOrSecondPlayer, row.variant == 4 ? 44 : 0);  // only a fight names a second player
        EXPECT_EQ(mail.amount, 0);
    }
    const TMailMessage& unknown = Send(mkPlayerMessage, 7, 0, 0, 9);
    EXPECT_EQ(unknown.bodyTextId, 0);
    EXPECT_EQ(unknown.subjectId, 0);
}

TEST_F(MailTest, SupportersPressAndBoardMessages)
{
    // The body is drawn first, then the subject: seeds whose two draws differ tell the order apart.
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        RandSeed = seed;
        const int body = 46 + Random(3);
        const int subject = 5 + Random(3);
        RandSeed = seed;
        const TMailMessage& drawn = Send(mkSupporters, 0);
        EXPECT_EQ(drawn.bodyTextId, body) << "seed " << seed;
        EXPECT_EQ(drawn.subjectId, subject) << "seed " << seed;
    }
    const TMailMessage& angry = Send(mkSupporters, 0);
    EXPECT_EQ(angry.sender, 2);
    EXPECT_EQ(angry.player, 0);
    const TMailMessage& bare = Send(mkSupporters, 1);
    EXPECT_EQ(bare.bodyTextId + bare.sender + bare.subjectId, 0);
    EXPECT_EQ(bare.recipientClub, 3);

    const TMailMessage& signing = Send(mkPress, 0, 0, 8, 21);
    EXPECT_GE(signing.bodyTextId, 22);
    EXPECT_LE(signing.bodyTextId, 24);
    EXPECT_EQ(signing.sender, 4);
    EXPECT_EQ(signing.subjectId, 8);
    EXPECT_EQ(signing.player, 21);
    EXPECT_EQ(signing.clubOrSecondPlayer, 8);
    const TMailMessage& rumour = Send(mkPress, 1, 0, 8, 21);
    EXPECT_EQ(rumour.bodyTextId, 70);
    EXPECT_EQ(rumour.sender, 1);
    EXPECT_EQ(rumour.subjectId, 16);
    EXPECT_EQ(rumour.player, 0);

    const TMailMessage& split = Send(mkDressingRoom, 0, 0, 0, 21);
    EXPECT_GE(split.bodyTextId, 51);
    EXPECT_LE(split.bodyTextId, 52);
    EXPECT_EQ(split.subjectId, 9);
    EXPECT_EQ(split.player, 21);
}

TEST_F(MailTest, SaleContractAndLoanMessagesCarryTheirParameters)
{
    const TMailMessage& sold = Send(mkPlayerSold, 0, 250000, 6, 21);
    EXPECT_EQ(sold.bodyTextId, 69);
    EXPECT_EQ(sold.subjectId, 15);
    EXPECT_EQ(sold.sender, 1);
    EXPECT_EQ(sold.player, 21);
    EXPECT_EQ(sold.clubOrSecondPlayer, 6);
    EXPECT_EQ(sold.amount, 250000);
    EXPECT_EQ(Send(mkContract, 0, 1, 2, 3).bodyTextId, 71);
    EXPECT_EQ(MailMessages.back().subjectId, 17);
    EXPECT_EQ(Send(mkContract, 1, 1, 2, 3).bodyTextId, 72);
    EXPECT_EQ(MailMessages.back().subjectId, 18);
    const TMailMessage& loan = Send(mkLoanCannotReturn, 0, 1, 2, 3);
    EXPECT_EQ(loan.bodyTextId, 74);
    EXPECT_EQ(loan.subjectId, 19);
    EXPECT_EQ(loan.amount, 1);
    // A kind no rule sends still gets the common fill; a kind above 14 only recipient and date.
    const TMailMessage& seven = Send(7, 0, 5, 6, 7);
    EXPECT_EQ(seven.bodyTextId, 0);
    EXPECT_EQ(seven.sender, 1);
    EXPECT_EQ(seven.player, 7);
    EXPECT_EQ(seven.amount, 5);
    const TMailMessage& fifteen = Send(15, 0, 5, 6, 7);
    EXPECT_EQ(fifteen.sender + fifteen.player + fifteen.amount + fifteen.bodyTextId, 0);
    EXPECT_EQ(fifteen.date, EncodeDate(2010, 3, 7));
}

TEST_F(MailTest, SaleOfNobodySendsNothing)
{
    SendMail(3, mkPlayerSold, 0, 100, 2, 0);
    SendMail(3, mkPlayerSold, 0, 100, 2, -4);
    EXPECT_TRUE(MailMessages.empty());
}

TEST_F(MailTest, HiddenMailStaysInTheTableAddressedToNobody)
{
    Send(mkWelcome, 0);
    SendMail(4, mkWelcome, 0, 0, 0, 0);
    Send(mkSupporters, 0);
    HideClubMail(3);
    ASSERT_EQ(MailMessages.size(), 3u);
    EXPECT_EQ(MailMessages[0].recipientClub, -1);
    EXPECT_EQ(MailMessages[1].recipientClub, 4);
    EXPECT_EQ(MailMessages[2].recipientClub, -1);
}
