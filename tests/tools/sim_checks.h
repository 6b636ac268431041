#pragma once
// Invariants of a game played headless, checked after every matchday and every season: standings
// add up, players and coaches belong where the tables say, boards and supporters stay within
// 0..100, money moves only through the booked accounts, every fixture of a finished season is
// played exactly once and every competition has one champion.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>
#include <vector>

#include "core/draws/state_championship.h"
#include "core/economy/bank.h"
#include "core/newgame/new_game_setup.h"
#include "core/records/history_records.h"
#include "core/records/match_records.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/season/competitions.h"
#include "core/season/fixtures.h"
#include "core/seasonloop/season_loop.h"
#include "core/tables.h"

namespace tarvelon::simcheck {

// A new game of Brazil (with its state championships), Argentina and Spain whose first Brazilian
// club is taken by a human coach, its season loop begun: the club's index, or -1.
inline int StartGameWithHumanClub()
{
    BeginNewGameSetup();
    ListNewGameClubFiles();
    NewGameChoices choices;
    choices.countries = {29, 11, 65};
    choices.stateChampionships = true;
    if (!SetUpNewGameBeforeCoaches(choices))
        return -1;
    const int club = Leagues[static_cast<std::size_t>(FindLeagueByCountry(29))].divisions[0][0];
    if (!ChooseHumanClub(1, club, "Treinador"))
        return -1;
    const FirstScreen first = RunNewGameBuilder();
    if (first == FirstScreen::None)
        return -1;
    BeginSeasonLoop(first == FirstScreen::Matchday);
    return club;
}

inline bool IsClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }

// Points are three a win and one a draw; over every table the goals scored are the goals let in
// and the wins are the losses.
inline void ExpectStandingsAddUp()
{
    for (int kind : {1, 3, 4, 6, 7, 8, 9}) {
        std::map<std::tuple<int, int>, long long> goalBalance;
        long long wins = 0;
        long long losses = 0;
        for (const TClub& c : Clubs) {
            const int draws = c.Played[kind] - c.Won[kind] - c.Lost[kind];
            ASSERT_GE(draws, 0) << c.name.str() << " kind " << kind;
            ASSERT_EQ(c.Points[kind], 3 * c.Won[kind] + draws) << c.name.str() << " kind " << kind;
            // League tables are the divisions of a country; the others are summed by kind.
            const auto table = kind == kKindNationalLeague ? std::make_tuple(c.Country, c.Division) : std::make_tuple(0, 0);
            goalBalance[table] += c.GoalsFor[kind] - c.GoalsAgainst[kind];
            wins += c.Won[kind];
            losses += c.Lost[kind];
        }
        for (const auto& [table, balance] : goalBalance)
            ASSERT_EQ(balance, 0) << "kind " << kind << " country " << std::get<0>(table) << " division " << std::get<1>(table);
        ASSERT_EQ(wins, losses) << "kind " << kind;
    }
}

// Each player has one club or none, a club of the tables; a loaned player is away from his owner;
// a coach leads one club and that club names him; boards and supporters stay within 0..100.
inline void ExpectPeopleWhereTheyBelong()
{
    for (std::size_t p = 1; p < Players.size(); ++p)
        ASSERT_LT(Players[p].Club, static_cast<int>(Clubs.size())) << "player " << p;
    for (const TLoan& loan : Loans) {
        if (loan.player < 0)
            continue;
        ASSERT_LT(loan.player, static_cast<int>(Players.size()));
        const TPlayer& player = Players[static_cast<std::size_t>(loan.player)];
        EXPECT_NE(player.Club, loan.ownerClub) << "loaned player " << loan.player << " at his owner";
    }
    std::set<int> coachesInClubs;
    for (int c = 0; c < static_cast<int>(Clubs.size()); ++c) {
        const TClub& club = Clubs[static_cast<std::size_t>(c)];
        ASSERT_GE(club.boardConfidence, 0) << club.name.str();
        ASSERT_LE(club.boardConfidence, 100) << club.name.str();
        ASSERT_GE(club.SupportersMood, 0) << club.name.str();
        ASSERT_LE(club.SupportersMood, 100) << club.name.str();
        if (club.coach < 0 || c >= Game.LeagueClubCount + Game.ExtraClubCount)
            continue;
        ASSERT_LT(club.coach, static_cast<int>(Coaches.size()));
        EXPECT_EQ(Coaches[static_cast<std::size_t>(club.coach)].club, c) << club.name.str();
        EXPECT_TRUE(coachesInClubs.insert(club.coach).second) << "coach " << club.coach << " in two clubs";
    }
}

// The starting elevens of the day's club matches, archived as the results screen opens, were
// players of their clubs.
inline void ExpectTodaysElevensInTheirClubs()
{
    const TDateTime today = Calendar[static_cast<std::size_t>(Game.DayIndex)].date;
    for (const TMatchReport& report : MatchReports) {
        if (report.date != today || report.kind >= kKindWorldCup)
            continue;
        for (int side = 0; side < 2; ++side)
            for (int player : report.startingEleven[side])
                if (player > 0) {
                    ASSERT_EQ(Players[static_cast<std::size_t>(player)].Club, report.club[side])
                        << "player " << player << " kind " << report.kind;
                }
    }
}

// Cash and the booked accounts of every club with accounts.
struct Ledger {
    std::vector<Currency> cash;
    std::vector<TClubFinance> accounts;
    std::size_t hirings = 0;  // CoachHirings then: a hire draws the club's cash anew
};

inline Ledger TakeLedger()
{
    Ledger ledger;
    const std::size_t clubs = std::min(Clubs.size(), ClubFinances.size());
    for (std::size_t c = 0; c < clubs; ++c) {
        ledger.cash.push_back(Clubs[c].cash);
        ledger.accounts.push_back(ClubFinances[c]);
    }
    ledger.hirings = CoachHirings.size();
    return ledger;
}

// The clubs charged loan interest on a day: a league or state day on a Sunday charges each club
// that played with a loan (the charge is added to the season's interest account).
inline std::set<int> ClubsChargedInterest(int kind, TDateTime date)
{
    std::set<int> charged;
    if ((kind != kKindNationalLeague && kind != kKindStateChampionship) || DayOfWeek(date) != 1)
        return charged;
    for (const TMatchReport& report : MatchReports)
        if (report.date == date && report.kind == kind)
            for (int club : report.club)
                if (club >= 0 && club < static_cast<int>(ClubFinances.size()) && ClubFinances[static_cast<std::size_t>(club)].bankLoan > 0)
                    charged.insert(club);
    return charged;
}

// Between two ledgers every change of cash is the sum of the booked movements: gates, prizes,
// sales, loans and sponsors in; wages, stadium, purchases, interest and the rest out. A club that
// took on a coach in between had its cash drawn anew by the rules of hiring and is left out.
inline void ExpectLedgerBalanced(const Ledger& before, const Ledger& after, const std::set<int>& charged)
{
    std::set<int> hired;
    for (std::size_t h = before.hirings; h < after.hirings && h < CoachHirings.size(); ++h)
        hired.insert(CoachHirings[h].club);
    const std::size_t clubs = std::min(before.cash.size(), after.cash.size());
    for (std::size_t c = 0; c < clubs; ++c) {
        if (hired.count(static_cast<int>(c)))
            continue;
        const TClubFinance& a = before.accounts[c];
        const TClubFinance& b = after.accounts[c];
        const long long in = (b.ticketIncome - a.ticketIncome) + (b.playerSales - a.playerSales) +
                             (b.bankLoan - a.bankLoan) + (b.prizes - a.prizes) + (b.sponsorship - a.sponsorship);
        const long long out = (b.wagesPaid - a.wagesPaid) + (b.stadium - a.stadium) +
                              (b.playerPurchases - a.playerPurchases) + (b.loanInterest - a.loanInterest) +
                              (b.miscellaneous - a.miscellaneous) + (b.terminationShares - a.terminationShares);
        // A club charged that day paid one week's interest on its loan; no other club paid any.
        const long long weekInterest = charged.count(static_cast<int>(c)) ? WeeklyLoanInterest(b.bankLoan) : 0;
        ASSERT_EQ(b.loanInterest - a.loanInterest, weekInterest) << Clubs[c].name.str() << " (club " << c << ")";
        ASSERT_EQ(after.cash[c] - before.cash[c], CurrencyFromUnits(in - out))
            << Clubs[c].name.str() << " (club " << c << ") on day " << Game.DayIndex << ": gates "
            << b.ticketIncome - a.ticketIncome << ", sales " << b.playerSales - a.playerSales << ", bank "
            << b.bankLoan - a.bankLoan << ", prizes " << b.prizes - a.prizes << ", sponsors "
            << b.sponsorship - a.sponsorship << ", wages " << b.wagesPaid - a.wagesPaid << ", stadium "
            << b.stadium - a.stadium << ", purchases " << b.playerPurchases - a.playerPurchases << ", other "
            << b.miscellaneous - a.miscellaneous << ", shares " << b.terminationShares - a.terminationShares
            << ", interest " << b.loanInterest - a.loanInterest;
    }
}

// Every club drawn into the groups of a continental cup belongs to the cup's continent: South
// America (with México) for the first edition, Europe for the second.
inline void ExpectContinentalGroupsOfTheirContinent()
{
    for (int kind : {kKindFirstContinentalCup, kKindSecondContinentalCup})
        for (int edition : {1, 2}) {
            const int confederation = edition == 1 ? 1 : 0;
            for (const auto& group : Game.ContinentalGroups[ContinentalGroupTable(kind, edition)])
                for (int club : group)
                    if (IsClub(club)) {
                        EXPECT_EQ(ConfederationOfCountry(Clubs[static_cast<std::size_t>(club)].Country), confederation)
                            << Clubs[static_cast<std::size_t>(club)].name.str() << " (country "
                            << Clubs[static_cast<std::size_t>(club)].Country << ") in cup kind " << kind << ", edition " << edition;
                    }
        }
}

// At the end of a season every fixture between two known clubs was played, and each played one
// is archived once.
inline void ExpectSeasonFixturesPlayedOnce()
{
    std::map<std::tuple<int, double, int, int>, int> archived;
    for (const TMatchReport& report : MatchReports)
        ++archived[{report.kind, report.date, report.club[0], report.club[1]}];
    for (std::size_t f = 0; f < Fixtures.size(); ++f) {
        const TFixture& fixture = Fixtures[f];
        if (fixture.home < 0 || fixture.away < 0)
            continue;
        ASSERT_EQ(fixture.played, 1) << "fixture " << f << " kind " << fixture.kind << " round " << fixture.round;
        const auto key = std::make_tuple(fixture.kind, fixture.date, fixture.home, fixture.away);
        ASSERT_EQ(archived[key], 1) << "fixture " << f << " kind " << fixture.kind << " round " << fixture.round;
    }
}

// No competition has two champions in a season; the leagues' divisions and the national cups
// always have one, the continental cups and the club world cup from the second season on.
inline void ExpectOneChampionEach(int season)
{
    std::map<int, int> champions;
    for (const TPlacing& placing : Placings)
        if (placing.season == season && placing.place == 1)
            ++champions[placing.competition];
    for (int c = 1; c < static_cast<int>(Competitions.size()); ++c) {
        const int kind = Competitions[static_cast<std::size_t>(c)].kind;
        const int count = champions.count(c) ? champions[c] : 0;
        EXPECT_LE(count, 1) << "competition " << c << " kind " << kind;
        const bool always = kind == kKindNationalLeague || kind == kKindNationalCup;
        const bool fromSecond = kind == kKindFirstContinentalCup || kind == kKindSecondContinentalCup || kind == kKindClubWorldCup;
        if (always || (fromSecond && season >= 2)) {
            EXPECT_EQ(count, 1) << "competition " << c << " kind " << kind;
        }
    }
}

}  // namespace tarvelon::simcheck
