#pragma once
// A change by table place: the first band that holds the place gives the change; no band, no change.
#include <initializer_list>

namespace tarvelon {

struct PlaceBand {
    int first;
    int last;
    int change;
};

inline int ChangeByPlace(int place, std::initializer_list<PlaceBand> bands)
{
    for (const PlaceBand& band : bands)
        if (place >= band.first && place <= band.last)
            return band.change;
    return 0;
}

}  // namespace tarvelon
