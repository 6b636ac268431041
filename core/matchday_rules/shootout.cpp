#include "core/matchday_rules/shootout.h"

#include <string>

#include "core/basics/random.h"
#include "core/records/cup_tie.h"
#include "core/hooks.h"
#include "core/match/match_flags.h"
#include "core/records/match_records.h"
#include "core/records/matchday_globals.h"
#include "core/progression/day_matches.h"
#include "core/progression/knockout_ties.h"
#include "core/season/competition_kind.h"
#include "core/season/fixtures.h"
#include "core/tables.h"

namespace tarvelon {

int ShootoutTie = 0;
int ShootoutUserTakers = 0;
int ShootoutClubA = -1;
int ShootoutClubB = -1;
int ShootoutResult = -1;
int ShootoutFixture = -1;
ShootoutTakerList ShootoutTakersA{};
ShootoutTakerList ShootoutTakersB{};

namespace {
const GameTableReset shootoutReset([] {
    ShootoutTie = 0;
    ShootoutUserTakers = 0;
    ShootoutClubA = -1;
    ShootoutClubB = -1;
    ShootoutResult = -1;
    ShootoutFixture = -1;
    ShootoutTakersA = {};
    ShootoutTakersB = {};
});
}  // namespace

const std::array<int, 25> PitchSlotListOrder = {1,  9,  3,  4,  5,  6,  7,  8,  2,  17, 13, 12, 11,
                                                16, 15, 14, 10, 25, 21, 20, 19, 24, 23, 22, 18};

namespace {

constexpr int kScoreTextLength = 17;

bool IsClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }
bool IsHumanClub(int club) { return IsClub(club) && Clubs[club].IsHuman != 0; }

void MarkFixture(int fixture, int goalsHome, int goalsAway)
{
    if (fixture < 0 || fixture >= static_cast<int>(Fixtures.size()))
        return;
    Fixtures[fixture].homeShootout = goalsHome;
    Fixtures[fixture].awayShootout = goalsAway;
}

template <int N>
TCupTie* TieAt(TCupTieTable<N>& table, int tie)
{
    return tie >= 1 && tie <= N ? &table[tie] : nullptr;
}

void FinishNationalTeamTie(int winner, int loser, int goalsA, int goalsB)
{
    if (TCupTie* tie = TieAt(NationalCupTies, ShootoutTie)) {
        tie->winner = winner;
        std::string text = tie->scoreText.str() + ";P:" + std::to_string(goalsA) + "x" + std::to_string(goalsB);
        if (text.size() > kScoreTextLength)
            text.resize(kScoreTextLength);
        tie->scoreText.set(text);
    }
    const int lastStageWithLosers = Game.DayKind == kKindWorldCup ? 7 : 6;
    if (Game.TournamentStage < lastStageWithLosers && IsClub(loser))
        Clubs[loser].NationalTeamCupEntry = 0;
}

void FinishClubWorldCupTie(int winner, int loser)
{
    if (TCupTie* tie = TieAt(ClubWorldCupTies, ShootoutTie))
        tie->winner = winner;
    if (Game.ClubWorldCupStage < 3 && IsClub(loser))
        Clubs[loser].clubWorldCupEntry = 0;
}

bool ShootoutDecided() { return ShootoutResult == 1 || ShootoutResult == 2; }

// The dialogs when the program shows them; a shoot-out they leave undecided is kicked out at once.
int RunShootoutDialogs(bool humanTakers)
{
    ShootoutResult = -1;
    if (Hooks().shootoutDialog)
        Hooks().shootoutDialog(humanTakers);
    if (!ShootoutDecided())
        KickOutShootoutAtOnce();
    return ShootoutResult;
}

// Calls `take` for each starter of the club's line-up in pitch slot `slot` who is still on the pitch.
template <typename Take>
void ForStartersOnPitchInSlot(int club, int slot, Take take)
{
    if (!IsClub(club))
        return;
    const int lineup = Clubs[club].LineupIndex;
    if (lineup < 0 || lineup >= static_cast<int>(Lineups.size()))
        return;
    const TLineup& L = Lineups[lineup];
    for (int i = 0; i < 11; ++i) {
        const int player = L.starters[i];
        if (L.pitchSlots[i] == slot && player >= 1 && player < static_cast<int>(Players.size()) &&
            Players[player].OnPitch != 0)
            take(player);
    }
}

bool LeagueHasHumanClub(int league)
{
    return league >= 0 && league < static_cast<int>(Leagues.size()) && Leagues[league].humanPresent != 0;
}

}  // namespace

int FindMatchOfClubs(int clubA, int clubB) { return FindDayMatchOfClubs(clubA, clubB); }

std::vector<int> ShootoutCandidates(int club)
{
    std::vector<int> players;
    for (int slot : PitchSlotListOrder)
        ForStartersOnPitchInSlot(club, slot, [&players](int player) { players.push_back(player); });
    return players;
}

ShootoutTakerList ComputerShootoutTakers(int club)
{
    ShootoutTakerList takers{};
    int count = 0;
    for (int slot = 25; slot >= 1; --slot)
        ForStartersOnPitchInSlot(club, slot, [&](int player) {
            if (count < kShootoutTakers)
                takers[count++] = player;
        });
    return takers;
}

ShootoutKicks::ShootoutKicks(const ShootoutTakerList& takersA, const ShootoutTakerList& takersB)
    : takers_{takersA, takersB}
{
}

int ShootoutKicks::NextTaker(int side)
{
    int& next = next_[side];
    if (next >= kShootoutTakers || takers_[side][next] == 0)
        next = 0;
    return takers_[side][next];
}

bool ShootoutKicks::Kick(int side)
{
    NextTaker(side);
    next_[side] += 1;
    const bool scored = Random(3) + 1 <= 2;
    if (scored)
        goals_[side] += 1;
    return scored;
}

bool ShootoutKicks::KickA()
{
    if (winner_ != 0)
        return false;
    round_ += 1;
    const bool scored = Kick(0);
    const int a = goals_[0];
    const int b = goals_[1];
    if (round_ <= 5) {
        if (b + (5 - (round_ - 1)) < a)
            winner_ = 1;
        else if (a + (5 - round_) < b)
            winner_ = 2;
    }
    return scored;
}

bool ShootoutKicks::KickB()
{
    if (winner_ != 0)
        return false;
    const bool scored = Kick(1);
    const int a = goals_[0];
    const int b = goals_[1];
    if (round_ <= 5) {
        if (scored && a + (5 - round_) < b)
            winner_ = 2;
        else if (b + (5 - round_) < a)
            winner_ = 1;
    } else if (a != b) {
        winner_ = a > b ? 1 : 2;
    }
    return scored;
}

void KickOutShootoutAtOnce()
{
    ShootoutTakersA = ComputerShootoutTakers(ShootoutClubA);
    ShootoutTakersB = ComputerShootoutTakers(ShootoutClubB);
    ShootoutKicks kicks(ShootoutTakersA, ShootoutTakersB);
    const int winner = KickOutShootout(kicks);
    FinishShootout(winner, kicks.goals(0), kicks.goals(1));
}

int KickOutShootout(ShootoutKicks& kicks)
{
    while (kicks.winner() == 0) {
        kicks.KickA();
        if (kicks.winner() == 0)
            kicks.KickB();
    }
    return kicks.winner();
}

void FinishShootout(int winnerSide, int goalsA, int goalsB)
{
    ShootoutResult = winnerSide;
    const int winner = winnerSide == 1 ? ShootoutClubA : ShootoutClubB;
    const int loser = winnerSide == 1 ? ShootoutClubB : ShootoutClubA;
    RecordDayShootout(ShootoutClubA, ShootoutClubB, goalsA, goalsB);
    switch (Game.DayKind) {
    case kKindNationalCup:
    case kKindFirstContinentalCup:
    case kKindSecondContinentalCup: MarkFixture(ShootoutTie, goalsA, goalsB); break;
    case kKindClubWorldCup: FinishClubWorldCupTie(winner, loser); break;
    case kKindWorldCup:
    case kKindCopaAmerica:
    case kKindEurocopa: FinishNationalTeamTie(winner, loser, goalsA, goalsB); break;
    default: break;
    }
}

namespace {

// The live matchday's word after a club tie's shoot-out, held a moment.
constexpr int kClubTieNoticeMilliseconds = 30;

int DecideClubTieShootout(int fixture)
{
    const int home = Fixtures[fixture].home;
    const int away = Fixtures[fixture].away;
    ShootoutClubA = home;
    ShootoutClubB = away;
    ShootoutTie = fixture;
    if (IsHumanClub(home) || IsHumanClub(away)) {
        ShootoutUserTakers = 1;
        return RunShootoutDialogs(true);
    }
    if (Game.ShowPenalties != 0 && LeagueHasHumanClub(CurrentLeague)) {
        ShootoutUserTakers = 0;
        ActiveMatch = FindMatchOfClubs(home, away);
        return RunShootoutDialogs(false);
    }
    // Nobody watches: a random score, the winner always one kick ahead.
    ShootoutResult = RandomClubCupShootout(fixture);
    return ShootoutResult;
}

}  // namespace

int PlayShootout(int fixture)
{
    ShootoutResult = -1;
    ShootoutFixture = fixture;
    if (fixture < 0 || fixture >= static_cast<int>(Fixtures.size()))
        return 1;
    const int result = DecideClubTieShootout(fixture);
    if (!SilentMatchday && Hooks().shootoutNotice)
        Hooks().shootoutNotice(kClubTieNoticeMilliseconds);
    return result;
}

int PlayShootoutInDialogs(int tie, int clubA, int clubB)
{
    ShootoutTie = tie;
    ShootoutClubA = clubA;
    ShootoutClubB = clubB;
    ActiveMatch = FindMatchOfClubs(clubA, clubB);
    const bool human = IsHumanClub(clubA) || IsHumanClub(clubB);
    ShootoutUserTakers = human ? 1 : 0;
    return RunShootoutDialogs(human);
}

}  // namespace tarvelon
