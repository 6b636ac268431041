#pragma once
// The bank loan screen (TForm28): the current human club borrows or pays back 500 thousand at a
// time; the loan, its weekly interest and the cash are shown in words. Every click moves the money
// at once (core's BorrowFromBank / RepayBank) and the hub shows the new cash.

#include "screens/common/game_form.h"

namespace tarvelon {

class TGradButton;
class TLabel;

class TForm28 : public TGameForm {
public:
    static const TScreenRecord kScreen;
    explicit TForm28(TComponent* owner);

    TLabel* Label6 = nullptr;  // the loan
    TLabel* Label7 = nullptr;  // its weekly interest
    TLabel* Label2 = nullptr;  // the cash
    TGradButton* bt1 = nullptr;  // borrow
    TGradButton* bt2 = nullptr;  // repay
    TGradButton* bt3 = nullptr;  // close

private:
    void ShowLoan();
    void Borrow();
    void Repay();
    int club_ = -1;
};

}  // namespace tarvelon
