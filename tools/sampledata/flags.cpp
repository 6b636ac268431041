#include "tools/sampledata/flags.h"

#include <cstdlib>
#include <vector>

#include "core/basics/color.h"
#include "tools/sampledata/club_catalogue.h"

namespace tarvelon::sampledata {

// The flag's first colour, and for text the colour of the flag farthest from it in brightness
// (black or white when none stands out enough, or when it does not read on the first colour).
std::pair<int, int> FlagColours(int country)
{
    const std::vector<int> colors = art::CountryFlagColours(country);
    const int back = colors.front();
    int text = colors.front();
    for (const int color : colors) {
        if (std::abs(Brightness(color) - Brightness(back)) > std::abs(Brightness(text) - Brightness(back))) {
            text = color;
        }
    }
    if (std::abs(Brightness(text) - Brightness(back)) < 90) {
        text = Brightness(back) > 128 ? RgbColor(20, 20, 20) : RgbColor(255, 255, 255);
    }
    return {back, LegibleTextColour(back, text)};
}

}  // namespace tarvelon::sampledata
