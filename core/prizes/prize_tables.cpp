#include "core/prizes/prize_tables.h"

namespace tarvelon {

PrizePair DivisionPrize(int division, bool divisionsOf20)
{
    switch (division) {
    case 1: return {divisionsOf20 ? 7000000 : 5000000, 3500000};
    case 2: return {2500000, 2000000};
    case 3: return {1500000, 1000000};
    case 4: return {750000, 500000};
    default: return {};
    }
}

PrizePair CupFinalPrize(int kind, bool european)
{
    switch (kind) {
    case 2: return {4000000, 2000000};
    case 4: return european ? PrizePair{7000000, 4000000} : PrizePair{5000000, 3000000};
    case 5: return {5000000, 3000000};
    case 6: return {3000000, 1500000};
    default: return {};
    }
}

std::int64_t TopScorerPrize(int kind)
{
    switch (kind) {
    case 1: return 1500000;
    case 2: return 1000000;
    case 3: return 500000;
    default: return 0;
    }
}

PrizePair StateChampionshipPrize() { return {1000000, 500000}; }

}  // namespace tarvelon
