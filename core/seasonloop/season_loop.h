#pragma once
// Whole seasons without a window: each calendar day is played as the matchday screen, the results
// screen's "Continuar >>" and the end-of-season summary would play it, with every question to a
// human coach answered by the game's own choice (automatic line-ups, no dialogs).
#include <functional>

#include "core/progression/calendar_advance.h"
#include "core/progression/day_progression.h"

namespace tarvelon {

// The rules' services come from InstallRuleServices (core/services/rule_services.h), as at start-up.

// Where the loop stands: whether today's computer line-ups are built already (the new game or the
// calendar advance opened the matchday at once) or still to build (a hub would have opened).
void BeginSeasonLoop(bool lineupsReady);

// The human coaches set today's line-ups themselves (the hub's turns): the next day played keeps
// them instead of choosing for them. BeginSeasonLoop forgets it.
void UseCoachesLineups();

// Every human line-up is set (the hub's last turn): the computer clubs' line-ups are built and the
// day's matchday is ready to open, playing the coaches' line-ups as they are.
void KickOffMatchday();

// Builds the line-ups of the human clubs and the human national teams that play today by the
// computer's rules, as a coach who leaves the choice to his assistant would.
void BuildHumanLineupsAutomatically();

// The matchday screen plays the day in the same steps as PlayDay, with its clock in between:
// today's line-ups ready (the computer's, and the human sides' chosen by the assistant) ...
void PrepareTodaysMatchday();
// ... (the live matchday's opening as one step: the line-ups ready, the day's matchdays nobody
// watches played at once up to the first one shown, which is set up at its kick-off; false when
// nothing of the day is shown) ...
bool BeginShownMatchdayOfToday();
// ... a shown matchday booked after its last tick (its knockout ties decided) ...
void EndShownMatchday();
// ... a league or state of the day that is not shown, played at once ...
void PlaySilentMatchday();
// ... as every one from `next` on until one is to be shown (answered PlayShown, its matches still
// to be cleared of the last one's) or the day is over (Results) ...
NextMatchday PlayMatchdaysNotShown(NextMatchday next);
// ... and, once ProgressAfterMatchday says Results, what the results screen ranks when it opens.
void CloseTablesForResults();

enum class DayOutcome {
    Played,      // a day was played and the calendar moved on to the next one
    SeasonOver,  // the season's last day was played: the end-of-season summary comes next
};

// One calendar day: the club hub passed where it would open (PassHubAutomatically, core/lineup/
// hub_turns.h), the matchday set up by its kind, line-ups built, played and booked league by league
// (or state by state), the competitions moved on, the results screen's close-outs, and the calendar
// advance with its updates between rounds (market, sackings, offers). `atResults` runs where the
// results screen would open: every match of the day booked, the calendar not yet moved.
DayOutcome PlayDay(const std::function<void()>& atResults = {});

// A day as PlayDay plays it, up to where the results screen opens: the hub passed with its automatic
// answers where it would open, every match of the day booked, the tables closed for the results; the
// calendar not yet moved.
void PlayDayToResults();

// The same day from the hub's play button, the hub passed already (the coach leaves every line-up
// to his assistant), answering with the screen the calendar advance opens next.
CalendarExit PlayDayToNextScreen(const std::function<void()>& atResults = {});

// What a caller may look at while seasons are played (each may be empty).
struct SeasonWatch {
    std::function<void()> atResults;       // each day's results, before the calendar advance
    std::function<void()> afterDay;        // after each day's calendar advance
    std::function<void()> atSeasonEnd;     // after the last day, before the rollover
    // Where the club hub would open before a day (a human club in the game, a club's day, the line-ups
    // still to build); empty: the hub passed headless with its automatic answers.
    std::function<void()> atClubHub;
};

// Days until the season's last one; returns the number of days played.
int PlaySeasonDays(const SeasonWatch& watch = {});

// The end-of-season summary and its "Continuar >>": the rollover and the new season's first day.
void TurnToNewSeason();

// A whole season and the turn into the next one.
int PlaySeason(const SeasonWatch& watch = {});

}  // namespace tarvelon
