#pragma once
// What the new-game builder needs from the economy rules: a player's value and wage, a club's
// squad figures and wage bill, the surplus reserves a computer club lists, and contract lengths.
// The economy module installs its rules here at start-up. Until it does, the squad figures, the
// wage bill and the contracts follow the game's rules, while values and wages stay 0 and no
// surplus player is listed.
#include <cstdint>
#include <functional>

namespace tarvelon {

struct SquadEconomyServices {
    std::function<std::int64_t(int player)> computePlayerValue;  // whole money units
    std::function<std::int64_t(int player)> computePlayerWage;   // weekly, whole money units
    std::function<void(int club)> recalcClubWageBill;
    std::function<void(int club)> recountSquad;
    std::function<void(int club)> listSurplusPlayers;
    std::function<void(int weeks, int player)> setContractWeeks;
};

// The installed rules; members left empty fall back to the behaviour described above.
SquadEconomyServices& SquadEconomy();

std::int64_t NewGamePlayerValue(int player);
std::int64_t NewGamePlayerWage(int player);
void NewGameRecalcClubWageBill(int club);
void NewGameRecountSquad(int club);
void NewGameListSurplusPlayers(int club);
void NewGameSetContractWeeks(int weeks, int player);

}  // namespace tarvelon
