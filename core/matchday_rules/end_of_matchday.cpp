#include "core/matchday_rules/end_of_matchday.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "core/basics/random.h"
#include "core/basics/rounding.h"
#include "core/club_rosters.h"
#include "core/economy/bank.h"
#include "core/economy/squad_rules.h"
#include "core/history/history_appenders.h"
#include "core/records/history_records.h"
#include "core/mail/mail.h"
#include "core/match/match_day.h"
#include "core/match/played_today.h"
#include "core/records/match_records.h"
#include "core/matchday/matchday_driver.h"
#include "core/matchday_rules/match_stats.h"
#include "core/matchday_rules/matchday_setup.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kSunday = 1;

bool IsClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }

TClubFinance* FinanceOf(int club)
{
    return club >= 0 && club < static_cast<int>(ClubFinances.size()) ? &ClubFinances[club] : nullptr;
}

void AddAllTime(TClub& club, int kind, int goalsFor, int goalsAgainst)
{
    auto& record = club.allTimeRecord[kind - 1];
    record[kAllTimePoints] += goalsFor > goalsAgainst ? 3 : goalsFor == goalsAgainst ? 1 : 0;
    record[kAllTimeGoalsFor] += goalsFor;
    record[kAllTimeGoalsAgainst] += goalsAgainst;
}

void ClearBench(int lineup)
{
    if (lineup >= 0 && lineup < static_cast<int>(Lineups.size()))
        std::fill(std::begin(Lineups[lineup].bench), std::end(Lineups[lineup].bench), 0);
}

bool WageDay(int kind)
{
    if (kind == kKindNationalLeague || kind == kKindStateChampionship)
        return DayOfWeek(TodayDate()) == kSunday;
    return kind == kKindFriendlies && Game.DayIndex < 10;
}

void PayWages(int club)
{
    TClubFinance* finance = FinanceOf(club);
    if (finance == nullptr)
        return;
    const std::int64_t wages = WeeklyWagesDue(club);
    AddUnitsToCash(Clubs[club].cash, -wages);
    AddToAccount(finance->wagesPaid, wages);
}

void TakeGate(int club, std::int64_t units)
{
    AddUnitsToCash(Clubs[club].cash, units);
    if (TClubFinance* finance = FinanceOf(club))
        AddToAccount(finance->ticketIncome, units);
}

void BookGate(int kind, const jogos& match)
{
    if (kind == kKindNationalCup) {
        TakeGate(match.club[0], match.gate / 2);
        TakeGate(match.club[1], match.gate / 2);
    } else if (kind <= kKindSecondContinentalCup) {
        TakeGate(match.club[0], match.gate);
    }
}

void ChargeLoanInterest(int club)
{
    TClubFinance* finance = FinanceOf(club);
    if (finance == nullptr || finance->bankLoan <= 0)
        return;
    // The season's accounts add up every week's interest, as they add up the wages. With "the
    // finance record's interest field is set (not added) to that amount" the season's "Juros
    // empréstimo:" and its spending total would hold only the last Sunday's interest of all the
    // interest paid out of the cash.
    const std::int32_t interest = WeeklyLoanInterest(finance->bankLoan);
    AddUnitsToCash(Clubs[club].cash, -std::int64_t{interest});
    AddToAccount(finance->loanInterest, interest);
}

bool CountsInTable(int kind)
{
    switch (kind) {
    case kKindNationalLeague: return true;
    case kKindStateChampionship: return Game.StateStage < 6;
    case kKindFirstContinentalCup: return Game.FirstContinentalStage < 4;
    case kKindSecondContinentalCup: return Game.SecondContinentalStage < 4;
    case kKindWorldCup:
    case kKindCopaAmerica:
    case kKindEurocopa: return Game.TournamentStage < 4;
    default: return false;
    }
}

void AddToTable(TClub& club, int kind, int goalsFor, int goalsAgainst)
{
    club.Played[kind] += 1;
    club.GoalsFor[kind] += goalsFor;
    club.GoalsAgainst[kind] += goalsAgainst;
    if (goalsFor > goalsAgainst) {
        club.Points[kind] += 3;
        club.Won[kind] += 1;
        club.lastResult = 1;
    } else if (goalsFor < goalsAgainst) {
        club.Lost[kind] += 1;
        club.lastResult = 2;
    } else {
        club.Points[kind] += 1;
        club.lastResult = 0;
    }
}

void CoachStat(int club, int amount, const char* tag)
{
    if (amount != 0 && Clubs[club].coach >= 0)
        AddCoachSeasonStat(Clubs[club].coach, club, amount, tag);
}

// Ranking points by a 1-based band (division or state group); 0 outside the list.
int ByBand(int band, std::initializer_list<int> points)
{
    return band >= 1 && band <= static_cast<int>(points.size()) ? points.begin()[band - 1] : 0;
}

int WinPoints(int kind, int winner, int loser)
{
    switch (kind) {
    case kKindNationalLeague: return ByBand(Clubs[winner].Division, {5, 4, 3, 2});
    case kKindNationalCup: return Clubs[loser].Division >= 1 && Clubs[loser].Division <= 4 ? 5 : 0;
    case kKindStateChampionship: return ByBand(Clubs[winner].stateGroup, {3, 2, 1, 1});
    case kKindFirstContinentalCup: return 5;
    case kKindSecondContinentalCup: return 4;
    default: return 0;
    }
}

int DrawPoints(int kind, int club, bool home)
{
    switch (kind) {
    case kKindNationalLeague: return home ? ByBand(Clubs[club].Division, {3, 2, 1}) : ByBand(Clubs[club].Division, {4, 3, 2, 1});
    case kKindNationalCup: return 2;
    case kKindStateChampionship: return ByBand(Clubs[club].stateGroup, {2, 1});
    case kKindFirstContinentalCup: return home ? 3 : 4;
    case kKindSecondContinentalCup: return home ? 3 : 2;
    default: return 0;
    }
}

void CoachResultStats(int kind, int home, int homeGoals, int awayGoals, int away)
{
    const bool continental = kind == kKindFirstContinentalCup || kind == kKindSecondContinentalCup;
    if (kind < kKindNationalLeague || kind > kKindSecondContinentalCup || kind == kKindClubWorldCup)
        return;
    if (homeGoals == awayGoals) {
        CoachStat(home, DrawPoints(kind, home, true), "pr");
        CoachStat(away, DrawPoints(kind, away, false), "pr");
        if (continental)
            Clubs[home].lastResult = Clubs[away].lastResult = 0;
        return;
    }
    const int winner = homeGoals > awayGoals ? home : away;
    const int loser = winner == home ? away : home;
    CoachStat(winner, 1, "v");
    CoachStat(loser, 1, "d");
    CoachStat(winner, WinPoints(kind, winner, loser), "pr");
    if (continental) {
        Clubs[winner].lastResult = 1;
        Clubs[loser].lastResult = 2;
    }
}

// A human club beaten heavily hears from its supporters.
void HeavyDefeats(int home, int homeGoals, int awayGoals, int away)
{
    const int homeMargin = awayGoals - homeGoals;
    if (Clubs[home].IsHuman != 0 && homeMargin >= 4) {
        SendMail(home, mkSupporters, 0, 0, 0, 0);
        Clubs[home].heavyDefeat = std::min(homeMargin - 3, 4);
    }
    const int awayMargin = homeGoals - awayGoals;
    if (Clubs[away].IsHuman != 0 && awayMargin >= 5) {
        SendMail(away, mkSupporters, 0, 0, 0, 0);
        Clubs[away].heavyDefeat = std::min(awayMargin - 4, 3);
    }
}

// Energy regained after the day by whether the player played, his position and his age.
int RecoveryGain(const TPlayer& player)
{
    struct Band {
        int lastAge;
        int gain;
    };
    static constexpr Band kOutfield[] = {{26, 10}, {33, 20}, {45, 30}, {55, 40}, {170, 50}};
    static constexpr Band kKeeper[] = {{26, 5}, {33, 10}, {45, 14}, {55, 18}, {170, 20}};
    static constexpr Band kRested[] = {{25, 55}, {35, 40}, {45, 30}, {55, 20}, {70, 10}, {170, 5}};
    auto gainOf = [&player](const auto& bands) {
        if (player.Age < 0)
            return 0;
        for (const Band& band : bands)
            if (player.Age <= band.lastAge)
                return band.gain;
        return 0;
    };
    if (player.PlayedThisRound == 0)
        return gainOf(kRested);
    return player.Position == 0 ? gainOf(kKeeper) : gainOf(kOutfield);
}

void PlayDayTicks()
{
    for (int tick = 1; tick <= kLastMatchdayTick; ++tick)
        PlayMatchdayTick(tick);
}

}  // namespace

void BookMatchResult(int m, int kind)
{
    const jogos& match = Matches[m];
    const int home = match.club[0];
    const int away = match.club[1];
    if (!IsClub(home) || !IsClub(away))
        return;
    const int homeGoals = match.goals[0];
    const int awayGoals = match.goals[1];
    if (kind >= kKindNationalLeague && kind <= kKindSecondContinentalCup) {
        AddAllTime(Clubs[home], kind, homeGoals, awayGoals);
        AddAllTime(Clubs[away], kind, awayGoals, homeGoals);
    }
    ClearBench(match.lineup[0]);
    ClearBench(match.lineup[1]);
    if (kind > kKindFriendlies)
        ApplyResultToStandings(kind, home, homeGoals, awayGoals, away);
    if (kind <= kKindSecondContinentalCup)
        PastMatches.push_back(TPastMatch{home, away, homeGoals, awayGoals, Game.Season, kind});
    if (WageDay(kind)) {
        PayWages(home);
        PayWages(away);
    }
    BookGate(kind, match);
    if ((kind == kKindNationalLeague || kind == kKindStateChampionship) && DayOfWeek(TodayDate()) == kSunday) {
        ChargeLoanInterest(home);
        ChargeLoanInterest(away);
    }
    TouchUpMatchStatistics(m);
    RecoverMatchPlayers(m);
}

void ApplyResultToStandings(int kind, int homeClub, int homeGoals, int awayGoals, int awayClub)
{
    if (!IsClub(homeClub) || !IsClub(awayClub) || kind < 0 || kind >= kCompetitionKinds)
        return;
    CoachStat(homeClub, 1, "j");
    CoachStat(awayClub, 1, "j");
    if (CountsInTable(kind)) {
        AddToTable(Clubs[homeClub], kind, homeGoals, awayGoals);
        AddToTable(Clubs[awayClub], kind, awayGoals, homeGoals);
    }
    CoachResultStats(kind, homeClub, homeGoals, awayGoals, awayClub);
    HeavyDefeats(homeClub, homeGoals, awayGoals, awayClub);
}

void RecoverMatchPlayers(int m)
{
    const int home = Matches[m].club[0];
    const int away = Matches[m].club[1];
    ForEachPlayerOfClubs(home, away, PostMatchRecovery);
}

void PostMatchRecovery(int p)
{
    if (p < 1 || p >= static_cast<int>(Players.size()))
        return;
    TPlayer& player = Players[p];
    player.Energy += RecoveryGain(player);
    if (player.Star != 0)
        player.Energy += 3;
    if (IsClub(player.Club) && Clubs[player.Club].IsHuman == 0 && player.Energy < 30)
        player.Energy = Random(20) + 20;
    if (player.Energy > 100)
        player.Energy = 100;
    if (player.Energy < 0)
        player.Energy = 5;
    if (player.PlayedThisRound)
        NotePlayedToday(p);
    player.PlayedThisRound = 0;
}

bool IsKnockoutSecondLegDay(int kind)
{
    switch (kind) {
    case kKindNationalCup: return Game.NationalCupLeg == 2;
    case kKindFirstContinentalCup: return Game.FirstContinentalStage >= 4 && Game.FirstContinentalLeg == 2;
    case kKindSecondContinentalCup: return Game.SecondContinentalStage >= 4 && Game.SecondContinentalLeg == 2;
    default: return false;
    }
}

void EndOfMatchday(const std::function<void()>& resolveKnockouts)
{
    MatchdayRecord record = MatchdayRecordOfToday();
    const int kind = record.kind;
    record.bookResult = [kind](int m) { BookMatchResult(m, kind); };
    record.updateMorale = false;
    record.keepLineups = true;
    if (resolveKnockouts && IsKnockoutSecondLegDay(kind))
        record.afterResults = resolveKnockouts;
    FinishMatchday(record);
}

void ClearMatchday()
{
    MatchEvents.clear();
    BookedPlayers.clear();
    ResetMatchday(0);
}

void SimulateMatchdayInstant(int kind, const std::function<void()>& resolveKnockouts)
{
    SetupLeagueCupMatchday(kind);
    PlayDayTicks();
    EndOfMatchday(resolveKnockouts);
}

void SimulateStateMatchdaySilent(const std::function<void()>& resolveKnockouts)
{
    SetupStateMatchday();
    PlayDayTicks();
    EndOfMatchday(resolveKnockouts);
}

}  // namespace tarvelon
