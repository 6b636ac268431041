#pragma once
// A player of the game. `Players` element 0 holds no player (its club is -1); a player whose club is
// negative belongs to no club. Stored raw in saved games: every field stands at a fixed offset.
// Per-competition arrays are indexed by the competition kind (0 friendlies .. 9 Eurocopa).
#include <cstdint>

#include "core/basics/currency.h"
#include "core/basics/datetime.h"
#include "core/basics/short_string.h"
#include "core/records/club.h"
#include "core/records/record_layout.h"

namespace tarvelon {

#pragma pack(push, 1)
struct TPlayer {
    ShortString<20> Name;
    std::uint8_t Star{};
    std::uint8_t reserved22[2]{};
    std::int32_t Age{};                 // 16..70
    std::int32_t nationality{};         // country id
    std::int32_t Club{};                // club index; negative = no club
    std::int32_t Position{};            // 0 goalkeeper, 1 full back, 2 centre back, 3 midfielder, 4 forward
    std::int32_t Strength{};            // 1..100
    std::int32_t Side{};                // 0 right, 1 left
    std::int32_t fileByte{};            // last per-player byte of the club file, carried unchanged
    std::uint8_t reserved52[4]{};
    Currency wage{};                    // weekly
    Currency Value{};                   // market value
    Currency AskingPrice{};             // when listed for sale
    // 1 = regular starter (the club file's status); the line-up screen keeps here
    // 0 not in the line-up, 1 starter, 2 substitute.
    std::int32_t LineupStatus{};
    std::int32_t ShirtNumber{};         // 0 none, 1..28; the roster's status image follows it
    std::int32_t Role{};                // tactical role: index into the role names of his position
    std::int32_t Trait1{};              // 0..13
    std::int32_t Trait2{};              // 0..13
    std::uint8_t reserved100[4]{};
    TDateTime InjuredUntil{};
    TDateTime ContractEnd{};
    std::int32_t Energy{};              // 1..100
    std::uint8_t PlayedThisRound{};     // put in a starting place or came on; read and cleared by recovery
    std::uint8_t ListedForSale{};
    std::uint8_t reserved126[2]{};
    float DevelopmentAccumulator{};     // fraction of a strength point carried between rounds
    std::uint8_t youthFlag{};
    std::uint8_t BlockedThisRound{};    // cannot play this round; cleared after each round
    std::uint8_t OnPitch{};
    std::uint8_t CameOn{};              // came on as a substitute
    std::int32_t MatchFlag{};           // cleared with the on-pitch flag after every matchday
    std::int32_t YellowCards[kCompetitionKinds]{};
    std::int32_t Bans[kCompetitionKinds]{}; // matches still banned
    std::int32_t Morale{};              // 1..3
    std::int32_t playingTimeCounter{};
    std::uint8_t complained{};          // complained about his playing time
    std::uint8_t reserved229[3]{};
    std::int32_t contractTalk{};
    std::uint8_t contractFlag{};        // a new contract raises his morale by one, then cleared
    std::uint8_t TiredWarning{};        // sent into a match while exhausted
    std::uint8_t reserved238[2]{};
    std::int32_t moraleCountdown{};     // rounds until a morale dropped by an incident rises again
    std::int32_t contractWarning{};     // 0..2: stage of the warnings that his contract runs out
    std::int32_t loanStatus{};          // 0 none, 1 offered for loan, 2 on loan
    std::int32_t careerGoals{};
    std::int32_t careerCards{};
    std::int32_t careerGames{};
};
#pragma pack(pop)

TARVELON_RECORD_SIZE(TPlayer, 264);
TARVELON_FIELD_AT(TPlayer, Name, 0);
TARVELON_FIELD_AT(TPlayer, Star, 21);
TARVELON_FIELD_AT(TPlayer, reserved22, 22);
TARVELON_FIELD_AT(TPlayer, Age, 24);
TARVELON_FIELD_AT(TPlayer, nationality, 28);
TARVELON_FIELD_AT(TPlayer, Club, 32);
TARVELON_FIELD_AT(TPlayer, Position, 36);
TARVELON_FIELD_AT(TPlayer, Strength, 40);
TARVELON_FIELD_AT(TPlayer, Side, 44);
TARVELON_FIELD_AT(TPlayer, fileByte, 48);
TARVELON_FIELD_AT(TPlayer, reserved52, 52);
TARVELON_FIELD_AT(TPlayer, wage, 56);
TARVELON_FIELD_AT(TPlayer, Value, 64);
TARVELON_FIELD_AT(TPlayer, AskingPrice, 72);
TARVELON_FIELD_AT(TPlayer, LineupStatus, 80);
TARVELON_FIELD_AT(TPlayer, ShirtNumber, 84);
TARVELON_FIELD_AT(TPlayer, Role, 88);
TARVELON_FIELD_AT(TPlayer, Trait1, 92);
TARVELON_FIELD_AT(TPlayer, Trait2, 96);
TARVELON_FIELD_AT(TPlayer, reserved100, 100);
TARVELON_FIELD_AT(TPlayer, InjuredUntil, 104);
TARVELON_FIELD_AT(TPlayer, ContractEnd, 112);
TARVELON_FIELD_AT(TPlayer, Energy, 120);
TARVELON_FIELD_AT(TPlayer, PlayedThisRound, 124);
TARVELON_FIELD_AT(TPlayer, ListedForSale, 125);
TARVELON_FIELD_AT(TPlayer, reserved126, 126);
TARVELON_FIELD_AT(TPlayer, DevelopmentAccumulator, 128);
TARVELON_FIELD_AT(TPlayer, youthFlag, 132);
TARVELON_FIELD_AT(TPlayer, BlockedThisRound, 133);
TARVELON_FIELD_AT(TPlayer, OnPitch, 134);
TARVELON_FIELD_AT(TPlayer, CameOn, 135);
TARVELON_FIELD_AT(TPlayer, MatchFlag, 136);
TARVELON_FIELD_AT(TPlayer, YellowCards, 140);
TARVELON_FIELD_AT(TPlayer, Bans, 180);
TARVELON_FIELD_AT(TPlayer, Morale, 220);
TARVELON_FIELD_AT(TPlayer, playingTimeCounter, 224);
TARVELON_FIELD_AT(TPlayer, complained, 228);
TARVELON_FIELD_AT(TPlayer, reserved229, 229);
TARVELON_FIELD_AT(TPlayer, contractTalk, 232);
TARVELON_FIELD_AT(TPlayer, contractFlag, 236);
TARVELON_FIELD_AT(TPlayer, TiredWarning, 237);
TARVELON_FIELD_AT(TPlayer, reserved238, 238);
TARVELON_FIELD_AT(TPlayer, moraleCountdown, 240);
TARVELON_FIELD_AT(TPlayer, contractWarning, 244);
TARVELON_FIELD_AT(TPlayer, loanStatus, 248);
TARVELON_FIELD_AT(TPlayer, careerGoals, 252);
TARVELON_FIELD_AT(TPlayer, careerCards, 256);
TARVELON_FIELD_AT(TPlayer, careerGames, 260);

}  // namespace tarvelon
