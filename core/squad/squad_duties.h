#pragma once
// The duties a player holds in his club (the armband, the set pieces) pass to team-mates when he
// leaves it for good.
namespace tarvelon {

// The club chooses a new captain and set-piece taker where `player` held either post.
void HandOverDutiesOf(int player, int club);

}  // namespace tarvelon
