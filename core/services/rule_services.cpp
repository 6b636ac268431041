#include "core/services/rule_services.h"

#include "core/basics/random.h"
#include "core/career/coach_hiring.h"
#include "core/draws/draw_services.h"
#include "core/history/history_lookups.h"
#include "core/hooks.h"
#include "core/matchday_rules/day_rules_services.h"
#include "core/rollover/rollover_services.h"

namespace tarvelon {

void InstallRuleServices()
{
    InstallDayRulesServices();
    // The club world cup and the continental qualifiers ask the history for last champions; the
    // state championships' draws and the divisions' rollover hire through the coach career.
    Draws().findChampion = FindChampion;
    Draws().hireCoach = HireCoach;
    Rollover() = GameRolloverServices();
}

void SeedRepeatableRun(std::uint64_t seed)
{
    InstallDeterministicClock(seed);
    RandSeed = static_cast<std::uint32_t>(seed ^ (seed >> 32));
}

}  // namespace tarvelon
