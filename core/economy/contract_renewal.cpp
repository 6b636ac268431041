#include "core/economy/contract_renewal.h"

#include <algorithm>
#include <cstdint>

#include "core/basics/rounding.h"
#include "core/economy/player_value.h"
#include "core/economy/squad_rules.h"
#include "core/format/money_format.h"
#include "core/mail/mail.h"
#include "core/match/lineup_access.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"

namespace tarvelon {

namespace {

std::int64_t Share(double part, std::int64_t amount) { return Round(part * static_cast<double>(amount)); }

}  // namespace

int ContractWeeksOfLength(int lengthIndex)
{
    switch (lengthIndex) {
    case 1: return 48;
    case 2: return 96;
    default: return 24;
    }
}

std::int64_t RenewalDemand(int player, int lengthIndex)
{
    const TPlayer* p = PlayerAt(player);
    if (p == nullptr)
        return 0;
    std::int64_t d = ComputePlayerWage(player);
    const TClub* c = ClubAt(p->Club);
    const bool upTable = c != nullptr && c->Place[kKindNationalLeague] < 7;
    switch (lengthIndex) {
    case 1: d = upTable ? d + Share(0.2, d) : d - Share(0.05, d); break;
    case 2: d = upTable ? d + Share(0.3, d) : d + Share(0.1, d); break;
    default: d = upTable ? d + Share(0.1, d) : d - Share(0.1, d); break;
    }
    const std::int64_t wage = RoundedUnits(p->wage);
    if (wage >= d && p->ContractEnd - TodayDate() > 30)
        d = wage + Share(0.1, d);
    return d;
}

bool OfferAboveLimit(std::int64_t offer, std::int64_t demand) { return offer > 100000 && offer > 5 * demand; }

std::string OfferLimitMessage(std::int64_t demand)
{
    return "Salário maior que o limite para este jogador que é $" + FormatMoney(5 * demand);
}

void ApplyContractRenewal(int player, std::int64_t weeklyWage, int lengthIndex)
{
    TPlayer* p = PlayerAt(player);
    if (p == nullptr)
        return;
    if (p->ListedForSale) {
        p->ListedForSale = 0;
        p->AskingPrice = p->Value;
    }
    RenewContractWeeks(ContractWeeksOfLength(lengthIndex), player);
    if (p->contractFlag)
        p->Morale += 1;
    p->Morale = std::min(p->Morale, 3);
    p->contractTalk = 0;
    p->contractFlag = 0;
    const Currency raise = CurrencyFromUnits(weeklyWage) - p->wage;
    if (raise > CurrencyFromUnits(Share(0.3, CurrencyUnits(p->wage)))) {
        p->Morale = std::min(p->Morale + 1, 3);
        SendMail(p->Club, mkPlayerMessage, 1, 0, 0, player);
    }
    p->wage = CurrencyFromUnits(weeklyWage);
    RecalcClubWageBill(p->Club);
}

}  // namespace tarvelon
