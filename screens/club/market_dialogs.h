#pragma once
// The dialogs of the market's deals: the bid (TForm60), the answer to a refused bid or the
// player's wage demand (TForm61), and the question to a human seller (TForm49). They work on the
// deal under way (`Deal`, core/economy/market_deals.h).
#include <cstdint>
#include <string>

#include "screens/common/game_form.h"

namespace tarvelon {

class TEdit;
class TGradButton;
class TImage;
class TLabel;
class TRichLabel;

// Creates the screen owned by `owner` and shows it modally: the platform keeps a dialog opened
// over a stay-on-top window above it.
void ShowModalOver(TComponent* owner, const std::string& formClass);

// A deal on a running game for the gallery, the walk test and a developer's launcher: a bid for a
// player of SubjectOtherClub() at his value, with a wage demand of 3 when asked.
void StartSampleDeal(bool wageDemand);


// "Fazer proposta pelo jogador": a price for the player in thousands; "Propor compra" asks the
// seller (a human seller answers in TForm49) and, refused, shows TForm61.
class TForm60 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm60(TComponent* owner);

    TLabel* Label1 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TEdit* Edit1 = nullptr;
    TGradButton* bt1 = nullptr;
    TGradButton* bt2 = nullptr;

private:
    void FormCreate();
    void Edit1Change();
    // Shows the bid in words and enables "Propor compra" when the club can make it.
    void ShowBid(std::int64_t price);
    void bt1Click();
};

// The refused bid's reason, or the player's wage demand with "Aceitar" and "Recusar".
class TForm61 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm61(TComponent* owner);

    TRichLabel* Label1 = nullptr;
    TGradButton* bt2 = nullptr;
    TGradButton* btconf = nullptr;

private:
    void FormCreate();
    void bt2Click();
};

// A human seller's answer to the bid for one of his players: "Sim" or "Não".
class TForm49 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm49(TComponent* owner);

    TImage* escudo = nullptr;
    TLabel* Label2 = nullptr;
    TRichLabel* Label3 = nullptr;
    TRichLabel* Label5 = nullptr;
    TGradButton* bt1 = nullptr;
    TGradButton* bt2 = nullptr;

private:
    void FormCreate();
};

}  // namespace tarvelon
