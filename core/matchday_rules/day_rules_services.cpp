#include "core/matchday_rules/day_rules_services.h"

#include "core/matchday_rules/shootout.h"
#include "core/matchday_rules/standings.h"
#include "core/progression/progression_services.h"

namespace tarvelon {

void InstallDayRulesServices()
{
    ProgressionServices& services = Progression();
    services.playShootout = PlayShootout;
    services.playBracketShootout = PlayShootoutInDialogs;
    services.closeStateGroups = CloseStateGroups;
    services.closeContinentalGroups = CloseContinentalGroups;
    services.closeNationalCupGroups = CloseNationalCupGroups;
    services.prepareTournamentSquads = PrepareTournamentSquads;
}

}  // namespace tarvelon
