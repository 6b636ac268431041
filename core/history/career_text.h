#pragma once
// Career tables of a coach and of a player, season by season, as mini-HTML for the rich-text label.
#include <string>

namespace tarvelon {

struct CareerPage {
    int nextFirstRow = -1;   // first row of the next page, -1 when this is the last one
    int previousPage = -1;   // 1 when there is a page before this one, else -1
    std::string text;
};

inline constexpr int kCoachCareerPageRows = 15;
inline constexpr int kPlayerCareerPageRows = 17;

// Rows count the person's own season lines from 0; a first row below 0 is taken as 0. The
// "Total na carreira:" line sums the whole career.
CareerPage CoachCareerText(int coach, int firstRow);
CareerPage PlayerCareerText(int player, int firstRow);

}  // namespace tarvelon
