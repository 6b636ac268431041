#pragma once
// What the coach of a human club does to one of his players from the squad list: the sale and loan
// lists, and buying a player he holds on loan.
namespace tarvelon {

// A club lends out or offers for loan at most two players at a time.
bool CanOfferForLoan(int club);
// Offers the player for loan when his club may (he is in no loan); true when offered.
bool OfferPlayerForLoan(int player);
// The player is no longer offered for loan.
void WithdrawLoanOffer(int player);
// The player leaves the sale list.
void TakeOffSaleList(int player);
// The club holding the player on loan can pay what buying him costs (his value).
bool CanBuyLoanedPlayer(int player);

// Which player actions the squad list's menu offers for a player of the club.
struct PlayerMenuState {
    bool contract = true;      // "Propor contrato"
    bool sell = false;         // "Vender jogador"
    bool retire = false;       // "Aposentar jogador"
    bool onLoanHere = false;   // "Cancelar Empréstimo" and "Comprar jogador" shown
    bool buy = false;          // "Comprar jogador" enabled
    bool offerLoanShown = true;
    bool offerLoanEnabled = false;
    // "Pôr para empréstimo" greyed for a club with two players lent out or offered stays shown or
    // hidden as the menu last left it (hidden after an offered or loaned-in player's menu).
    bool offerLoanKeepsShown = false;
    bool withdrawLoanShown = false;
};
PlayerMenuState PlayerMenuOf(int player, int club);

}  // namespace tarvelon
