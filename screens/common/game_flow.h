#pragma once
// The game's moves made through core without a window (the screens, the tools and the tests make
// them): a quick new game,
// a whole matchday played from the hub with automatic line-ups, the results' "Continuar >>", and
// the end-of-season summary's "Continuar >>". Each answers with core's outcome; the navigator turns
// it into the next screen.
#include <functional>

#include "core/newgame/start_game.h"
#include "core/persist/saved_game.h"
#include "core/progression/calendar_advance.h"
#include "core/seasonloop/season_turn.h"

namespace tarvelon {

// A new game (the navigator's OpenFirstScreenOfNewGame takes it on) of every league the database offers, with one human coach on the first club offered
// to him in the Brazilian league (else in the first league); FirstScreen::None when the database
// cannot start one. With `stateChampionships` the Brazilian states play theirs.
FirstScreen StartQuickNewGame(bool stateChampionships = false);

// The hub's play: line-ups chosen automatically for the human sides, the day played, the results
// booked and the calendar moved on.
CalendarExit PlayMatchdayFromHub();

// The results screen's "Continuar >>": the calendar advance.
CalendarExit ContinueFromResults();

// The pre-season friendlies the new season offers the human clubs (the club screens install it;
// empty: none are offered).
extern std::function<void()> OfferPreseasonFriendlies;

// The end-of-season summary: the rollover (when it opens) and its "Continuar >>".
SeasonStartScreen ContinueIntoNewSeason();
// The summary's "Continuar >>" alone, after the rollover: the new season started, the friendlies
// offered through `offerPreseasonFriendlies`.
SeasonStartScreen StartSeasonFromSummary(const std::function<void()>& offerPreseasonFriendlies);

// What the screens opened after a new game or a load must know of the day's line-ups.
void AfterGameStarted(FirstScreen first);
void AfterGameLoaded();

}  // namespace tarvelon
