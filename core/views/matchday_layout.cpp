#include "core/views/matchday_layout.h"

#include <algorithm>

#include "core/draws/state_championship.h"
#include "core/records/match_records.h"
#include "core/records/matchday_globals.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"

namespace tarvelon {

namespace {

MatchdayLayout Single(int rows, int height)
{
    MatchdayLayout layout;
    layout.rows = rows;
    layout.panelHeight = height;
    return layout;
}

// One panel of knockout ties: 16, 8, 4, 2 or 1 rows.
MatchdayLayout Ties(int rows)
{
    switch (rows) {
    case 16: return Single(16, 355);
    case 8: return Single(8, 195);
    case 4: return Single(4, 115);
    case 2: return Single(2, 75);
    default: return Single(1, 55);
    }
}

MatchdayLayout Groups(int groups, int height, bool letters)
{
    MatchdayLayout layout = Single(groups * 2, height);
    layout.firstRow = 10;
    layout.gap = 20;
    layout.headings = MatchdayHeadings::Groups;
    for (int g = 1; g <= groups; ++g)
        layout.groupNames.push_back("Grupo " + (letters ? std::string(1, static_cast<char>('A' + g - 1)) : std::to_string(g)));
    return layout;
}

MatchdayLayout Finals()
{
    MatchdayLayout layout = Single(2, 100);
    layout.headings = MatchdayHeadings::Final;
    return layout;
}

MatchdayLayout LeagueLayout()
{
    MatchdayLayout layout;
    layout.panels = 4;
    layout.top = 48;
    layout.firstRow = 8;
    layout.gap = 20;
    layout.headings = MatchdayHeadings::PerPanel;
    const bool of20 = Game.LeagueFormat == kDivisionsOf20;
    layout.rows = of20 ? 10 : 5;
    layout.panelHeight = of20 ? 210 : 110;
    layout.divisionsShareOnePlace = of20;
    return layout;
}

// One row per friendly the day's set-up took (it marks them played as it takes them).
MatchdayLayout FriendliesLayout()
{
    static const int heights[] = {55, 75, 95, 115, 140, 160};
    const int n = MatchCount;
    return Single(n, n >= 1 && n <= 6 ? heights[n - 1] : 35 * n);
}

MatchdayLayout StateLayout()
{
    if (Game.StateStage >= 6) {
        MatchdayLayout layout = Single(1, 37);
        layout.firstRow = 12;
        return layout;
    }
    const int groups = CurrentState >= 0 && CurrentState < static_cast<int>(StateChampionships.size())
                           ? std::max(1, std::min(4, static_cast<int>(StateChampionships[CurrentState].groupCount)))
                           : 1;
    MatchdayLayout layout = Single(3, 80);
    layout.panels = groups;
    layout.firstRow = 12;
    layout.gap = groups == 1 ? 0 : 20;
    layout.headings = MatchdayHeadings::PerPanel;
    return layout;
}

// The knockout stages after the groups: 4 round of 16, 5 quarter-finals, 6 semi-finals, then one tie.
MatchdayLayout TiesOfStage(int stage)
{
    return Ties(stage == 4 ? 8 : stage == 5 ? 4 : stage == 6 ? 2 : 1);
}

MatchdayLayout ContinentalLayout(int stage)
{
    return stage < 4 ? Groups(8, 500, false) : TiesOfStage(stage);
}

MatchdayLayout TournamentLayout(int kind)
{
    const int stage = Game.TournamentStage;
    if (stage < 4)
        return kind == kKindWorldCup ? Groups(8, 500, true) : kind == kKindCopaAmerica ? Groups(3, 195, true) : Groups(4, 265, true);
    if (kind == kKindWorldCup)
        return stage <= 6 ? TiesOfStage(stage) : Finals();
    // The Copa América and the Eurocopa start their knockout stages at the quarter-finals.
    return stage <= 5 ? TiesOfStage(stage + 1) : Finals();
}

}  // namespace

MatchdayLayout LayoutOfToday()
{
    switch (Game.DayKind) {
    case kKindFriendlies: return FriendliesLayout();
    case kKindNationalLeague: return LeagueLayout();
    case kKindNationalCup: {
        static const int rows[] = {16, 8, 4, 2, 1};
        const int stage = Game.NationalCupStage;
        return Ties(stage >= 1 && stage <= 5 ? rows[stage - 1] : 1);
    }
    case kKindStateChampionship: return StateLayout();
    case kKindFirstContinentalCup: return ContinentalLayout(Game.FirstContinentalStage);
    case kKindSecondContinentalCup: return ContinentalLayout(Game.SecondContinentalStage);
    case kKindClubWorldCup: return Game.ClubWorldCupStage == 3 ? Finals() : Ties(2);
    default: return TournamentLayout(Game.DayKind);
    }
}

int MatchdayRowTop(const MatchdayLayout& layout, int r)
{
    int y = layout.firstRow;
    if (layout.headings == MatchdayHeadings::Groups)
        y += 20;
    if (layout.headings == MatchdayHeadings::Final)
        y += 10;
    for (int i = 1; i < r; ++i) {
        y += kMatchdayRowStep;
        if (layout.headings == MatchdayHeadings::Groups && i % 2 == 0)
            y += 20;
        if (layout.headings == MatchdayHeadings::Final && i % 2 == 1)
            y += 20;
    }
    return y;
}

}  // namespace tarvelon
