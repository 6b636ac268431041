#pragma once
// The navigator: the one place where core's outcomes and the menus become screens. Every change of
// screen is a queued call (queued_call.h) that runs at the top of the event loop, never inside the
// handler of the form that is closing. Screens are created through the registry.
#include <functional>
#include <string>

#include "core/newgame/start_game.h"
#include "core/persist/saved_game.h"
#include "core/progression/calendar_advance.h"
#include "core/seasonloop/season_turn.h"

namespace tarvelon {

// The form class each outcome opens ("" for none).
std::string ScreenAfterCalendar(CalendarExit exit);
std::string FirstScreenOfNewGame(FirstScreen first);
std::string ScreenAfterLoad(LoadOutcome outcome);
std::string ScreenOfSeasonStart(SeasonStartScreen start);

// Opens a registered screen from a queued call: modally when its entry says so, else shown. With
// `withSubject` its sensible subject on the running game is set first (a developer's launcher).
void OpenScreen(const std::string& formClass, bool withSubject = false);
// The same, with the hourglass over every window while the screen is built (the screens that take
// long to fill); it is gone once the screen shows.
void OpenScreenUnderHourglass(const std::string& formClass);
// Opens a registered screen from a queued call (under the hourglass when `busy`); `afterwards` runs
// once a modal screen has closed, or once another has shown.
void OpenScreenThen(const std::string& formClass, bool busy, std::function<void()> afterwards);

// The match report of an archived match (`MatchReportIndex`), on the side `side` (1 home, 2 away).
void OpenMatchReport(int report, int side = 1);

// The hub's play: today's matchday on the live matchday screen (which prepares the day, plays it,
// shows the results and moves the calendar on).
void OpenTodaysMatchday();

void OpenAfterCalendar(CalendarExit exit);
void OpenFirstScreenOfNewGame(FirstScreen first);
void OpenAfterLoad(LoadOutcome outcome);
void OpenSeasonStart(SeasonStartScreen start);

// What the navigator opened last (tests and the launcher follow the game with it).
const std::string& LastOpenedScreen();

}  // namespace tarvelon
