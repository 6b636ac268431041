#pragma once
// What the transfer market shows: the tree of every played league with its divisions and clubs,
// the club's header line, the squad's status icons and the player card.
#include <cstdint>
#include <string>
#include <vector>

#include "core/records/club.h"

namespace tarvelon {

// One row of the market's tree: a country or group (level 0), a division or the regional clubs
// (level 1), a club (level 2, or 1 under the last "Outros" group). `club` is -1 on group rows.
struct MarketTreeRow {
    std::string text;
    int level = 0;
    int club = -1;
};
std::vector<MarketTreeRow> MarketTreeRows();

// "2ª divisão - 5º colocado", "2ª divisão" before any place, "Divisão regional"; "" for a national
// team or a division of 5 or more.
std::string MarketDivisionText(int club);

// The status icon of a squad row: injured 3, banned 1, exactly three yellow cards 2, else 0; a star
// player's are 7, 5, 8 and 12.
int MarketStatusIcon(int player);

// The market's "Passe" in whole units: the asking price of a listed player of a human-run club,
// the value of every other player.
std::int64_t MarketPriceOf(int player);

// The player card of the details view: the name line and the text below it.
std::string MarketCardHeader(int player);
std::string MarketCardText(int player);

// "Para jogar no seu clube ... quer um aumento de salário de f vezes, passando seu salário para $...".
std::string WageDemandText(int player, int factor);

// The card's own check of "Comprar", in its order: another club than the buyer's is shown, the
// buyer's cash covers the player's value, the buyer has fewer than 25 players, the player is listed
// and his row shows the listed mark; then off again when the shown club has fewer than 11 available
// players, or the player is its only goalkeeper.
bool CardAllowsPurchase(int player, int buyer, int shownClub, bool rowShowsListedMark);

// The club's text colour is very light (red and green above 230).
bool HasVeryLightTextColour(const TClub& club);

}  // namespace tarvelon
