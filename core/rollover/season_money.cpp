#include "core/rollover/season_money.h"

#include "core/basics/random.h"
#include "core/rollover/club_range.h"

namespace tarvelon {

namespace {

struct DivisionMoney {
    std::int64_t human;            // added for a human-run club
    std::int32_t cpuSpread;        // a computer-run club gets Random(spread) + base
    std::int64_t cpuBaseWithStates;
    std::int64_t cpuBase;
};

// Divisions 0 (regional) to 4, whole money units.
constexpr DivisionMoney kSeasonMoney[] = {
    {0, 200'000, 200'000, 200'000},
    {3'000'000, 1'000'000, 12'000'000, 10'000'000},
    {1'500'000, 1'000'000, 9'000'000, 5'000'000},
    {1'000'000, 1'000'000, 4'000'000, 2'000'000},
    {800'000, 500'000, 1'000'000, 500'000},
};

}  // namespace

void PayNewSeasonMoney()
{
    for (int i = 0; i < LeagueAndExtraClubCount(); ++i) {
        TClub& club = Clubs[static_cast<std::size_t>(i)];
        if (club.Division < 0 || club.Division > kDivisions) continue;
        const DivisionMoney& money = kSeasonMoney[club.Division];
        if (club.IsHuman) {
            AddUnitsToCash(club.cash, money.human);
            if (static_cast<std::size_t>(i) < ClubFinances.size())
                AddToAccount(ClubFinances[static_cast<std::size_t>(i)].sponsorship, money.human);
        } else {
            const std::int64_t base = Game.StateChampionshipsOn ? money.cpuBaseWithStates : money.cpuBase;
            club.cash = CurrencyFromUnits(Random(money.cpuSpread) + base);
        }
    }
}

}  // namespace tarvelon
