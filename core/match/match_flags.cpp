#include "core/match/match_flags.h"

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

}  // namespace tarvelon
