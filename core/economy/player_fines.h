#pragma once
// The board's question on a sent-off player's message, "Deseja multar o jogador em 30% do salário?":
// a "Sim" withholds 30 % of his weekly wage.
#include <cstdint>

namespace tarvelon {

inline constexpr int kFinePercentOfWage = 30;

// The fine of a player: 30 % of his weekly wage in whole units, rounded.
std::int64_t FineOfPlayer(int player);

// The coach answers the question of message `message` (it waits for an answer no more). With
// `fine`, the player it names, when he still plays for the club it was sent to, is fined: the
// club keeps that much of his wages (its cash rises and the season's wages paid fall by the fine).
// Returns the fine booked, 0 when none.
std::int64_t AnswerFineQuestion(int message, bool fine);

}  // namespace tarvelon
