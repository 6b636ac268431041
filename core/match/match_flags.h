#pragma once
// Switches and shared values of the matchday that the engine reads and the matchday screens set:
// whether the matchday is played silently (no texts, sounds or dialogs), the play trace, and the
// values handed to and from the in-match dialogs.
#include <cstdint>
#include <string>

namespace tarvelon {

extern bool SilentMatchday;  // played without texts, sounds and dialogs
extern bool DebugTrace;      // keep a trace of plays and events

extern std::string PlayTraceText;   // the trace of plays
extern std::string EventTraceText;  // the trace of events

// The penalty dialog's values: kicking club, defending club, outcome (1 scored, 2 missed), taker.
extern std::int32_t PenaltyClubA;
extern std::int32_t PenaltyClubB;
extern std::int32_t PenaltyOutcome;
extern std::int32_t PenaltyTaker;

// The injury-substitution dialog's values.
extern std::int32_t InjurySubstitute;
extern std::int32_t InjuredClub;
extern std::int32_t InjuredPlayer;
extern std::int32_t ActiveMatch;

}  // namespace tarvelon
