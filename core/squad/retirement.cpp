#include "core/squad/retirement.h"

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
    if (name.empty() || !IsPlayerIndex(player) || !IsClubIndex(Players[player].Club))
        return 0;
    const int club = Players[player].Club;
    const int ownPosition = Players[player].Position;
    CreateYouthReplacement(player, FitPlayerName(name), position == ownPosition ? -1 : position);
    const int junior = static_cast<int>(Players.size()) - 1;
    Players[junior].ListedForSale = 0;
    Players[junior].AskingPrice = Players[junior].Value;
    HandOverDutiesOf(player, club);
    return junior;
}

}  // namespace tarvelon
