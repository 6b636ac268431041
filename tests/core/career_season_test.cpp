// A season of computer market rounds, loans and coach sackings on a synthetic game, with results
// faked by shuffling the standings; the invariants of squads, money, loans and coaches hold after
// every round.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "core/progression/post_round.h"
#include "core/basics/random.h"
#include "core/career/career_state.h"
#include "core/career/coach_sacking.h"
#include "core/career/job_offer_walks.h"
#include "core/economy/between_rounds.h"
#include "core/economy/ai_market.h"
#include "core/economy/loans.h"
#include "core/economy/transfers.h"
#include "core/economy/youth.h"
#include "core/hooks.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "tests/core/economy_test_world.h"

namespace tarvelon {
namespace {

using testworld::Build;
using testworld::MakeHuman;

// The standings of a round: each division in a new random order, boards a little happier or
// angrier, now and then one that has lost its patience.
void FakeRound()
{
    for (const TLeague& league : Leagues) {
        for (int d = 0; d < league.divisionCount; ++d) {
            std::vector<int> order;
            for (int s = 0; s < kClubsPerDivision && league.divisions[d][s] >= 0; ++s)
                order.push_back(league.divisions[d][s]);
            for (int i = 0; i < static_cast<int>(order.size()); ++i)
                std::swap(order[i], order[Random(static_cast<int>(order.size()))]);
            for (int i = 0; i < static_cast<int>(order.size()); ++i)
                Clubs[order[i]].Place[1] = i + 1;
        }
    }
    for (int c = 0; c < Game.LeagueClubCount; ++c) {
        TClub& club = Clubs[c];
        club.boardConfidence = std::clamp(club.boardConfidence + Random(21) - 10, 0, 100);
        if (Random(40) == 0)
            club.boardConfidence = Random(10);
    }
}

// A computer club lends one of its players to another computer club for a few weeks.
void LendSomeone()
{
    const int owner = Random(Game.LeagueClubCount);
    const int holder = Random(Game.LeagueClubCount);
    if (owner == holder || Clubs[owner].IsHuman || Clubs[holder].IsHuman)
        return;
    for (int p = 1; p < static_cast<int>(Players.size()); ++p) {
        if (Players[p].Club == owner && Players[p].loanStatus == 0 && FindOpenLoan(p) < 0 && Random(4) == 0) {
            const TDateTime end = TodayDate() + 7 * (1 + Random(6));
            AddLoan(p, owner, end);
            LoanPlayer(p, holder, end);
            return;
        }
    }
}

void RetireSomeone()
{
    const int p = 1 + Random(static_cast<int>(Players.size()) - 1);
    const int club = Players[p].Club;
    if (club < 0)
        return;
    CreateYouthReplacement(p, "", -1);
    RecountSquad(club);
    RecalcClubWageBill(club);
}

struct MoneyCheck {
    std::int64_t cash;
    std::int64_t shares;
};

std::int64_t TotalShares()
{
    std::int64_t shares = 0;
    for (const TClubFinance& f : ClubFinances)
        shares += f.terminationShares;
    return shares;
}

void ExpectSquadsAddUp()
{
    std::map<int, int> size;
    int withClub = 0;
    for (int p = 1; p < static_cast<int>(Players.size()); ++p) {
        const int club = Players[p].Club;
        if (club < 0)
            continue;
        ASSERT_LT(club, static_cast<int>(Clubs.size())) << "player " << p;
        ++size[club];
        ++withClub;
    }
    int counted = 0;
    for (int c = 0; c < static_cast<int>(Clubs.size()); ++c) {
        TClub& club = Clubs[c];
        EXPECT_EQ(club.squadSize, size[c]) << "club " << c;
        counted += club.squadSize;
        const TClub stored = club;
        const std::int32_t bill = ClubFinances[c].weeklyWageBill;
        RecountSquad(c);
        RecalcClubWageBill(c);
        for (int position = 0; position < 5; ++position)
            EXPECT_EQ(club.playersPerPosition[position], stored.playersPerPosition[position]) << "club " << c;
        EXPECT_EQ(ClubFinances[c].weeklyWageBill, bill) << "club " << c;
    }
    EXPECT_EQ(counted, withClub);
}

void ExpectLoansConsistent(TDateTime today)
{
    std::set<int> loaned;
    for (const TLoan& loan : Loans) {
        if (loan.player == -1)
            continue;
        EXPECT_TRUE(loaned.insert(loan.player).second) << "two open loans of player " << loan.player;
        const TPlayer& p = Players[loan.player];
        EXPECT_EQ(p.loanStatus, 2);
        EXPECT_NE(p.Club, loan.ownerClub);
        EXPECT_GE(p.Club, 0);
        // Due loans went back, unless the owner had no room.
        if (loan.endDate <= today) {
            EXPECT_GE(Clubs[loan.ownerClub].squadSize, 28);
        }
    }
    for (int p = 1; p < static_cast<int>(Players.size()); ++p) {
        if (Players[p].Club >= 0 && Players[p].loanStatus == 2) {
            EXPECT_TRUE(loaned.count(p)) << "player " << p << " on loan without a loan";
        }
    }
}

void ExpectCoachesConsistent()
{
    std::set<int> coaching;
    for (int c = 0; c < static_cast<int>(Clubs.size()); ++c) {
        const int coach = Clubs[c].coach;
        if (coach < 0)
            continue;
        EXPECT_TRUE(coaching.insert(coach).second) << "coach " << coach << " of two clubs";
        EXPECT_EQ(Coaches[coach].club, c);
        EXPECT_EQ(Coaches[coach].active, 1);
        EXPECT_EQ(Clubs[c].IsHuman != 0, Coaches[coach].human != 0) << "club " << c;
    }
    for (int k = 0; k < static_cast<int>(Coaches.size()); ++k) {
        if (Coaches[k].club >= 0) {
            EXPECT_EQ(Clubs[Coaches[k].club].coach, k);
        }
    }
    int human = 0;
    for (const TClub& club : Clubs)
        human += club.IsHuman;
    int slots = 0;
    for (int slot : Game.HumanClubs) {
        if (slot >= 0) {
            ++slots;
            EXPECT_TRUE(Clubs[slot].IsHuman);
        }
    }
    EXPECT_EQ(Game.HumanClubCount, human);
    EXPECT_EQ(slots, human);
    EXPECT_EQ(CoachChangeClub, -1);
}

class CareerSeasonTest : public ::testing::TestWithParam<std::uint32_t> {
protected:
    void TearDown() override
    {
        Hooks().showJobOffers = nullptr;
        Hooks().showCoachChange = nullptr;
        Hooks().showCoachDismissal = nullptr;
    }
};

TEST_P(CareerSeasonTest, MarketLoansAndSackingsKeepTheGameWhole)
{
    Build({{104, 2}, {29, 2}, {65, 2}}, 4, GetParam(), true);
    MakeHuman(3);
    MakeHuman(26);
    for (const int club : {3, 26})
        Leagues[club < 22 ? 0 : 1].humanPresent = 1;
    Game.showCoachChanges = 1;
    int notices = 0, dismissals = 0;
    Hooks().showCoachChange = [&] { ++notices; };
    Hooks().showCoachDismissal = [&](int, int, int) { ++dismissals; };
    Hooks().showJobOffers = [&] {
        if (Random(2) == 0)
            AcceptJobOffer(0);
    };
    RandSeed = testworld::MixedSeed(GetParam());

    int sackings = 0;
    for (int round = 1; round <= 36; ++round) {
        Game.DayIndex = 1 + (round - 1) * 4;
        Game.DayKind = 1;
        Game.LeagueRound = (round - 1) % 18 + 1;
        Game.LeagueTurn = round <= 18 ? 1 : 2;
        const TDateTime today = TodayDate();
        ReturnExpiredLoans(today);
        CheckHumanClubsContracts();  // as the calendar's advance does
        FakeRound();

        for (int i = 0; i < 4; ++i) {
            const MoneyCheck before{testworld::TotalCash(), TotalShares()};
            MakeAiTransfer(i % 2 ? -1 : 29);
            EXPECT_EQ(before.cash - testworld::TotalCash(), TotalShares() - before.shares);
        }
        LendSomeone();
        if (Random(3) == 0)
            RetireSomeone();
        if (Random(4) == 0) {
            const MoneyCheck before{testworld::TotalCash(), TotalShares()};
            BuySimilarPlayer(Random(Game.LeagueClubCount), Random(5), 40 + Random(40), 50'000'000);
            EXPECT_EQ(before.cash - testworld::TotalCash(), TotalShares() - before.shares);
        }

        std::vector<int> coachesBefore;
        for (const TClub& club : Clubs)
            coachesBefore.push_back(club.coach);
        OfferJoblessCoachJobs();
        SackFailingCoaches();
        for (int c = 0; c < Game.LeagueClubCount; ++c)
            sackings += Clubs[c].coach != coachesBefore[c];
        OfferMidSeasonJobs();

        ExpectSquadsAddUp();
        ExpectLoansConsistent(today);
        ExpectCoachesConsistent();
        if (HasFailure())
            FAIL() << "round " << round;
    }
    std::int64_t sales = 0, purchases = 0;
    for (const TClubFinance& f : ClubFinances) {
        sales += f.playerSales;
        purchases += f.playerPurchases;
    }
    EXPECT_EQ(sales, purchases);
    EXPECT_GT(Transfers.size(), 30u);
    EXPECT_GT(sackings, 0);
    EXPECT_GT(dismissals + notices, 0);
    const auto closed = std::count_if(Loans.begin(), Loans.end(), [](const TLoan& loan) { return loan.player == -1; });
    EXPECT_GT(closed, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, CareerSeasonTest, ::testing::Values(1u, 2u, 3u, 4u, 5u, 6u));

}  // namespace
}  // namespace tarvelon
