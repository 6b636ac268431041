#pragma once
// Playing the game's days through the screens from the hub as a coach who lets everything go by:
// each turn through "Jogar >>", at the club hub or at the national-team hub (the automatic "4-4-2",
// or another formation when it leaves shirts empty while fit players are left off them; a squad
// short of fit players kicks off short), the
// matchday in instant play, the results' "Continuar", the auctions without a bid; the round's
// questions and the in-match screens are closed by an InMatchAnswerer the caller keeps running.
// Shared by the season test and the benchmarks of seasons played on screen.
#include <QTest>

#include <functional>
#include <string>

#include "controls/grad_button.h"
#include "core/lineup/auto_lineup.h"
#include "core/records/game_state.h"
#include "core/vocab/tactics_board.h"
#include "platform/forms/screen.h"
#include "platform/stdctrls/containers.h"
#include "screens/club/auction_screen.h"
#include "screens/common/navigator.h"
#include "screens/competitions/national_hub_screen.h"
#include "screens/competitions/season_summary_screen.h"
#include "screens/matchday/results_screen.h"
#include "tests/screens/hub_driving.h"

namespace tarvelon::test {

// The player auction waiting for the coach's bid (null while none is).
inline TForm23* AuctionAwaitingBid()
{
    TForm23* auction = Shown<TForm23>();
    return auction && auction->Notebook1->PageIndex() == 0 && auction->Auction().turnClub >= 0 ? auction : nullptr;
}

// The hub once the round's questions are answered.
inline TForm13* HubReadyToPlay() { return !PostRoundPending ? OpenHub() : nullptr; }

inline bool GameAwaitsTheCoach()
{
    return Shown<TForm67>() != nullptr || HubReadyToPlay() != nullptr || Shown<TForm75>() != nullptr ||
           AuctionAwaitingBid() != nullptr || ShownScreen("TForm26") != nullptr;
}

// What the caller does on each day's results, and whether the results are left to continue by
// themselves (instant play's own clock) instead of with "Continuar".
struct SeasonFromHubDriving {
    // The day's results are shown, before they are left (false stops the season there).
    std::function<bool(TForm67& results)> onResults;
    // The calendar has moved on past the day (false stops the season there).
    std::function<bool()> afterDay;
    bool resultsContinueByThemselves = false;
    int mostDays = 400;  // far more than a season has: a game stuck in a loop stops
};

struct SeasonFromHubTally {
    bool reachedSeasonEnd = false;  // the season's summary is on screen
    int days = 0;
    int hubTurns = 0;
    int nationalTurns = 0;
    int auctions = 0;
    std::string failure;  // why the season stopped early; empty when it did not
};

// Plays days from the screen on show (the hub, or a day's results) until the season's summary
// (TForm26) opens, a callback stops it, or no screen awaits the coach.
inline SeasonFromHubTally PlayToSeasonEnd(const SeasonFromHubDriving& driving)
{
    SeasonFromHubTally tally;
    std::string lineupLeftShort;
    while (tally.days < driving.mostDays) {
        if (!PumpUntil(GameAwaitsTheCoach, 120000)) {
            tally.failure = "no screen awaits the coach after day " + std::to_string(tally.days);
            return tally;
        }
        if (ShownScreen("TForm26")) {
            tally.reachedSeasonEnd = true;
            return tally;
        }
        if (TForm23* auction = AuctionAwaitingBid()) {  // no bid: the computer clubs settle it
            ++tally.auctions;
            QTest::mouseClick(auction->CHButton1->Widget(), Qt::LeftButton);
            Pump(10);
            continue;
        }
        if (TForm13* hub = HubReadyToPlay()) {
            ++tally.hubTurns;
            WhenLineupOpens(
                [&lineupLeftShort](TForm87& lineup) { PlayTheAutomaticEleven(lineup, lineupLeftShort); });
            QTest::mouseClick(hub->btjogar->Widget(), Qt::LeftButton);
            if (!lineupLeftShort.empty()) {
                tally.failure = lineupLeftShort;
                return tally;
            }
            Pump(10);
            continue;
        }
        if (TForm75* nationalHub = Shown<TForm75>()) {
            ++tally.nationalTurns;
            WhenLineupOpens(
                [&lineupLeftShort](TForm87& lineup) { PlayTheAutomaticEleven(lineup, lineupLeftShort); });
            QTest::mouseClick(nationalHub->btjogar->Widget(), Qt::LeftButton);
            // The line-up stands beside the national hub: the turn ends when the hub has closed it
            // and serves the next nation or has closed itself.
            if (!PumpUntil([] { return Form87.Get() == nullptr; }, 60000) ||
                !PumpUntil([nationalHub] { return Shown<TForm75>() != nationalHub || Game.CurrentHumanCoach >= 0; })) {
                tally.failure = "the national-team hub's turn did not end on day " + std::to_string(tally.days + 1);
                return tally;
            }
            if (!lineupLeftShort.empty()) {
                tally.failure = lineupLeftShort;
                return tally;
            }
            Pump(10);
            continue;
        }
        TForm67* results = Shown<TForm67>();
        if (!driving.resultsContinueByThemselves)
            results->Timer1->SetEnabled(false);
        if (driving.onResults && !driving.onResults(*results))
            return tally;
        const auto resultsLeft = [results] { return Shown<TForm67>() != results; };
        const std::string stayed = "the results of day " + std::to_string(tally.days + 1) + " stay on screen";
        if (!driving.resultsContinueByThemselves)
            QTest::mouseClick(results->bt3->Widget(), Qt::LeftButton);
        else if (!PumpUntil(resultsLeft, 120000)) {
            tally.failure = stayed;
            return tally;
        }
        ++tally.days;
        if (driving.afterDay && !driving.afterDay())
            return tally;
        if (!PumpUntil(resultsLeft, 120000)) {
            tally.failure = stayed;
            return tally;
        }
    }
    tally.failure = "the season did not end within " + std::to_string(driving.mostDays) + " days";
    return tally;
}

}  // namespace tarvelon::test
