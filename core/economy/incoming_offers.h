#pragma once
// What computer clubs ask of a human club after a round: a purchase offer for one of its players
// and a loan request for a player it offered for loan; and the answers that complete them.
#include <array>
#include <cstdint>

namespace tarvelon {

// The dearest player (whole units, exclusive) a buyer of division 1..4 makes an offer for.
inline constexpr std::array<std::int64_t, 5> MaxOfferValueByDivision{0, 15000000, 5000000, 3000000, 800000};

struct ClubPlayerDeal {
    int club = -1;   // the computer club; -1 none
    int player = 0;  // 0 none
    bool Found() const { return club >= 0 && player > 0; }
};

// One chance in 25 that a computer club of the human club's division or a lower one wants one of
// its players who is not in a loan (a squad of fewer than 15 gets no offers).
ClubPlayerDeal DrawPurchaseOffer(int club);

// The price offered (whole units): 25 to 60 per cent above his value; a listed player whose asking
// price the offer reaches is offered 80 per cent of that price.
std::int64_t PurchaseOfferAmount(int player);

// "Sim" to a purchase offer: the player goes to the buyer for the whole amount.
void AcceptPurchaseOffer(int player, int buyer, std::int64_t amount);

// A computer club of a division near the human club's asks for its first player offered for loan.
// Only in a played league; empty division places are no candidates.
ClubPlayerDeal DrawLoanRequest(int club);

// "Sim" to a loan request: the player goes to the club on loan for 180 days from today.
void AcceptLoanRequest(int player, int club);

}  // namespace tarvelon
