#pragma once
// Appearance records: one per starter and one per substitution of every archived match, each with the
// player's match rating (0 to 10 in half points). Saved raw with the game.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarvelon {

#pragma pack(push, 1)

// A starter's appearance.
struct TAppearance {
    std::int32_t report;  // index into MatchReports
    std::int32_t player;
    std::int32_t pitchSlot;  // of his starter place
    float rating;
    std::uint8_t onPitchAtEnd;
    std::uint8_t reserved[3];
    std::int32_t club;
    std::int32_t cardGrade;  // 3 second yellow and red, 2 red, 1 yellow, 0 none
    std::int32_t injuries;
};
static_assert(sizeof(TAppearance) == 32);
static_assert(offsetof(TAppearance, report) == 0);
static_assert(offsetof(TAppearance, player) == 4);
static_assert(offsetof(TAppearance, pitchSlot) == 8);
static_assert(offsetof(TAppearance, rating) == 12);
static_assert(offsetof(TAppearance, onPitchAtEnd) == 16);
static_assert(offsetof(TAppearance, reserved) == 17);
static_assert(offsetof(TAppearance, club) == 20);
static_assert(offsetof(TAppearance, cardGrade) == 24);
static_assert(offsetof(TAppearance, injuries) == 28);

// One substitution (or injury substitution) and the rating of the player taken off.
struct TSubAppearance {
    std::int32_t player;  // the player taken off
    std::int32_t second;  // the player brought on
    std::int32_t tick;
    float rating;         // of the player brought on
    std::int32_t report;
    std::int32_t club;
    std::int32_t cardGrade;
    std::int32_t injuries;
};
static_assert(sizeof(TSubAppearance) == 32);
static_assert(offsetof(TSubAppearance, player) == 0);
static_assert(offsetof(TSubAppearance, second) == 4);
static_assert(offsetof(TSubAppearance, tick) == 8);
static_assert(offsetof(TSubAppearance, rating) == 12);
static_assert(offsetof(TSubAppearance, report) == 16);
static_assert(offsetof(TSubAppearance, club) == 20);
static_assert(offsetof(TSubAppearance, cardGrade) == 24);
static_assert(offsetof(TSubAppearance, injuries) == 28);

#pragma pack(pop)

extern std::vector<TAppearance> Appearances;
extern std::vector<TSubAppearance> SubAppearances;

}  // namespace tarvelon
