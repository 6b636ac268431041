// The bank loan screen (TForm28).
#include "screens/club/bank_loan_screen.h"

#include "controls/grad_button.h"
#include "core/economy/bank.h"
#include "core/format/money_format.h"
#include "core/records/game_state.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/club/hub_refresh.h"
#include "screens/common/screen_registry.h"

namespace tarvelon {

const TScreenRecord TForm28::kScreen{
    .formClass = "TForm28",
    .shows = "Empréstimo bancário",
    .area = TScreenArea::Club,
    .modal = true,
    .style = {.closeOnEscape = true},
    .create = NewScreen<TForm28>,
    .file = "screens/club/bank_loan_screen.cpp",
};

TForm28::TForm28(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) {
        club_ = Game.CurrentHumanClub;
        ShowLoan();
    });
    BindHandler("bt1Click", [this](TObject*) { Borrow(); });
    BindHandler("bt2Click", [this](TObject*) { Repay(); });
    BindHandler("bt3Click", [this](TObject*) { Close(); });
    ReadDescription();
    Label6 = FindChild<TLabel>("Label6");
    Label7 = FindChild<TLabel>("Label7");
    Label2 = FindChild<TLabel>("Label2");
    bt1 = FindChild<TGradButton>("bt1");
    bt2 = FindChild<TGradButton>("bt2");
    bt3 = FindChild<TGradButton>("bt3");
}

void TForm28::ShowLoan()
{
    const std::int32_t loan = BankLoanOf(club_);
    if (Label6) Label6->SetCaption(FormatMoneyWords(loan));
    if (Label7) Label7->SetCaption(FormatMoneyWords(WeeklyLoanInterest(loan)));
    if (Label2) Label2->SetCaption(FormatMoneyWords64(CashInUnits(club_)));
    if (bt1) bt1->SetEnabled(CanBorrowFromBank(club_));
    if (bt2) bt2->SetEnabled(CanRepayBank(club_));
}

void TForm28::Borrow()
{
    if (BorrowFromBank(club_))
        ShowOpenHubCash();
    ShowLoan();
}

void TForm28::Repay()
{
    if (RepayBank(club_))
        ShowOpenHubCash();
    ShowLoan();
}

}  // namespace tarvelon
