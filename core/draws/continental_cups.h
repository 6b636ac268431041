#pragma once
// The group draws of the two continental club cups, each in a South American and a European edition:
// eight groups of four in `Game`'s continental group tables, read by the fixture builder.

namespace tarvelon {

// The South American draw (also resets the continental counters of `Game` and the clubs' groups and
// first-cup and club-world-cup entries).
void SetupContinentalCups();

// The European draw.
void SetupContinentalCupsTwin();

// Country lists of the draws, in row order of ContinentalEntrants.
constexpr int kSouthAmericanCountries[] = {29, 11, 195, 150, 42, 46, 60, 131, 151, 26, 198};
constexpr int kEuropeanCountries[] = {97, 65, 104, 3, 72, 85, 154, 162, 193, 78, 160, 62, 21, 159,
                                      192, 15, 52, 31, 88, 171, 179, 152, 180, 76, 142, 27, 54};

}  // namespace tarvelon
