#pragma once
// After a matchday has been booked: the progression of the day's competition kind. League, national
// cup and continental cup days are played league by league (or edition by edition), state
// championship days state by state; once the last one is done the day's counters move on and the
// results screen follows. The caller plays what the answer asks for (CurrentLeague or CurrentState
// already names it), and asks again after that matchday.

namespace tarvelon {

enum class NextMatchday {
    Results,     // the day is over: show the results screen
    PlayShown,   // play the next league or state on the matchday screen
    PlaySilent,  // play it at once without display
};

// Kinds 1, 2, 4, 6: CurrentLeague + 1, then NextLeagueOrResults.
NextMatchday LeagueCupAfterMatchday();

// The next league of the day (the national cup's first stage skips leagues without one), or, after
// the last, the day's counters: the league round and turn (with the players' development), the
// national cup leg and stage, the continental cups' legs, stages and turns.
NextMatchday NextLeagueOrResults();

// Kind 3: the final's scores kept, then the next state of the day, or, after the last, the stage
// and turn move on, the state shown on the results screen is chosen and the players develop.
NextMatchday StateChampionshipAfterMatchday();

// The state shown when no human club plays a state championship: SP (25), RJ (18) or MG (10) when
// active, else the first active state, else 0.
int StateShownWithoutHumanClubs();

// The day's first matchday: on league and club-cup days the first league (or edition) of the day,
// shown or played at once by the same rule as the next ones; any other day is shown.
NextMatchday FirstMatchdayOfToday();

// The progression by the kind of the day (the end of a matchday's last step): friendlies go
// straight to the results; brackets settle their round first.
NextMatchday ProgressAfterMatchday();

}  // namespace tarvelon
