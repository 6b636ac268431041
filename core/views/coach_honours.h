#pragma once
// A coach's titles: the rows of his trophy gallery, grouped by competition, and the coach
// ranking with its titles text.
#include <string>
#include <vector>

namespace tarvelon {

struct CoachTitleRow {
    bool heading = false;     // a competition's heading: its name in `text`
    std::string year;         // title rows: 2009 + season
    std::string text;         // the club's name, or the competition's name
    int club = -1;
    int country = -2;         // the club's country; -2 on a heading (no flag)
};

// For each competition in table order with a title of the coach: a heading, then his titles of it
// in the order they were recorded.
std::vector<CoachTitleRow> CoachTitleRows(int coach);

}  // namespace tarvelon
