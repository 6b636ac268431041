#include "core/squad/retirement.h"

#include "core/basics/typed_text.h"
#include "core/economy/table_access.h"
#include "core/economy/youth.h"
#include "core/squad/squad_duties.h"

namespace tarvelon {

std::string FitPlayerName(const std::string& name)
{
    int characters = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(name[i]) & 0xC0) != 0x80;
        if (startsCharacter && ++characters > kPlayerNameLength)
            return name.substr(0, i);
    }
    return name;
}

int RetireAndPromoteJunior(int player, const std::string& name, int position)
{
    // Blanks are no name, and the blanks around a name (also one the cut leaves) no part of it.
    const std::string typed = TypedName(FitPlayerName(TypedName(name)));
    if (typed.empty() || !IsPlayerIndex(player) || !IsClubIndex(Players[player].Club))
        return 0;
    const int club = Players[player].Club;
    const int ownPosition = Players[player].Position;
    CreateYouthReplacement(player, typed, position == ownPosition ? -1 : position);
    const int junior = static_cast<int>(Players.size()) - 1;
    Players[junior].ListedForSale = 0;
    Players[junior].AskingPrice = Players[junior].Value;
    HandOverDutiesOf(player, club);
    return junior;
}

}  // namespace tarvelon
