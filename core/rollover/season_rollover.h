#pragma once
// The change from one season to the next, run once by the end-of-season screen after the last
// matchday: accounts and tables reset, promotion and relegation, ageing and retirements, the new
// year's national-team tournament, calendar, fixtures and draws, and the new season's money.

#include <cstdint>

namespace tarvelon {

// The number of the season that has just ended: the end-of-season screen sets it when it is created,
// before it runs the rollover, which takes the continental qualifiers from that season.
extern std::int32_t SummarySeason;

// Set by the matchday code when the season's last matches are played; cleared by the rollover.
extern bool SeasonMatchesOver;

// Empties the archive of played matches: the match reports and the report events that point into
// them always go together, so no event is left pointing at a report that is gone or another one.
void ClearMatchArchive();

// The whole rollover (SummarySeason must be set first).
void NewSeasonRollover();

}  // namespace tarvelon
