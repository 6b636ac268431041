#include "core/match/match_flags.h"

#include "core/records/table_reset.h"

namespace tarvelon {

bool SilentMatchday = false;
bool DebugTrace = false;
std::string PlayTraceText;
std::string EventTraceText;
std::int32_t PenaltyClubA = -1;
std::int32_t PenaltyClubB = -1;
std::int32_t PenaltyOutcome = 0;
std::int32_t PenaltyTaker = -1;
std::int32_t InjurySubstitute = -1;
std::int32_t InjuredClub = -1;
std::int32_t InjuredPlayer = -1;
std::int32_t ActiveMatch = 0;

namespace {
// The match a game was left in is over; the trace is the player's option and stays as it is.
const GameTableReset matchFlagsReset([] {
    SilentMatchday = false;
    PenaltyClubA = -1;
    PenaltyClubB = -1;
    PenaltyOutcome = 0;
    PenaltyTaker = -1;
    InjurySubstitute = -1;
    InjuredClub = -1;
    InjuredPlayer = -1;
    ActiveMatch = 0;
});
}  // namespace

}  // namespace tarvelon
