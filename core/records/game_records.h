#pragma once
// The smaller saved tables of a game: leagues, coaches, national teams, season accounts, ticket
// prices, transfer history, loans, inbox, stadium works, stored line-ups, coach hirings, national
// call-ups and state championship results. All are stored raw in saved games.
#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

#include "core/basics/datetime.h"
#include "core/basics/short_string.h"
#include "core/records/club.h"
#include "core/records/record_layout.h"

namespace tarvelon {

inline constexpr int kDivisions = 4;
inline constexpr int kClubsPerDivision = 20;

#pragma pack(push, 1)

// One played league (one per played country; country 202 in a custom championship).
// Division d (1..4), slot s (1..20) at [d-1][s-1].
struct TLeague {
    std::int32_t divisions[kDivisions][kClubsPerDivision]{};
    std::int32_t country{};
    std::int32_t divisionCount{};        // a regional fourth division caps it at 3 at new game
    std::int32_t clubCount{};
    std::uint8_t humanPresent{};         // a human club plays in this league
    std::uint8_t reserved333[3]{};
    std::int32_t finalOrder[kDivisions][kClubsPerDivision]{}; // divisions in final table order
    std::uint8_t shown{};
    std::uint8_t reserved657[3]{};
};

// A coach. An entry with an empty name is free. At new game coach i belongs to club i, and six
// spare entries follow for the human coaches.
struct TCoach {
    ShortString<25> name;
    std::uint8_t reserved26[2]{};
    std::int32_t club{};                 // -1 none
    std::int32_t lastClub{};
    std::int32_t division{};             // division of his club (the one he wants when jobless)
    std::int32_t nationalRankingPoints{};
    std::int32_t worldRankingPoints{};
    std::uint8_t OfferPending{};         // cleared before a job-offer screen
    std::uint8_t human{};
    std::uint8_t reserved50[6]{};
    std::uint8_t nationalTeamCoach{};    // set while he coaches a national team
    std::uint8_t reserved57[3]{};
    std::int32_t country{};
    std::int32_t active{};
    std::int32_t hireCounter{};          // set to 5 when a club hires him
    std::int32_t titles[kClubCompetitionKinds]{}; // league, national cup, state, first continental, club world cup, second continental
    std::uint8_t reserved96[12]{};
    std::int32_t divisionTitles[kDivisions]{};    // league titles won in divisions 1..4, [d-1]
    std::uint8_t reserved124[4]{};
};

// A national team in play (one per loaded national squad).
struct TNationalTeam {
    std::int32_t country{};              // the squad file's id
    std::int32_t confederation{};        // 0..5
    ShortString<30> coachName;
    std::uint8_t reserved39[1]{};
    std::int32_t level{};                // 1..25
    std::int32_t clubEntry{};            // its Clubs entry
};

// The season's accounts of a club, parallel to Clubs, in whole money units. Everything but the
// bank loan is zeroed at each season rollover, which notes the loan the new season starts with.
struct TClubFinance {
    std::int32_t loanAtSeasonStart{};    // the bank loan brought from the seasons before
    std::int32_t weeklyWageBill{};       // "Salário semanal:"
    std::int32_t wagesPaid{};            // "Salários...............:" (expense)
    std::uint8_t reserved12[4]{};
    std::int32_t ticketIncome{};         // "Ingressos...........:"
    std::int32_t stadium{};              // "Estádio................:" (expense)
    std::int32_t playerSales{};          // "Venda jogadores:"
    std::int32_t playerPurchases{};      // "Compra jogadores:" (expense)
    std::int32_t bankLoan{};             // "Empréstimo........:"
    std::int32_t prizes{};               // "Prêmios..............:"
    std::int32_t loanInterest{};         // "Juros empréstimo:" (expense)
    std::int32_t sponsorship{};          // "Patrocínio.........:"
    std::int32_t miscellaneous{};        // "Diversos.............:" (expense)
    std::int32_t terminationShares{};    // "Multa rescisão....:" (expense, share paid on sales)
};

// Ticket prices of the four stadium sectors for one division level (0..4), whole money units.
// The table itself is `TicketPrices` (core/tables.h), five of these rows.
struct TTicketPriceRow {
    std::int32_t sectors[kStadiumSectors]{};
};

// One transfer of the history (a loan is a transfer with fee 0).
struct TTransfer {
    std::int32_t player{};
    std::uint8_t reserved4[4]{};
    TDateTime date{};
    std::int32_t clubLeft{};
    std::int32_t clubJoined{};
    std::int32_t fee{};                  // whole money units
    std::uint8_t reserved28[4]{};
};

// A loan. A closed loan keeps its row with player -1; Loans never shrinks.
struct TLoan {
    std::int32_t player{};               // -1 = closed
    std::uint8_t reserved4[4]{};
    TDateTime endDate{};
    std::int32_t ownerClub{};
    std::uint8_t reserved20[4]{};
};

// How many message texts and subjects the inbox has (ids 1..74 and 1..19).
inline constexpr int kMailTextCount = 74;
inline constexpr int kMailSubjectCount = 19;

// An inbox message: text ids, not texts.
struct TMailMessage {
    std::int32_t recipientClub{};        // -1 = withdrawn
    std::uint8_t reserved4[4]{};
    TDateTime date{};
    std::int32_t bodyTextId{};
    std::int32_t sender{};               // 1..5
    std::int32_t subjectId{};
    std::int32_t player{};
    std::int32_t clubOrSecondPlayer{};
    std::int32_t amount{};
    std::uint8_t read{};
    std::uint8_t answerPending{};
    std::uint8_t reserved42[6]{};
};

// A stadium expansion under way.
struct TStadiumWork {
    std::int32_t club{};
    std::uint8_t reserved4[4]{};
    TDateTime endDate{};
    std::int32_t seatsAdded[kStadiumSectors]{};
    std::uint8_t inProgress{};
    std::uint8_t reserved33[7]{};
};

// A club's stored line-up (at most one per club).
struct TTacticsPreset {
    std::int32_t club{};
    std::int32_t pitchSlots[11]{};       // pitch slot 1..25 of starting place p at [p-1]; 0 none stored
    std::int32_t players[18]{};          // player of place p at [p-1]: 1..11 starters, 12..18 bench; 0 empty
};

// One hiring of a coach by a club.
struct TCoachHiring {
    std::int32_t coach{};
    std::int32_t season{};
    std::int32_t club{};
};

// A player called up to a national team during a tournament, with the club he returns to.
struct TCallUp {
    std::int32_t player{};
    std::int32_t club{};
};

// A club of a state championship group that plays in no national division, kept when the state
// championships end (for the regional fourth division).
struct TStateResult {
    std::int32_t club{};
    std::int32_t state{};
    std::int32_t place{};                // place in its group
    std::int32_t tier{};                 // the group (tier) it played in
    std::int32_t points{};
    std::int32_t goalsFor{};
    std::uint8_t human{};
    std::uint8_t reserved25[3]{};
};

#pragma pack(pop)

// The names some screens use for the hiring records.
using TCoachHire = TCoachHiring;

TARVELON_RECORD_SIZE(TLeague, 660);
TARVELON_FIELD_AT(TLeague, divisions, 0);
TARVELON_FIELD_AT(TLeague, country, 320);
TARVELON_FIELD_AT(TLeague, divisionCount, 324);
TARVELON_FIELD_AT(TLeague, clubCount, 328);
TARVELON_FIELD_AT(TLeague, humanPresent, 332);
TARVELON_FIELD_AT(TLeague, reserved333, 333);
TARVELON_FIELD_AT(TLeague, finalOrder, 336);
TARVELON_FIELD_AT(TLeague, shown, 656);
TARVELON_FIELD_AT(TLeague, reserved657, 657);

TARVELON_RECORD_SIZE(TCoach, 128);
TARVELON_FIELD_AT(TCoach, name, 0);
TARVELON_FIELD_AT(TCoach, reserved26, 26);
TARVELON_FIELD_AT(TCoach, club, 28);
TARVELON_FIELD_AT(TCoach, lastClub, 32);
TARVELON_FIELD_AT(TCoach, division, 36);
TARVELON_FIELD_AT(TCoach, nationalRankingPoints, 40);
TARVELON_FIELD_AT(TCoach, worldRankingPoints, 44);
TARVELON_FIELD_AT(TCoach, OfferPending, 48);
TARVELON_FIELD_AT(TCoach, human, 49);
TARVELON_FIELD_AT(TCoach, reserved50, 50);
TARVELON_FIELD_AT(TCoach, nationalTeamCoach, 56);
TARVELON_FIELD_AT(TCoach, reserved57, 57);
TARVELON_FIELD_AT(TCoach, country, 60);
TARVELON_FIELD_AT(TCoach, active, 64);
TARVELON_FIELD_AT(TCoach, hireCounter, 68);
TARVELON_FIELD_AT(TCoach, titles, 72);
TARVELON_FIELD_AT(TCoach, reserved96, 96);
TARVELON_FIELD_AT(TCoach, divisionTitles, 108);
TARVELON_FIELD_AT(TCoach, reserved124, 124);

TARVELON_RECORD_SIZE(TNationalTeam, 48);
TARVELON_FIELD_AT(TNationalTeam, country, 0);
TARVELON_FIELD_AT(TNationalTeam, confederation, 4);
TARVELON_FIELD_AT(TNationalTeam, coachName, 8);
TARVELON_FIELD_AT(TNationalTeam, reserved39, 39);
TARVELON_FIELD_AT(TNationalTeam, level, 40);
TARVELON_FIELD_AT(TNationalTeam, clubEntry, 44);

TARVELON_RECORD_SIZE(TClubFinance, 56);
TARVELON_FIELD_AT(TClubFinance, loanAtSeasonStart, 0);
TARVELON_FIELD_AT(TClubFinance, weeklyWageBill, 4);
TARVELON_FIELD_AT(TClubFinance, wagesPaid, 8);
TARVELON_FIELD_AT(TClubFinance, reserved12, 12);
TARVELON_FIELD_AT(TClubFinance, ticketIncome, 16);
TARVELON_FIELD_AT(TClubFinance, stadium, 20);
TARVELON_FIELD_AT(TClubFinance, playerSales, 24);
TARVELON_FIELD_AT(TClubFinance, playerPurchases, 28);
TARVELON_FIELD_AT(TClubFinance, bankLoan, 32);
TARVELON_FIELD_AT(TClubFinance, prizes, 36);
TARVELON_FIELD_AT(TClubFinance, loanInterest, 40);
TARVELON_FIELD_AT(TClubFinance, sponsorship, 44);
TARVELON_FIELD_AT(TClubFinance, miscellaneous, 48);
TARVELON_FIELD_AT(TClubFinance, terminationShares, 52);

TARVELON_RECORD_SIZE(TTicketPriceRow, 16);
TARVELON_FIELD_AT(TTicketPriceRow, sectors, 0);

TARVELON_RECORD_SIZE(TTransfer, 32);
TARVELON_FIELD_AT(TTransfer, player, 0);
TARVELON_FIELD_AT(TTransfer, reserved4, 4);
TARVELON_FIELD_AT(TTransfer, date, 8);
TARVELON_FIELD_AT(TTransfer, clubLeft, 16);
TARVELON_FIELD_AT(TTransfer, clubJoined, 20);
TARVELON_FIELD_AT(TTransfer, fee, 24);
TARVELON_FIELD_AT(TTransfer, reserved28, 28);

TARVELON_RECORD_SIZE(TLoan, 24);
TARVELON_FIELD_AT(TLoan, player, 0);
TARVELON_FIELD_AT(TLoan, reserved4, 4);
TARVELON_FIELD_AT(TLoan, endDate, 8);
TARVELON_FIELD_AT(TLoan, ownerClub, 16);
TARVELON_FIELD_AT(TLoan, reserved20, 20);

TARVELON_RECORD_SIZE(TMailMessage, 48);
TARVELON_FIELD_AT(TMailMessage, recipientClub, 0);
TARVELON_FIELD_AT(TMailMessage, reserved4, 4);
TARVELON_FIELD_AT(TMailMessage, date, 8);
TARVELON_FIELD_AT(TMailMessage, bodyTextId, 16);
TARVELON_FIELD_AT(TMailMessage, sender, 20);
TARVELON_FIELD_AT(TMailMessage, subjectId, 24);
TARVELON_FIELD_AT(TMailMessage, player, 28);
TARVELON_FIELD_AT(TMailMessage, clubOrSecondPlayer, 32);
TARVELON_FIELD_AT(TMailMessage, amount, 36);
TARVELON_FIELD_AT(TMailMessage, read, 40);
TARVELON_FIELD_AT(TMailMessage, answerPending, 41);
TARVELON_FIELD_AT(TMailMessage, reserved42, 42);

TARVELON_RECORD_SIZE(TStadiumWork, 40);
TARVELON_FIELD_AT(TStadiumWork, club, 0);
TARVELON_FIELD_AT(TStadiumWork, reserved4, 4);
TARVELON_FIELD_AT(TStadiumWork, endDate, 8);
TARVELON_FIELD_AT(TStadiumWork, seatsAdded, 16);
TARVELON_FIELD_AT(TStadiumWork, inProgress, 32);
TARVELON_FIELD_AT(TStadiumWork, reserved33, 33);

TARVELON_RECORD_SIZE(TTacticsPreset, 120);
TARVELON_FIELD_AT(TTacticsPreset, club, 0);
TARVELON_FIELD_AT(TTacticsPreset, pitchSlots, 4);
TARVELON_FIELD_AT(TTacticsPreset, players, 48);

TARVELON_RECORD_SIZE(TCoachHiring, 12);
TARVELON_FIELD_AT(TCoachHiring, coach, 0);
TARVELON_FIELD_AT(TCoachHiring, season, 4);
TARVELON_FIELD_AT(TCoachHiring, club, 8);

TARVELON_RECORD_SIZE(TCallUp, 8);
TARVELON_FIELD_AT(TCallUp, player, 0);
TARVELON_FIELD_AT(TCallUp, club, 4);

TARVELON_RECORD_SIZE(TStateResult, 28);
TARVELON_FIELD_AT(TStateResult, club, 0);
TARVELON_FIELD_AT(TStateResult, state, 4);
TARVELON_FIELD_AT(TStateResult, place, 8);
TARVELON_FIELD_AT(TStateResult, tier, 12);
TARVELON_FIELD_AT(TStateResult, points, 16);
TARVELON_FIELD_AT(TStateResult, goalsFor, 20);
TARVELON_FIELD_AT(TStateResult, human, 24);
TARVELON_FIELD_AT(TStateResult, reserved25, 25);

// The reference ticket prices copied into `TicketPrices` at new game, division level 0..4.
inline constexpr int kTicketPriceRows = 5;
inline constexpr std::array<TTicketPriceRow, kTicketPriceRows> DefaultTicketPrices{{
    {{3, 12, 15, 25}},
    {{10, 15, 25, 80}},
    {{7, 13, 20, 70}},
    {{5, 12, 17, 40}},
    {{3, 12, 15, 30}},
}};

// Season account subtotals, in whole money units (64 bits: the sums of 32-bit accounts may pass 2^31).
// The season's borrowing, the accounts' "Empréstimo" line: the bank loan less what was owed when
// the season began (negative when more was repaid than borrowed), so that the balance is the
// season's change of cash.
inline std::int64_t SeasonBorrowing(const TClubFinance& finance)
{
    return std::int64_t{finance.bankLoan} - finance.loanAtSeasonStart;
}
std::int64_t FinanceIncome(const TClubFinance& finance);
std::int64_t FinanceExpenses(const TClubFinance& finance);
inline std::int64_t FinanceBalance(const TClubFinance& finance) { return FinanceIncome(finance) - FinanceExpenses(finance); }

// A whole-unit amount kept in a 32-bit field of a saved record (a season account, the weekly wage
// bill, a transfer's fee, a match's gate, a message's amount): the rules reckon in 64 bits, and the
// field holds the amount at its range's end instead of wrapping round. A field at either end may
// stand for more than it holds (HeldAtItsLimit).
inline std::int32_t HeldIn32Bits(std::int64_t amount)
{
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(amount, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

inline bool HeldAtItsLimit(std::int32_t field)
{
    return field == std::numeric_limits<std::int32_t>::min() || field == std::numeric_limits<std::int32_t>::max();
}

// A 32-bit season account moved by a whole-unit amount, summed in 64 bits and held in its field: a
// loaded account may hold any 32-bit number, since the game itself stops at those limits, so no range
// is kept for it and every addition goes through here.
inline void AddToAccount(std::int32_t& account, std::int64_t amount)
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(std::int64_t{account}, amount, &sum))
        sum = amount;  // past 64 bits only with an amount far beyond the field: its side is the answer
    account = HeldIn32Bits(sum);
}

}  // namespace tarvelon
