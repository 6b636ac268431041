// The records are raw images of files: a field must read what the bytes at its offset say.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/records/club.h"
#include "core/records/club_file.h"
#include "core/records/game_records.h"
#include "core/records/game_state.h"
#include "core/records/player.h"

using namespace tarvelon;

namespace {

// Builds a record from a raw image in which the given bytes are written at the given offset.
template <typename Record>
Record FromImage(std::size_t offset, const std::vector<std::uint8_t>& bytes)
{
    std::vector<std::uint8_t> image(sizeof(Record), 0);
    std::memcpy(image.data() + offset, bytes.data(), bytes.size());
    Record record;
    std::memcpy(&record, image.data(), sizeof(Record));
    return record;
}

// A stored short string: length byte, then the CP1252 text.
std::vector<std::uint8_t> Stored(std::uint8_t length, const std::string& cp1252)
{
    std::vector<std::uint8_t> bytes(1 + cp1252.size());
    bytes[0] = length;
    std::memcpy(bytes.data() + 1, cp1252.data(), cp1252.size());
    return bytes;
}

std::vector<std::uint8_t> Int32Bytes(std::int32_t value)
{
    std::vector<std::uint8_t> bytes(4);
    std::memcpy(bytes.data(), &value, 4);
    return bytes;
}

}  // namespace

TEST(RecordLayout, ShortStringsReadTheTextAtTheirOffset)
{
    EXPECT_EQ(FromImage<TGameState>(124, Stored(9, "jogo1.nsx")).saveName.str(), "jogo1.nsx");
    EXPECT_EQ(FromImage<TGameState>(5201, Stored(5, "Jos\xE9 ")).previewCoach.str(), "José ");
    EXPECT_EQ(FromImage<TGameState>(5227, Stored(3, "Ca\xE7")).previewClub.str(), "Caç");
    EXPECT_EQ(FromImage<TClub>(0, Stored(6, "Ip\xEAmar")).name.str(), "Ipêmar");
    EXPECT_EQ(FromImage<TClub>(452, Stored(8, "Maracan\xE3")).Stadium.str(), "Maracanã");
    EXPECT_EQ(FromImage<TPlayer>(0, Stored(4, "Pel\xE9")).Name.str(), "Pelé");
    EXPECT_EQ(FromImage<TCoach>(0, Stored(3, "Tel")).name.str(), "Tel");
    EXPECT_EQ(FromImage<TNationalTeam>(8, Stored(4, "Dunga")).coachName.str(), "Dung");
    EXPECT_EQ(FromImage<TClubHeader>(4, Stored(3, "ABC")).shortName.str(), "ABC");
    EXPECT_EQ(FromImage<TClubHeader>(139, Stored(2, "Z\xE9")).coachName.str(), "Zé");
}

TEST(RecordLayout, ALengthByteBeyondTheFieldIsClampedToIt)
{
    // A length of 200 in a 25-character field: only the field's own bytes are read.
    const TClub club = FromImage<TClub>(0, Stored(200, std::string(25, 'A') + "BBBBB"));
    EXPECT_EQ(club.name.size(), 25u);
    EXPECT_EQ(club.name.str(), std::string(25, 'A'));
    const TPlayer player = FromImage<TPlayer>(0, Stored(255, std::string(20, 'x')));
    EXPECT_EQ(player.Name.str().size(), 20u);
}

TEST(RecordLayout, SquadSlotsSitAtBaseOffsetPlusSlotNumber)
{
    // Slot 25 of the club squad: position at 974 + 25, name at 36 * 24.
    const TClubSquad squad = FromImage<TClubSquad>(974 + 25, {3});
    EXPECT_EQ(squad.position[24], 3);
    const TClubSquad named = FromImage<TClubSquad>(36 * 24, Stored(4, "Last"));
    EXPECT_EQ(named.names[24].str(), "Last");
    // Slot 28 of the national squad: age at 1096 + 4 * 28, side at 1688 + 28; the format byte between.
    EXPECT_EQ(FromImage<TNationalSquad>(1096 + 4 * 28, Int32Bytes(33)).age[27], 33);
    EXPECT_EQ(FromImage<TNationalSquad>(1688 + 28, {1}).side[27], 1);
    EXPECT_EQ(FromImage<TNationalSquad>(1688, {10}).formatValue, 10);
    EXPECT_EQ(FromImage<TNationalSquad>(56 + 36, Stored(2, "Ka")).names[0].str(), "Ka");
}

TEST(RecordLayout, StandingsAreFoundByStatisticAndKind)
{
    // Statistic s of kind k at 168 + 40 s + 4 k: the league place is at 412, the state place at 420.
    EXPECT_EQ(FromImage<TClub>(412, Int32Bytes(7)).Place[1], 7);
    EXPECT_EQ(FromImage<TClub>(420, Int32Bytes(2)).Place[3], 2);
    EXPECT_EQ(FromImage<TClub>(168 + 40 * 4 + 4 * 9, Int32Bytes(5)).GoalsFor[9], 5);
    // Yellow cards and bans of a player per kind.
    EXPECT_EQ(FromImage<TPlayer>(140 + 4 * 3, Int32Bytes(2)).YellowCards[3], 2);
    EXPECT_EQ(FromImage<TPlayer>(180 + 4 * 9, Int32Bytes(1)).Bans[9], 1);
}

TEST(RecordLayout, GameStateListsNumberedFromOne)
{
    // Extra-club row k starts at 384 + 80 k; entry c at + 4 (c - 1); count k at 3988 + 4 (k - 1).
    EXPECT_EQ(FromImage<TGameState>(384 + 80 * 44 + 4 * 19, Int32Bytes(77)).ExtraClubRows[44][19], 77);
    EXPECT_EQ(FromImage<TGameState>(3988 + 4 * 43, Int32Bytes(3)).ExtraClubCounts[43], 3);
    EXPECT_TRUE(ExtraClubListPositionFits(44));
    EXPECT_FALSE(ExtraClubListPositionFits(45));
    EXPECT_FALSE(ExtraClubListPositionFits(0));
    // Group g place p at base + 16 (g - 1) + 4 (p - 1).
    EXPECT_EQ(FromImage<TGameState>(4692 + 16 * 7 + 4 * 3, Int32Bytes(9)).NationalGroups[7][3], 9);
    const int table = ContinentalGroupTable(6, 2);  // second cup, European edition: table D at 4548
    EXPECT_EQ(table, 3);
    EXPECT_EQ(FromImage<TGameState>(4548 + 16 * 2, Int32Bytes(4)).ContinentalGroups[table][2][0], 4);
    EXPECT_EQ(ContinentalGroupTable(4, 1), 0);
    EXPECT_EQ(ContinentalGroupTable(6, 1), 1);
    EXPECT_EQ(ContinentalGroupTable(4, 2), 2);
    EXPECT_EQ(ContinentalGroupTable(5, 1), -1);
    // Referees of match slot m: the second half of the list starts at 5292.
    EXPECT_EQ(FromImage<TGameState>(5292, Int32Bytes(12)).MatchReferees[6], 12);
}

TEST(RecordLayout, MoneyAndDatesReadTheirWholeWidth)
{
    const Currency cash = CurrencyFromUnits(3'000'000'000LL);
    std::vector<std::uint8_t> bytes(8);
    std::memcpy(bytes.data(), &cash, 8);
    EXPECT_EQ(FromImage<TClub>(72, bytes).cash, cash);
    const double date = 40000.5;
    std::memcpy(bytes.data(), &date, 8);
    EXPECT_EQ(FromImage<TPlayer>(112, bytes).ContractEnd, date);
    EXPECT_EQ(FromImage<TLoan>(8, bytes).endDate, date);
}

TEST(RecordLayout, NewRecordsAreAllZero)
{
    const TGameState state{};
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&state);
    for (std::size_t i = 0; i < sizeof(state); ++i) {
        ASSERT_EQ(bytes[i], 0) << "byte " << i;
    }
    TClub club;
    EXPECT_EQ(club.cash, 0);
    EXPECT_TRUE(club.name.empty());
}

TEST(RecordLayout, SeasonAccountSubtotals)
{
    TClubFinance f;
    f.ticketIncome = 2'000'000'000;
    f.playerSales = 2'000'000'000;
    f.bankLoan = 1;
    f.prizes = 2;
    f.sponsorship = 3;
    f.wagesPaid = 10;
    f.stadium = 20;
    f.playerPurchases = 30;
    f.loanInterest = 40;
    f.miscellaneous = 50;
    f.terminationShares = 60;
    f.weeklyWageBill = 999;  // a figure, not an account
    EXPECT_EQ(FinanceIncome(f), 4'000'000'006LL);
    EXPECT_EQ(FinanceExpenses(f), 210);
    EXPECT_EQ(FinanceBalance(f), 4'000'000'006LL - 210);
}

TEST(RecordLayout, DefaultTicketPricesByDivision)
{
    EXPECT_EQ(DefaultTicketPrices[0].sectors[3], 25);
    EXPECT_EQ(DefaultTicketPrices[1].sectors[0], 10);
    EXPECT_EQ(DefaultTicketPrices[1].sectors[3], 80);
    EXPECT_EQ(DefaultTicketPrices[4].sectors[3], 30);
}

TEST(RecordLayout, ClearingAShortStringEmptiesItsBytes)
{
    ShortString<5> text;
    text.set("abcde");
    text.clear();
    EXPECT_TRUE(text.empty());
    EXPECT_EQ(text.bytes[4], 0);
}
