#include "core/vocab/tactics_board.h"

namespace tarvelon {

const RangeArray<const char*, 1, FormationCount> FormationNames = {{
    "5-4-1", "5-3-2", "4-5-1", "4-4-2", "4-4-2", "4-4-2", "4-3-3", "4-3-3", "3-5-2", "3-4-3",
}};

const RangeArray<FormationPlaces, 1, FormationCount> FormationSlots = {{{
    {{1, 20, 11, 13, 14, 16, 2, 9, 6, 4, 8}},  // "5-4-1"
    {{1, 22, 24, 12, 14, 16, 2, 9, 6, 4, 8}},  // "5-3-2"
    {{1, 23, 11, 13, 15, 2, 9, 6, 8, 10, 17}},  // "4-5-1"
    {{1, 22, 24, 11, 13, 14, 16, 2, 9, 6, 8}},  // "4-4-2"
    {{1, 19, 21, 11, 12, 13, 15, 2, 9, 6, 8}},  // "4-4-2"
    {{1, 22, 24, 12, 14, 15, 16, 2, 9, 6, 8}},  // "4-4-2"
    {{1, 22, 23, 24, 12, 14, 16, 2, 9, 6, 8}},  // "4-3-3"
    {{1, 19, 20, 21, 11, 13, 15, 2, 9, 6, 8}},  // "4-3-3"
    {{1, 22, 24, 11, 13, 15, 4, 6, 8, 10, 17}},  // "3-5-2"
    {{1, 18, 25, 23, 11, 13, 4, 6, 8, 10, 17}},  // "3-4-3"
}}};

const RangeArray<const char*, 1, PitchSlotCount> PitchSlotLetters = {{
    "G", "L", "Z", "Z", "Z", "Z", "Z", "Z", "L",  // 1..9
    "M", "M", "M", "M", "M", "M", "M", "M", "A",  // 10..18
    "A", "A", "A", "A", "A", "A", "A",  // 19..25
}};

const RangeArray<int, 1, PitchSlotCount> PitchSlotX = {{
    165, 25, 98, 165, 237, 98, 165, 237, 305,  // 1..9
    25, 98, 165, 237, 98, 165, 237, 305, 25,  // 10..18
    98, 165, 237, 98, 165, 237, 305,  // 19..25
}};

const RangeArray<int, 1, PitchSlotCount> PitchSlotY = {{
    535, 402, 475, 475, 475, 415, 415, 415, 402,  // 1..9
    275, 320, 320, 320, 230, 230, 230, 275, 100,  // 10..18
    140, 140, 140, 60, 60, 60, 100,  // 19..25
}};

const RangeArray<SlotRole, 1, PitchSlotCount> PitchSlotRoles = {{{
    {0, -1, -1}, {1, 1, -1}, {2, 1, -1}, {2, -1, -1}, {2, 0, -1},  // 1..5
    {2, 1, -1}, {2, -1, -1}, {2, 0, -1}, {1, 0, -1}, {1, 1, 1},  // 6..10
    {3, 1, 0}, {3, -1, 0}, {3, 0, 0}, {3, 1, 1}, {3, -1, 1},  // 11..15
    {3, 0, 1}, {1, 1, 0}, {4, 1, 2}, {4, 1, -1}, {4, -1, -1},  // 16..20
    {4, 0, -1}, {4, 1, -1}, {4, -1, -1}, {4, 0, -1}, {4, 0, 2},  // 21..25
}}};

const RangeArray<int, 1, PitchSlotCount> PitchSlotCodes = {{
    -1, -1, -1, 3, 6, -1, 2, 3, -1,  // 1..9
    2, -1, -1, 2, 1, -1, 2, 3, -1,  // 10..18
    2, -1, -1, 2, 1, -1, 1,  // 19..25
}};

const std::array<int, BenchSlotCount> BenchSlotY = {56, 117, 186, 247, 308, 369, 430};

const RangeArray<SlotRole, 1, BenchSlotCount> BenchSlotRoles = {{{
    {0, -1, 12}, {1, -1, 12}, {2, -1, 12}, {3, -1, 12}, {3, -1, 12}, {4, -1, 12}, {4, -1, 12},
}}};

const std::array<const char*, 9> TacticNames = {
    "Jogo equilibrado", "Ataque total", "Contra-ataque", "Pelo meio", "Pelas laterais",
    "",
    "Leve", "Pesada", "Muito Pesada",
};

}  // namespace tarvelon
