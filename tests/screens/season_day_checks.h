#pragma once
// What a season played on screen must keep day after day, as the headless seasons keep it (the
// checks themselves are the headless ones, tests/tools/sim_checks.h): on the results screen the
// day's elevens were players of their clubs; after "Continuar" the money moved only through the
// booked accounts, every club's list of players is the players whose Club names it, the standings
// add up and everyone belongs where the tables say; after the season's last day every fixture was
// played once and every competition has one champion.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/club_rosters.h"
#include "core/progression/calendar_advance.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/tables.h"
#include "tests/tools/sim_checks.h"

namespace tarvelon::test {

// Each club's list of players is the walk over the players naming it. A league or extra club
// counts in its squad the players it has and those away on a national team's call-up (the national
// teams keep no count).
inline void ExpectSquadsAsThePlayersSay()
{
    std::vector<std::vector<int>> walked(Clubs.size());
    for (int p = 1; p < static_cast<int>(Players.size()); ++p)
        if (simcheck::IsClub(Players[p].Club))
            walked[static_cast<std::size_t>(Players[p].Club)].push_back(p);
    std::vector<int> calledAway(Clubs.size(), 0);
    for (const TCallUp& callUp : CallUps)
        if (simcheck::IsClub(callUp.club) && Players[callUp.player].Club != callUp.club)
            ++calledAway[static_cast<std::size_t>(callUp.club)];
    for (int c = 0; c < static_cast<int>(Clubs.size()); ++c) {
        const auto club = static_cast<std::size_t>(c);
        ASSERT_EQ(PlayersOfClub(c), walked[club]) << Clubs[c].name.str() << " (club " << c << ")";
        if (c >= Game.LeagueClubCount + Game.ExtraClubCount)
            continue;
        ASSERT_EQ(Clubs[c].squadSize, static_cast<int>(walked[club].size()) + calledAway[club])
            << Clubs[c].name.str() << " (club " << c << ") on a day of kind " << Game.DayKind;
    }
}

class SeasonDayChecks {
public:
    SeasonDayChecks() : ledger_(simcheck::TakeLedger()) {}

    // On the results screen, before "Continuar": the elevens, and the clubs whose loan interest the
    // day charges (the interest account is then set to the charge, not added to).
    void AtResults()
    {
        simcheck::ExpectTodaysElevensInTheirClubs();
        charged_ = simcheck::ClubsChargedInterest(Game.DayKind, TodayDate());
    }

    // After "Continuar" (the calendar moved on): the day's checks, and the season's when that was
    // its last day (the summary that follows turns the season).
    void AfterDay()
    {
        const simcheck::Ledger now = simcheck::TakeLedger();
        simcheck::ExpectLedgerBalanced(ledger_, now, charged_);
        ledger_ = now;
        charged_.clear();
        ExpectSquadsAsThePlayersSay();
        simcheck::ExpectStandingsAddUp();
        simcheck::ExpectPeopleWhereTheyBelong();
        if (NextDayKind == -1) {
            simcheck::ExpectSeasonFixturesPlayedOnce();
            simcheck::ExpectOneChampionEach(Game.Season);
            ++seasonsChecked_;
        }
    }

    // After the season's turn the accounts start afresh (the headless seasons take the ledger anew
    // there too); after a load the game is another copy of the same tables.
    void AfterSeasonTurn()
    {
        ExpectSquadsAsThePlayersSay();
        simcheck::ExpectStandingsAddUp();
        simcheck::ExpectPeopleWhereTheyBelong();
        TakeLedgerAnew();
    }
    void TakeLedgerAnew() { ledger_ = simcheck::TakeLedger(); }

    int SeasonsChecked() const { return seasonsChecked_; }

private:
    simcheck::Ledger ledger_;
    std::set<int> charged_;
    int seasonsChecked_ = 0;
};

}  // namespace tarvelon::test
