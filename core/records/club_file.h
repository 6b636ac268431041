#pragma once
// The records of the two database files: the club file ("teams/" + name + ".tcf": int32 1, header,
// int32 1, squad) and the national-squad file ("teams/selecoes/" + id + ".nsx": int32 1, squad).
// Both are written by the team editor and read at new game, as raw images.
//
// Player slots are numbered 1..25 (club) and 1..28 (national squad) in the game; here slot p is
// element [p - 1] of each parallel array.
#include <cstdint>

#include "core/basics/color.h"
#include "core/basics/short_string.h"
#include "core/records/record_layout.h"

namespace tarvelon {

// Both files carry this value in their format byte when the editor has saved them; only such files
// are taken into a game.
inline constexpr std::uint8_t kDatabaseFormatValue = 10;
inline constexpr int kClubSquadSlots = 25;
inline constexpr int kNationalSquadSlots = 28;

#pragma pack(push, 1)

struct TClubHeader {
    std::uint8_t country{};              // 0..201
    std::uint8_t playable{};             // >= 1 goalkeeper and >= 11 outfield players (set on save)
    std::uint8_t formatValue{};          // 10
    std::uint8_t level{};                // 1..25 (a new game reads a level above 25 as 9)
    ShortString<25> shortName;           // the club's name in a game
    ShortString<25> fullName;
    ShortString<30> stadium;
    ShortString<25> fileName;            // without folder and extension
    ShortString<25> crestName;           // empty when none was chosen
    ShortString<25> coachName;
    std::uint8_t reserved165[3]{};
    TColor backColor{};
    TColor textColor{};
    std::uint8_t state{};                // 0..26
    std::uint8_t reserved177[3]{};
};

// The bytes of the header that the extra-club listing reads: country, playable, format value,
// level and short name lie in them.
inline constexpr int kClubHeaderListingBytes = 81;

struct TClubSquad {
    ShortString<35> names[kClubSquadSlots]; // empty or "nomeø" = free slot
    std::uint8_t star[kClubSquadSlots]{};
    std::uint8_t country[kClubSquadSlots]{}; // nationality
    std::uint8_t age[kClubSquadSlots]{};
    std::uint8_t position[kClubSquadSlots]{}; // 0..4
    std::uint8_t status[kClubSquadSlots]{};   // non-zero = regular starter
    std::uint8_t trait1[kClubSquadSlots]{};
    std::uint8_t trait2[kClubSquadSlots]{};
    std::uint8_t side[kClubSquadSlots]{};     // 0 right, 1 left
    std::uint8_t fileByte[kClubSquadSlots]{}; // carried unchanged to the player
};

struct TNationalSquad {
    std::int32_t country{};              // also the file's name
    std::int32_t confederation{};        // not taken from the file: a new game sets it
    ShortString<30> symbolName;
    ShortString<30> coach;
    std::uint8_t reserved70[2]{};
    std::int32_t level{};
    std::uint8_t playable{};             // >= 2 goalkeepers and >= 16 outfield players (set on save)
    std::uint8_t reserved77[3]{};
    TColor textColor{};
    TColor backColor{};
    std::int32_t playerCount{};          // at most 28
    ShortString<35> names[kNationalSquadSlots];
    std::int32_t age[kNationalSquadSlots]{};
    std::int32_t position[kNationalSquadSlots]{};
    std::int32_t status[kNationalSquadSlots]{}; // copied as stored into the player's regular field
    std::int32_t trait1[kNationalSquadSlots]{};
    std::int32_t trait2[kNationalSquadSlots]{};
    std::uint8_t star[kNationalSquadSlots]{};
    std::uint8_t formatValue{};          // 10
    std::uint8_t side[kNationalSquadSlots]{};
    std::uint8_t reserved1717[31]{};
};

#pragma pack(pop)

TARVELON_RECORD_SIZE(TClubHeader, 180);
TARVELON_FIELD_AT(TClubHeader, country, 0);
TARVELON_FIELD_AT(TClubHeader, playable, 1);
TARVELON_FIELD_AT(TClubHeader, formatValue, 2);
TARVELON_FIELD_AT(TClubHeader, level, 3);
TARVELON_FIELD_AT(TClubHeader, shortName, 4);
TARVELON_FIELD_AT(TClubHeader, fullName, 30);
TARVELON_FIELD_AT(TClubHeader, stadium, 56);
TARVELON_FIELD_AT(TClubHeader, fileName, 87);
TARVELON_FIELD_AT(TClubHeader, crestName, 113);
TARVELON_FIELD_AT(TClubHeader, coachName, 139);
TARVELON_FIELD_AT(TClubHeader, reserved165, 165);
TARVELON_FIELD_AT(TClubHeader, backColor, 168);
TARVELON_FIELD_AT(TClubHeader, textColor, 172);
TARVELON_FIELD_AT(TClubHeader, state, 176);
TARVELON_FIELD_AT(TClubHeader, reserved177, 177);
static_assert(offsetof(TClubHeader, shortName) + sizeof(TClubHeader::shortName) <= kClubHeaderListingBytes);

// Slot p (1-based) of each array stands at the base offset + p.
TARVELON_RECORD_SIZE(TClubSquad, 1125);
TARVELON_FIELD_AT(TClubSquad, names, 0);
TARVELON_FIELD_AT(TClubSquad, star, 899 + 1);
TARVELON_FIELD_AT(TClubSquad, country, 924 + 1);
TARVELON_FIELD_AT(TClubSquad, age, 949 + 1);
TARVELON_FIELD_AT(TClubSquad, position, 974 + 1);
TARVELON_FIELD_AT(TClubSquad, status, 999 + 1);
TARVELON_FIELD_AT(TClubSquad, trait1, 1024 + 1);
TARVELON_FIELD_AT(TClubSquad, trait2, 1049 + 1);
TARVELON_FIELD_AT(TClubSquad, side, 1074 + 1);
TARVELON_FIELD_AT(TClubSquad, fileByte, 1099 + 1);

TARVELON_RECORD_SIZE(TNationalSquad, 1748);
TARVELON_FIELD_AT(TNationalSquad, country, 0);
TARVELON_FIELD_AT(TNationalSquad, confederation, 4);
TARVELON_FIELD_AT(TNationalSquad, symbolName, 8);
TARVELON_FIELD_AT(TNationalSquad, coach, 39);
TARVELON_FIELD_AT(TNationalSquad, reserved70, 70);
TARVELON_FIELD_AT(TNationalSquad, level, 72);
TARVELON_FIELD_AT(TNationalSquad, playable, 76);
TARVELON_FIELD_AT(TNationalSquad, reserved77, 77);
TARVELON_FIELD_AT(TNationalSquad, textColor, 80);
TARVELON_FIELD_AT(TNationalSquad, backColor, 84);
TARVELON_FIELD_AT(TNationalSquad, playerCount, 88);
TARVELON_FIELD_AT(TNationalSquad, names, 56 + 36 * 1);
TARVELON_FIELD_AT(TNationalSquad, age, 1096 + 4 * 1);
TARVELON_FIELD_AT(TNationalSquad, position, 1208 + 4 * 1);
TARVELON_FIELD_AT(TNationalSquad, status, 1320 + 4 * 1);
TARVELON_FIELD_AT(TNationalSquad, trait1, 1432 + 4 * 1);
TARVELON_FIELD_AT(TNationalSquad, trait2, 1544 + 4 * 1);
TARVELON_FIELD_AT(TNationalSquad, star, 1659 + 1);
TARVELON_FIELD_AT(TNationalSquad, formatValue, 1688);
TARVELON_FIELD_AT(TNationalSquad, side, 1688 + 1);
TARVELON_FIELD_AT(TNationalSquad, reserved1717, 1717);

}  // namespace tarvelon
