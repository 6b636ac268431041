// The club accounts screen (TForm22).
#include "screens/club/club_accounts_screen.h"

#include <cstdint>

#include "controls/grad_button.h"
#include "core/economy/bank.h"
#include "core/format/money_format.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "platform/stdctrls/graphic_controls.h"
#include "screens/common/screen_registry.h"

namespace tarvelon {

namespace {

void ShowAmount(TLabel* label, std::int64_t amount)
{
    if (label)
        label->SetCaption("$" + FormatMoney64(amount));
}

}  // namespace

const TScreenRecord TForm22::kScreen{
    .formClass = "TForm22",
    .shows = "Finanças do clube",
    .area = TScreenArea::Club,
    .modal = true,
    .style = {.closeOnEscape = true},
    .create = NewScreen<TForm22>,
    .file = "screens/club/club_accounts_screen.cpp",
};

TForm22::TForm22(TComponent* owner) : TGameForm(owner, kScreen)
{
    BindHandler("FormCreate", [this](TObject*) { ShowAccounts(); });
    BindHandler("GradButton2Click", [this](TObject*) { Close(); });
    ReadDescription();
    l1 = FindChild<TLabel>("l1");
    l2 = FindChild<TLabel>("l2");
    l3 = FindChild<TLabel>("l3");
    l4 = FindChild<TLabel>("l4");
    l5 = FindChild<TLabel>("l5");
    Label16 = FindChild<TLabel>("Label16");
    l6 = FindChild<TLabel>("l6");
    l7 = FindChild<TLabel>("l7");
    l8 = FindChild<TLabel>("l8");
    l9 = FindChild<TLabel>("l9");
    l10 = FindChild<TLabel>("l10");
    l11 = FindChild<TLabel>("l11");
    Label17 = FindChild<TLabel>("Label17");
    Label19 = FindChild<TLabel>("Label19");
    Label21 = FindChild<TLabel>("Label21");
    Label24 = FindChild<TLabel>("Label24");
    Label26 = FindChild<TLabel>("Label26");
    GradButton2 = FindChild<TGradButton>("GradButton2");
}

void TForm22::ShowAccounts()
{
    const int club = Game.CurrentHumanClub;
    if (club < 0 || club >= static_cast<int>(ClubFinances.size()) || club >= static_cast<int>(Clubs.size()))
        return;
    const TClubFinance& f = ClubFinances[static_cast<std::size_t>(club)];
    ShowAmount(l1, f.ticketIncome);
    ShowAmount(l2, f.playerSales);
    // "The outstanding loan counts as income, so borrowing raises the balance and repaying lowers
    // it.": the line counts what was borrowed this season (the loan less what was owed when the
    // season began); a loan brought from the seasons before would otherwise count again as this
    // season's income, and the balance would no longer be the season's change of cash.
    ShowAmount(l3, SeasonBorrowing(f));
    ShowAmount(l4, f.prizes);
    ShowAmount(l5, f.sponsorship);
    ShowAmount(Label16, FinanceIncome(f));
    ShowAmount(l6, f.wagesPaid);
    ShowAmount(l7, f.stadium);
    ShowAmount(l8, f.playerPurchases);
    ShowAmount(l9, f.loanInterest);
    ShowAmount(l10, f.miscellaneous);
    ShowAmount(l11, f.terminationShares);
    ShowAmount(Label17, FinanceExpenses(f));
    ShowAmount(Label19, FinanceBalance(f));
    ShowAmount(Label21, f.weeklyWageBill);
    ShowAmount(Label24, CashInUnits(club));
    ShowAmount(Label26, WeeklyLoanInterest(f.bankLoan));
}

}  // namespace tarvelon
