#pragma once
// The player auction (TForm23): a series of auctions after a matchday (AuctionRound, AuctionPlayer
// -1), or the auction of a coach's own player from the sale screen. Each auction offers the player
// to the human coaches in turn, then settles in a computer round; a timer moves on to the next
// auction or ends the series (on the hub).
#include <string>

#include "core/progression/auction.h"
#include "screens/common/game_form.h"

namespace tarvelon {

class TEdit;
class TGradButton;
class TImage;
class TLabel;
class TNotebook;
class TTimer;

class TForm23 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm23(TComponent* owner);

    TLabel* l1 = nullptr;
    TLabel* jlnome = nullptr;
    TLabel* jlpos = nullptr;
    TLabel* jlforca = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* jlage = nullptr;
    TLabel* jlsalario = nullptr;
    TLabel* jlj = nullptr;
    TLabel* jlg = nullptr;
    TLabel* jlca = nullptr;
    TLabel* jlenergia = nullptr;
    TLabel* jlpais = nullptr;
    TLabel* jlstatus = nullptr;
    TLabel* jlpasse = nullptr;
    TImage* Image1 = nullptr;
    TImage* escudo = nullptr;
    TImage* escudo2 = nullptr;
    TNotebook* Notebook1 = nullptr;
    TLabel* Label15 = nullptr;
    TEdit* Edit1 = nullptr;
    TLabel* Label18 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label17 = nullptr;
    TGradButton* CHButton1 = nullptr;
    TLabel* Label16 = nullptr;
    TTimer* Timer1 = nullptr;
    TTimer* Timer2 = nullptr;

    const AuctionState& Auction() const { return auction_; }

private:
    void StartNextAuction();
    void FillCard();
    void ShowTurn();
    void Offer();
    void RunRound();
    void ShowOutcome(const AuctionOutcome& outcome);
    void ResetAuction();
    void EndAuctionSeries();
    void OpenHubFromAuction();
    void Edit1Change();
    void FormClose();

    AuctionState auction_;
};

// The auction of a coach's own player at `startPrice` whole units, shown modally so that neither
// the player nor the hub can change under it; the hub is refreshed at its end.
void OpenOwnPlayerAuction(int player, std::int64_t startPrice);

}  // namespace tarvelon
