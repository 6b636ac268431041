#pragma once
// What the season rollover needs from the player economy and the coach career: player value and
// wage, the wage bill, youth replacements, surplus lists and a coach's dismissal. Those modules
// install their operations here; hiring goes through the draws' hook (Draws().hireCoach), which the
// coach career installs as well. Until an operation is installed the rollover leaves that part of
// the game as it is (values and wages kept, no youth replacement, no coach moved).
#include <cstdint>
#include <functional>
#include <string>

namespace tarvelon {

struct RolloverServices {
    // Market value and weekly wage of a player, whole money units.
    std::function<std::int64_t(int player)> computePlayerValue;
    std::function<std::int64_t(int player)> computePlayerWage;
    // Rewrites the club's weekly wage bill.
    std::function<void(int club)> recalcClubWageBill;
    // Appends a youth player who takes `player`'s place in his club; `player` is left without a club.
    // An empty name keeps the old player's; position -1 keeps his position.
    std::function<void(int player, const std::string& name, int position)> createYouthReplacement;
    // Lists the surplus reserves of a computer-run club.
    std::function<void(int club)> listSurplusPlayers;
    // Unlinks the coach from the club.
    std::function<void(int club, int coach)> dismissCoach;
};

RolloverServices& Rollover();

}  // namespace tarvelon
