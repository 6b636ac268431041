#pragma once
// Which league and which state championship the matchday being played (or shown) belongs to.
// Leagues are played one after another on league, national cup and continental days (for the
// continental cups CurrentLeague is the edition: 1 South American, 2 European); state championships
// one state after another.

namespace tarvelon {

extern int CurrentLeague;
extern int CurrentState;

}  // namespace tarvelon
