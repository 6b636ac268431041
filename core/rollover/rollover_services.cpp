#include "core/rollover/rollover_services.h"

#include "core/career/coach_hiring.h"
#include "core/economy/player_value.h"
#include "core/economy/squad_rules.h"
#include "core/economy/youth.h"

namespace tarvelon {

RolloverServices GameRolloverServices()
{
    RolloverServices services;
    services.computePlayerValue = ComputePlayerValue;
    services.computePlayerWage = ComputePlayerWage;
    services.recalcClubWageBill = RecalcClubWageBill;
    services.createYouthReplacement = CreateYouthReplacement;
    services.listSurplusPlayers = ListSurplusPlayers;
    services.dismissCoach = DismissCoach;
    return services;
}

RolloverServices& Rollover()
{
    static RolloverServices services = GameRolloverServices();
    return services;
}

}  // namespace tarvelon
