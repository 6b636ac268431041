#pragma once
// How the live matchday screen lays out the day's matches: rows per panel, panels, where the first
// panel and its first row stand, each panel's height, the gap between panels and the headings, by
// the competition kind of the day and its stage.
#include <string>
#include <vector>

namespace tarvelon {

enum class MatchdayHeadings {
    None,
    PerPanel,  // "1ª divisão", "2ª divisão", ... above each panel
    Groups,    // rows in pairs, a group heading above each pair
    Final,     // "Final" above match 1, "Decisão 3º lugar" above match 2
};

struct MatchdayLayout {
    int rows = 0;           // rows per panel
    int panels = 1;
    int top = 56;           // top of the first panel
    int firstRow = 20;      // offset of the first row inside a panel
    int panelHeight = 0;
    int gap = 0;
    MatchdayHeadings headings = MatchdayHeadings::None;
    std::vector<std::string> groupNames;  // with Groups: "Grupo 1".. or "Grupo A"..
    bool divisionsShareOnePlace = false;  // divisions of 20: panels 3 and 4 lie on panel 2
};

inline constexpr int kMatchdayPanelWidth = 730;
inline constexpr int kMatchdayRowStep = 20;

// The layout of today's matchday once it is set up (Game.DayKind and the stage counters,
// CurrentState's groups, the friendlies taken).
MatchdayLayout LayoutOfToday();

// The top of row r (1-based) inside its panel.
int MatchdayRowTop(const MatchdayLayout& layout, int r);

}  // namespace tarvelon
