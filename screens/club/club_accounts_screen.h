#pragma once
// The club accounts screen (TForm22): the current human club's season as booked, income and
// spending line by line with their sub-totals and the balance, the weekly wage bill, the cash and
// the weekly interest of the bank loan. Read-only.

#include "screens/common/game_form.h"

namespace tarvelon {

class TGradButton;
class TLabel;

class TForm22 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm22(TComponent* owner);

    // Income: tickets, sales, bank loan, prizes, sponsorship; then its sub-total.
    TLabel* l1 = nullptr;
    TLabel* l2 = nullptr;
    TLabel* l3 = nullptr;
    TLabel* l4 = nullptr;
    TLabel* l5 = nullptr;
    TLabel* Label16 = nullptr;
    // Spending: wages, stadium, purchases, loan interest, miscellaneous, fines; then its sub-total.
    TLabel* l6 = nullptr;
    TLabel* l7 = nullptr;
    TLabel* l8 = nullptr;
    TLabel* l9 = nullptr;
    TLabel* l10 = nullptr;
    TLabel* l11 = nullptr;
    TLabel* Label17 = nullptr;
    TLabel* Label19 = nullptr;  // balance
    TLabel* Label21 = nullptr;  // weekly wage bill
    TLabel* Label24 = nullptr;  // cash
    TLabel* Label26 = nullptr;  // weekly interest
    TGradButton* GradButton2 = nullptr;

private:
    void ShowAccounts();
};

}  // namespace tarvelon
