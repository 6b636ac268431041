#include "core/rollover/player_ageing.h"

#include <string>

#include "core/basics/random.h"
#include "core/rollover/club_range.h"
#include "core/rollover/rollover_services.h"
#include "core/season/calendar.h"
#include "core/players_to_settle.h"

namespace tarvelon {

namespace {

constexpr int kAlwaysRetires = -1;
constexpr int kNeverRetires = 100;
constexpr int kOnLoan = 2;

struct RetirementBand {
    int lastAge;  // the band covers ages up to this one
    int outfield;
    int goalkeeper;
};

constexpr RetirementBand kRetirementBands[] = {
    {36, 50, 70}, {38, 30, 60}, {40, 20, 50}, {42, 10, 25}, {44, 5, 20}, {46, 4, 5}, {48, 3, 1},
};

// The club of a player who has one in this game, else nullptr.
TClub* ClubOf(const TPlayer& player)
{
    return IsGameClub(player.Club) ? &Clubs[static_cast<std::size_t>(player.Club)] : nullptr;
}

bool Retires(const TPlayer& player)
{
    const int threshold = RetirementThreshold(player.Age, player.Position == 0);
    if (threshold == kAlwaysRetires) return true;
    if (threshold >= kNeverRetires) return false;
    return Random(100) > threshold;
}

void ReplaceWithYouth(int player)
{
    if (!Rollover().createYouthReplacement) return;
    const std::size_t before = Players.size();
    Rollover().createYouthReplacement(player, std::string(), -1);
    for (std::size_t youth = before; youth < Players.size(); ++youth) Players[youth].loanStatus = 0;
}

}  // namespace

int RetirementThreshold(int age, bool goalkeeper)
{
    if (age < kRetirementBands[0].lastAge) return kNeverRetires;
    for (const RetirementBand& band : kRetirementBands)
        if (age <= band.lastAge) return goalkeeper ? band.goalkeeper : band.outfield;
    return kAlwaysRetires;
}

void RenewPlayersForNewSeason()
{
    const TDateTime seasonEnd = Calendar[kCalendarDays].date;
    for (std::size_t i = 1; i < Players.size(); ++i) {
        TPlayer& player = Players[i];
        const TClub* club = ClubOf(player);
        if (club == nullptr) continue;
        for (int kind = 1; kind < kCompetitionKinds; ++kind) {
            player.YellowCards[kind] = 0;
            player.Bans[kind] = 0;
        }
        player.Energy = 100;
        const int index = static_cast<int>(i);
        if (Rollover().computePlayerValue) player.Value = CurrencyFromUnits(Rollover().computePlayerValue(index));
        const bool renewWage = !club->IsHuman || player.ContractEnd < seasonEnd;
        if (renewWage && Rollover().computePlayerWage) player.wage = CurrencyFromUnits(Rollover().computePlayerWage(index));
    }
}

void AgeAndRetirePlayers()
{
    // The players of the season only: youths appended below are not aged or retired again.
    const std::size_t count = Players.size();
    for (std::size_t i = 1; i < count; ++i) {
        TPlayer& player = Players[i];
        const TClub* club = ClubOf(player);
        if (club == nullptr) continue;
        ++player.Age;
        if (player.Age > 70)
            MarkToSettle(static_cast<int>(i));  // brought back to the oldest age on the next matchday
        if (club->IsHuman) continue;
        player.ListedForSale = 0;
        if (player.loanStatus != kOnLoan) player.loanStatus = 0;
        if (Retires(player)) ReplaceWithYouth(static_cast<int>(i));
    }
}

}  // namespace tarvelon
