#pragma once
// Every club of the sample database, built in memory before anything is written.
#include <string>
#include <vector>

#include "core/persist/club_file.h"
#include "tools/sampledata/sample_random.h"

namespace tarvelon::sampledata {

struct SampleClub {
    ClubFile file;
    int placeInCountry = 0;  // 0 = the country's best club
    int crestPattern = 0;    // the design drawn on its crest
    char initial = 'A';      // the first letter of its town, on its crest
};

std::vector<SampleClub> MakeSampleClubs(const SampleRandom& random);

// A file name made of the name's letters: accents dropped, lower case, "_" for spaces, at most 25.
std::string FileNameOf(const std::string& utf8Name);

// The club colours: a background colour and a text colour that stands out on it.
std::pair<int, int> DrawClubColours(SampleRandom& random);

// Relative brightness 0..255 of a colour (0x00BBGGRR).
int Brightness(int color);

// The contrast between two colours, 1 (the same) to 21 (black and white): the ratio of their
// relative luminances, each plus 0.05, the lighter over the darker.
double ContrastRatio(int a, int b);

// The least contrast a club's or a nation's name has with its background: the name bars (cup
// brackets, live matchdays, lists) stay legible.
inline constexpr double kMinTextContrast = 4.5;

// `text`, when it reads on `back` with at least kMinTextContrast; else the black or white that
// reads best on it (one of them always does).
int LegibleTextColour(int back, int text);

}  // namespace tarvelon::sampledata
