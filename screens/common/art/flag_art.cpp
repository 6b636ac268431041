#include "screens/common/art/flag_art.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "core/basics/color.h"

namespace tarvelon::art {

namespace {

enum class Shape { Disc, Diamond, NordicCross, Cross, Saltire, Canton, Triangle };

struct Emblem {
    Shape shape;
    int color;
    double a = 0, b = 0, c = 0;  // disc: centre u, v, radius; diamond: centre u, half-widths;
                                 // crosses: bar position u, thickness; canton: width, height;
                                 // triangle: depth
};

struct FlagDesign {
    bool vertical;
    std::vector<int> stripes;
    std::vector<Emblem> emblems;
};

constexpr int White = RgbColor(255, 255, 255);
constexpr int Black = RgbColor(20, 20, 20);
constexpr int Red = RgbColor(206, 17, 38);
constexpr int Blue = RgbColor(0, 56, 168);
constexpr int Navy = RgbColor(0, 33, 105);
constexpr int Green = RgbColor(0, 122, 61);
constexpr int Yellow = RgbColor(252, 209, 22);
constexpr int Sky = RgbColor(116, 172, 223);
constexpr int Orange = RgbColor(247, 127, 0);

Emblem Disc(int color, double u, double v, double radius) { return {Shape::Disc, color, u, v, radius}; }

const std::map<int, FlagDesign> kCountryFlags = {
    {1, {false, {Red, Green, Blue}, {{Shape::Triangle, Black, 0.3}}}},
    {3, {false, {Black, RgbColor(221, 0, 0), RgbColor(255, 206, 0)}, {}}},
    {9, {false, {RgbColor(0, 108, 53)}, {Disc(White, 0.5, 0.5, 0.12)}}},
    {10, {true, {RgbColor(0, 98, 51), White}, {Disc(Red, 0.5, 0.5, 0.2), Disc(White, 0.55, 0.5, 0.16)}}},
    {11, {false, {Sky, White, Sky}, {Disc(RgbColor(246, 180, 14), 0.5, 0.5, 0.1)}}},
    {14, {false, {Navy}, {{Shape::Canton, RgbColor(200, 16, 46), 0.4, 0.45}, Disc(White, 0.72, 0.6, 0.08)}}},
    {21, {true, {Black, RgbColor(253, 218, 36), RgbColor(239, 51, 64)}, {}}},
    {26, {false, {RgbColor(213, 43, 30), RgbColor(249, 228, 0), Green}, {}}},
    {29, {false, {RgbColor(0, 156, 59)}, {{Shape::Diamond, RgbColor(255, 223, 0), 0.5, 0.42, 0.38},
                                          Disc(RgbColor(0, 39, 118), 0.5, 0.5, 0.2)}}},
    {31, {false, {White, RgbColor(0, 150, 110), RgbColor(214, 38, 18)}, {}}},
    {36, {true, {RgbColor(0, 122, 94), Red, Yellow}, {Disc(Yellow, 0.5, 0.5, 0.07)}}},
    {42, {false, {White, RgbColor(213, 43, 30)}, {{Shape::Canton, Blue, 0.33, 0.5}, Disc(White, 0.165, 0.25, 0.07)}}},
    {43, {false, {RgbColor(222, 41, 16)}, {Disc(RgbColor(255, 222, 0), 0.18, 0.28, 0.1)}}},
    {46, {false, {Yellow, Yellow, Blue, Red}, {}}},
    {48, {false, {Blue, Red, Red, Blue}, {Disc(White, 0.35, 0.5, 0.15), Disc(Red, 0.35, 0.5, 0.1)}}},
    {49, {false, {White}, {Disc(RgbColor(205, 46, 58), 0.5, 0.5, 0.2), Disc(RgbColor(0, 71, 160), 0.5, 0.58, 0.1)}}},
    {50, {true, {Orange, White, RgbColor(0, 158, 96)}, {}}},
    {51, {false, {Blue, White, Red, Red, White, Blue}, {}}},
    {52, {false, {RgbColor(255, 0, 0), White, RgbColor(23, 23, 150)}, {Disc(White, 0.5, 0.45, 0.12)}}},
    {54, {false, {RgbColor(198, 12, 48)}, {{Shape::NordicCross, White, 0.36, 0.12}}}},
    {57, {false, {Red, White, Black}, {Disc(RgbColor(192, 147, 0), 0.5, 0.5, 0.08)}}},
    {60, {false, {RgbColor(255, 221, 0), RgbColor(255, 221, 0), RgbColor(3, 78, 162), RgbColor(237, 28, 36)},
          {Disc(RgbColor(120, 90, 40), 0.5, 0.5, 0.12)}}},
    {62, {false, {RgbColor(0, 94, 184)}, {{Shape::Saltire, White, 0.0, 0.1}}}},
    {63, {false, {White, RgbColor(11, 78, 162), RgbColor(238, 28, 37)}, {Disc(Red, 0.33, 0.5, 0.16)}}},
    {64, {false, {White, RgbColor(0, 91, 187), RgbColor(237, 28, 36)}, {Disc(RgbColor(0, 91, 187), 0.3, 0.38, 0.1)}}},
    {65, {false, {RgbColor(170, 21, 27), RgbColor(241, 191, 0), RgbColor(241, 191, 0), RgbColor(170, 21, 27)}, {}}},
    {68, {false, {Red, White, Red, White, Red, White, Red}, {{Shape::Canton, Navy, 0.4, 0.57}}}},
    {72, {true, {RgbColor(0, 35, 149), White, RgbColor(237, 41, 57)}, {}}},
    {75, {false, {Red, Yellow, RgbColor(0, 107, 63)}, {Disc(Black, 0.5, 0.5, 0.1)}}},
    {78, {false, {RgbColor(13, 94, 175), White, RgbColor(13, 94, 175), White, RgbColor(13, 94, 175), White,
                  RgbColor(13, 94, 175), White, RgbColor(13, 94, 175)},
          {{Shape::Canton, RgbColor(13, 94, 175), 0.37, 0.56}}}},
    {85, {false, {RgbColor(174, 28, 40), White, RgbColor(33, 70, 139)}, {}}},
    {86, {false, {RgbColor(0, 115, 207), White, RgbColor(0, 115, 207)}, {Disc(RgbColor(0, 115, 207), 0.5, 0.5, 0.06)}}},
    {97, {false, {White}, {{Shape::Cross, RgbColor(206, 17, 36), 0.5, 0.14, 1.0}}}},
    {98, {false, {RgbColor(35, 159, 64), White, RgbColor(218, 0, 0)}, {Disc(RgbColor(218, 0, 0), 0.5, 0.5, 0.08)}}},
    {100, {true, {RgbColor(22, 155, 98), White, RgbColor(255, 136, 62)}, {}}},
    {104, {true, {RgbColor(0, 146, 70), White, RgbColor(206, 43, 55)}, {}}},
    {107, {false, {White}, {Disc(RgbColor(188, 0, 45), 0.5, 0.5, 0.22)}}},
    {129, {false, {RgbColor(193, 39, 45)}, {Disc(RgbColor(0, 98, 51), 0.5, 0.5, 0.14), Disc(RgbColor(193, 39, 45), 0.5, 0.5, 0.1)}}},
    {131, {true, {RgbColor(0, 104, 71), White, Red}, {Disc(RgbColor(140, 100, 50), 0.5, 0.5, 0.1)}}},
    {141, {true, {RgbColor(0, 135, 81), White, RgbColor(0, 135, 81)}, {}}},
    {142, {false, {RgbColor(186, 12, 47)}, {{Shape::NordicCross, White, 0.36, 0.2}, {Shape::NordicCross, RgbColor(0, 32, 91), 0.36, 0.1}}}},
    {143, {false, {Navy}, {{Shape::Canton, RgbColor(200, 16, 46), 0.4, 0.45}, Disc(Red, 0.75, 0.5, 0.06)}}},
    {150, {false, {RgbColor(213, 43, 30), White, Blue}, {Disc(Yellow, 0.5, 0.5, 0.07)}}},
    {151, {true, {RgbColor(217, 16, 35), White, RgbColor(217, 16, 35)}, {}}},
    {152, {false, {White, RgbColor(220, 20, 60)}, {}}},
    {154, {true, {RgbColor(0, 102, 0), RgbColor(0, 102, 0), Red, Red, Red}, {Disc(Yellow, 0.4, 0.5, 0.16), Disc(Red, 0.4, 0.5, 0.1)}}},
    {159, {false, {White, RgbColor(215, 20, 26)}, {{Shape::Triangle, RgbColor(17, 69, 126), 0.5}}}},
    {160, {true, {RgbColor(0, 43, 127), Yellow, Red}, {}}},
    {162, {false, {White, RgbColor(0, 57, 166), RgbColor(213, 43, 30)}, {}}},
    {171, {false, {RgbColor(198, 54, 60), RgbColor(12, 64, 118), White}, {Disc(RgbColor(198, 54, 60), 0.32, 0.45, 0.12)}}},
    {179, {false, {RgbColor(0, 106, 167)}, {{Shape::NordicCross, RgbColor(254, 204, 0), 0.36, 0.14}}}},
    {180, {false, {RgbColor(255, 0, 0)}, {{Shape::Cross, White, 0.5, 0.14, 0.55}}}},
    {190, {false, {RgbColor(231, 0, 19)}, {Disc(White, 0.5, 0.5, 0.24), Disc(RgbColor(231, 0, 19), 0.52, 0.5, 0.15)}}},
    {192, {false, {RgbColor(227, 10, 23)}, {Disc(White, 0.4, 0.5, 0.22), Disc(RgbColor(227, 10, 23), 0.45, 0.5, 0.18)}}},
    {193, {false, {RgbColor(0, 87, 183), RgbColor(255, 215, 0)}, {}}},
    {195, {false, {White, Blue, White, Blue, White, Blue, White, Blue, White},
           {{Shape::Canton, White, 0.36, 0.56}, Disc(RgbColor(252, 209, 22), 0.18, 0.28, 0.1)}}},
    {198, {false, {RgbColor(255, 204, 0), RgbColor(0, 36, 125), RgbColor(207, 20, 43)}, {Disc(White, 0.5, 0.5, 0.06)}}},
};

// The two flags that are no country: the custom championship's and the international one.
const std::map<int, FlagDesign> kExtraFlags = {
    {kCustomFlag, {false, {RgbColor(255, 196, 0), RgbColor(0, 122, 61)}, {Disc(White, 0.5, 0.5, 0.24), Disc(RgbColor(0, 122, 61), 0.5, 0.5, 0.12)}}},
    {kInternationalFlag, {false, {Sky}, {Disc(White, 0.5, 0.5, 0.36), Disc(RgbColor(0, 94, 184), 0.5, 0.5, 0.3),
                                         {Shape::Cross, White, 0.5, 0.05, 0.6}}}},
};

// The 27 states in state order (AC .. TO): stripes and shapes in each state's own colours.
const FlagDesign kStateFlags[kStateFlagCount] = {
    {false, {Yellow, Green}, {Disc(Red, 0.16, 0.28, 0.1)}},                                              // AC
    {true, {Red, White, Blue}, {Disc(RgbColor(0, 122, 61), 0.5, 0.5, 0.16)}},                           // AL
    {false, {Blue, White, Green, White, Yellow}, {Disc(Black, 0.22, 0.3, 0.08)}},                       // AP
    {false, {White, Red, White}, {{Shape::Canton, Blue, 0.38, 0.5}, Disc(White, 0.19, 0.25, 0.07)}},     // AM
    {false, {White, Blue, White, Red, White}, {{Shape::Canton, Red, 0.36, 0.6}, Disc(White, 0.18, 0.3, 0.08)}},  // BA
    {false, {Green}, {{Shape::Diamond, Yellow, 0.5, 0.42, 0.38}, Disc(White, 0.5, 0.5, 0.18)}},        // CE
    {false, {White}, {{Shape::Diamond, Green, 0.5, 0.18, 0.4}, Disc(Yellow, 0.5, 0.5, 0.08)}},         // DF
    {false, {Blue, White, RgbColor(236, 120, 160)}, {}},                                                 // ES
    {false, {Green, Yellow, Green, Yellow, Green, Yellow, Green, Yellow}, {{Shape::Canton, Blue, 0.36, 0.5}, Disc(White, 0.18, 0.25, 0.07)}},  // GO
    {false, {Red, White, Black, White, Red}, {{Shape::Canton, Blue, 0.36, 0.6}, Disc(White, 0.18, 0.3, 0.08)}},  // MA
    {false, {Blue}, {{Shape::Diamond, White, 0.5, 0.42, 0.38}, Disc(Green, 0.5, 0.5, 0.18), Disc(Yellow, 0.5, 0.5, 0.08)}},  // MT
    {false, {Green, White, Blue}, {Disc(Yellow, 0.3, 0.22, 0.08)}},                                     // MS
    {false, {White}, {{Shape::Triangle, Red, 0.42}}},                                                    // MG
    {false, {Red, White, Red}, {Disc(Blue, 0.5, 0.5, 0.1)}},                                            // PA
    {true, {Black, Red, Red}, {}},                                                                       // PB
    {false, {Green, White, Green}, {Disc(Blue, 0.5, 0.5, 0.16), Disc(White, 0.5, 0.5, 0.05)}},          // PR
    {false, {Blue, White}, {Disc(Yellow, 0.5, 0.3, 0.12), {Shape::Cross, Red, 0.5, 0.1, 0.36}}},        // PE
    {false, {Green, Yellow, Green}, {{Shape::Canton, Blue, 0.3, 0.5}, Disc(White, 0.15, 0.25, 0.07)}},  // PI
    {false, {White, Blue, White}, {{Shape::Saltire, Blue, 0.0, 0.12}, Disc(White, 0.5, 0.5, 0.18), Disc(Blue, 0.5, 0.5, 0.1)}},  // RJ
    {false, {Green, White}, {Disc(Yellow, 0.5, 0.5, 0.17)}},                                            // RN
    {false, {Green, Red, Yellow}, {Disc(White, 0.5, 0.5, 0.18)}},                                       // RS
    {false, {Blue, Blue, Yellow, Green}, {Disc(White, 0.5, 0.3, 0.08)}},                                // RO
    {false, {Sky, White, Green}, {Disc(Yellow, 0.5, 0.3, 0.1)}},                                        // RR
    {false, {Red, White, Red}, {{Shape::Diamond, Green, 0.5, 0.2, 0.42}}},                              // SC
    {false, {Black, White, Black, White, Black, White, Black, White, Black, White, Black, White, Black},
     {{Shape::Canton, Red, 0.38, 0.55}, Disc(White, 0.19, 0.28, 0.11), Disc(Blue, 0.19, 0.28, 0.07)}},  // SP
    {false, {Green, Yellow, Green, Yellow}, {{Shape::Canton, Blue, 0.38, 0.5}, Disc(White, 0.19, 0.25, 0.06)}},  // SE
    {false, {White}, {{Shape::Saltire, Blue, 0.0, 0.2}, {Shape::Saltire, Yellow, 0.0, 0.08}, Disc(Yellow, 0.5, 0.5, 0.1)}},  // TO
};

bool operator==(const Emblem& x, const Emblem& y)
{
    return x.shape == y.shape && x.color == y.color && x.a == y.a && x.b == y.b && x.c == y.c;
}

bool operator==(const FlagDesign& x, const FlagDesign& y)
{
    return x.vertical == y.vertical && x.stripes == y.stripes && x.emblems == y.emblems;
}

// The k-th flag of the plain designs: two different colours as two stripes or as a band between
// two stripes, across or upright, some with a disc in a third colour.
FlagDesign PlainDesign(int k)
{
    constexpr int kColors[] = {Red, Blue, Green, Yellow, White, Black, Sky, Orange};
    const int pair = (k * 23) % 56;  // 23 is prime to 56: every pair of colours once
    const int variant = (k / 56) % 4;
    const int first = pair / 7;
    const int second = pair % 7 < first ? pair % 7 : pair % 7 + 1;
    int third = (first + 4) % 8;
    while (third == first || third == second) {
        third = (third + 1) % 8;
    }
    const int a = kColors[first], b = kColors[second];
    switch (variant) {
    case 0: return {false, {a, b}, {}};
    case 1: return {true, {a, b, a}, {}};
    case 2: return {true, {a, b}, {Disc(kColors[third], 0.5, 0.5, 0.18)}};
    default: return {false, {a, b, a}, {Disc(kColors[third], 0.5, 0.5, 0.18)}};
    }
}

// A country without a drawn flag gets the next plain design that no other flag has.
const std::vector<FlagDesign>& PlainFlags()
{
    static const std::vector<FlagDesign> flags = [] {
        std::vector<FlagDesign> table(kCountryFlagCount);
        std::vector<FlagDesign> taken;
        for (const auto& [country, design] : kCountryFlags) {
            taken.push_back(design);
        }
        for (const auto& [country, design] : kExtraFlags) {
            taken.push_back(design);
        }
        int k = 0;
        for (int country = 0; country < kCountryFlagCount; ++country) {
            if (kCountryFlags.count(country) != 0 || kExtraFlags.count(country) != 0) {
                continue;
            }
            FlagDesign design = PlainDesign(k++);
            while (std::find(taken.begin(), taken.end(), design) != taken.end()) {
                design = PlainDesign(k++);
            }
            taken.push_back(design);
            table[static_cast<std::size_t>(country)] = design;
        }
        return table;
    }();
    return flags;
}

const FlagDesign& CountryDesignOf(int country)
{
    for (const auto* table : {&kCountryFlags, &kExtraFlags}) {
        const auto found = table->find(country);
        if (found != table->end()) {
            return found->second;
        }
    }
    return PlainFlags()[static_cast<std::size_t>(std::clamp(country, 0, kCountryFlagCount - 1))];
}

// Whether the emblem covers the point; u across, v down, `aspect` = width / height.
bool Covers(const Emblem& e, double u, double v, double aspect)
{
    switch (e.shape) {
    case Shape::Disc: {
        const double du = (u - e.a) * aspect;
        const double dv = v - e.b;
        return du * du + dv * dv <= e.c * e.c;
    }
    case Shape::Diamond: return std::abs(u - e.a) / e.b + std::abs(v - 0.5) / e.c <= 1.0;
    case Shape::NordicCross: return std::abs(u - e.a) * aspect <= e.b / 2 || std::abs(v - 0.5) <= e.b / 2;
    case Shape::Cross: {
        const bool inArms = std::abs(u - 0.5) <= e.c / 2 && std::abs(v - 0.5) <= e.c / 2;
        return inArms && (std::abs(u - e.a) * aspect <= e.b / 2 || std::abs(v - 0.5) <= e.b / 2);
    }
    case Shape::Saltire: {
        const double x = (u - 0.5) * aspect;
        const double y = v - 0.5;
        const double slope = 1.0 / aspect;
        return std::abs(y - x * slope) <= e.b / 2 || std::abs(y + x * slope) <= e.b / 2;
    }
    case Shape::Canton: return u < e.a && v < e.b;
    case Shape::Triangle: return u <= e.a * (1.0 - std::abs(v - 0.5) * 2.0);
    }
    return false;
}

Image DrawDesign(const FlagDesign& design, int width, int height)
{
    const double aspect = static_cast<double>(width) / height;
    const int stripes = static_cast<int>(design.stripes.size());
    const auto shade = [&](double u, double v) -> Rgba {
        int color = design.stripes[static_cast<std::size_t>(std::min(stripes - 1, static_cast<int>((design.vertical ? u : v) * stripes)))];
        for (const Emblem& emblem : design.emblems) {
            if (Covers(emblem, u, v, aspect)) {
                color = emblem.color;
            }
        }
        return FromColor(color);
    };
    return Render(width, height, 3, shade);
}

}  // namespace

Image DrawCountryFlag(int country, int width, int height)
{
    return DrawDesign(CountryDesignOf(country), width, height);
}

std::vector<int> CountryFlagColours(int country)
{
    const FlagDesign& design = CountryDesignOf(country);
    std::vector<int> colors = design.stripes;
    for (const Emblem& emblem : design.emblems) {
        colors.push_back(emblem.color);
    }
    return colors;
}

Image DrawStateFlag(int state, int width, int height)
{
    return DrawDesign(kStateFlags[std::clamp(state, 0, kStateFlagCount - 1)], width, height);
}

}  // namespace tarvelon::art
