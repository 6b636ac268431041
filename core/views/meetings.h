#pragma once
// Every past meeting of two clubs and its sums from each club's side, for the head-to-head screen.
#include <string>
#include <utility>
#include <vector>

namespace tarvelon {

struct MeetingRow {
    int year = 0;
    std::string ground;  // the home club's stadium
    std::string homeName;
    std::string score;   // "2x1"
    std::string awayName;
    std::string competition;  // named from club a's country
};

// PastMatches between a and b, in table order.
std::vector<MeetingRow> MeetingRows(int clubA, int clubB);

// "1 jogo", "3 jogos", "0 jogos".
std::string MeetingCountText(int games);
// From one club's side: "3v 1d 5gp 2gc " (wins, defeats, goals for, goals against); empty with no
// meeting. The first text is a's, the second b's.
std::pair<std::string, std::string> MeetingSummaryTexts(int clubA, int clubB);

// Every club entry as (name, index), by name in plain character order (table order among equals).
std::vector<std::pair<std::string, int>> ClubsByName();

}  // namespace tarvelon
