#pragma once
// The season's top scorer of a competition.
#include <cstdint>
#include <vector>

namespace tarvelon {

#pragma pack(push, 1)
struct TTopScorerRow {
    std::int32_t player;
    std::int32_t goals;        // this season in the competition
    std::int32_t secondTally;  // goals of his first all-time tally, the tie-break
    std::int32_t club;
};
#pragma pack(pop)

extern std::vector<TTopScorerRow> TopScorerList;

// The goals of the player's first all-time tally (of any competition): the tie-break of the award.
int FirstAllTimeGoals(int player);

// More goals first; equal goals by the lower second tally.
int CompareTopScorerRows(const void* a, const void* b);

// Ranks the competition's scorers, records the best in Scorers and pays the league's and the national
// cup's prize (the league's top scorer also becomes a star).
void AwardTopScorer(int kind, int region, int division, int keyA, int keyB);

}  // namespace tarvelon
