#include "core/squad/shirts_and_colours.h"

#include "core/economy/table_access.h"

namespace tarvelon {

std::array<std::string, kHighestShirtNumber + 1> ShirtNumberChoices(int club)
{
    std::array<std::string, kHighestShirtNumber + 1> items;
    items[0] = "Sem número";
    for (int n = 1; n <= kHighestShirtNumber; ++n)
        items[static_cast<std::size_t>(n)] = std::to_string(n) + " - ";
    if (!IsClubIndex(club))
        return items;
    ForEachPlayerOfClub(club, [&](int, const TPlayer& p) {
        if (p.ShirtNumber >= 1 && p.ShirtNumber <= kHighestShirtNumber)
            items[static_cast<std::size_t>(p.ShirtNumber)] = std::to_string(p.ShirtNumber) + " - " + p.Name.str();
    });
    return items;
}

void GiveShirtNumber(int player, int number)
{
    if (!IsPlayerIndex(player) || number < 0 || number > kHighestShirtNumber)
        return;
    if (number > 0 && IsClubIndex(Players[player].Club))
        for (int mate : PlayersOfClub(Players[player].Club))
            if (Players[mate].ShirtNumber == number)
                Players[mate].ShirtNumber = 0;
    Players[player].ShirtNumber = number;
}

bool ChangeClubColours(int club, TColor back, TColor text)
{
    if (!IsClubIndex(club))
        return false;
    TClub& c = Clubs[club];
    if (c.BackColor == back && c.TextColor == text)
        return false;
    c.BackColor = back;
    c.TextColor = text;
    return true;
}

}  // namespace tarvelon
