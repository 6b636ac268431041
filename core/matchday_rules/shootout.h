#pragma once
// Penalty shoot-outs of knockout ties still level after the tie rules: the random result of two
// computer clubs nobody watches, and the kick-by-kick shoot-out the dialogs show (its rules are
// here, the takers dialog and the display are the screens'). Club A kicks first.
#include <array>
#include <vector>

namespace tarvelon {

inline constexpr int kShootoutTakers = 11;
using ShootoutTakerList = std::array<int, kShootoutTakers>;  // player indexes, 0 = empty

extern int ShootoutTie;         // fixture (kinds 2, 4, 6) or bracket tie (kinds 5, 7..9) being decided
extern int ShootoutUserTakers;  // 1 when a human club orders its takers; 2 after the first of two has
extern int ShootoutClubA;
extern int ShootoutClubB;
extern int ShootoutResult;      // 1 A won, 2 B won, -1 not yet decided
extern int ShootoutFixture;     // fixture of the club-cup shoot-out in progress
extern ShootoutTakerList ShootoutTakersA;
extern ShootoutTakerList ShootoutTakersB;

// The order in which pitch slots are listed when takers are chosen.
extern const std::array<int, 25> PitchSlotListOrder;

// The first match of the day whose home club is a or b; 0 when there is none.
int FindMatchOfClubs(int clubA, int clubB);

// The players a human coach chooses his takers from: the club's starters still on the pitch, listed
// by their pitch slots in PitchSlotListOrder (the goalkeeper first, the attackers last).
std::vector<int> ShootoutCandidates(int club);

// A computer club's takers: its starters still on the pitch, from pitch slot 25 down to 1 (attackers
// first, the goalkeeper last).
ShootoutTakerList ComputerShootoutTakers(int club);

// The kick-by-kick shoot-out: every kick scores with a chance of two in three. Within the first five
// rounds a side wins as soon as the other cannot catch up; from round six the first round that ends
// level no more decides it (sudden death).
class ShootoutKicks {
public:
    ShootoutKicks(const ShootoutTakerList& takersA, const ShootoutTakerList& takersB);

    // The next taker of side 0 (A) or 1 (B): the list starts again after its last taker.
    int NextTaker(int side);
    // A kicks (round + 1); true when he scored.
    bool KickA();
    // B kicks; true when he scored.
    bool KickB();

    int round() const { return round_; }
    int goals(int side) const { return goals_[side]; }
    int winner() const { return winner_; }  // 0 undecided, 1 A, 2 B

private:
    bool Kick(int side);
    std::array<ShootoutTakerList, 2> takers_;
    std::array<int, 2> next_{};
    std::array<int, 2> goals_{};
    int round_ = 0;
    int winner_ = 0;
};

// Kicks until a side has won; returns 1 (A) or 2 (B).
int KickOutShootout(ShootoutKicks& kicks);

// The shoot-out between ShootoutClubA and ShootoutClubB kicked out at once by the same rules as in
// the dialogs, each side with the computer's takers, and finished (FinishShootout).
void KickOutShootoutAtOnce();

// The outcome of the shoot-out between ShootoutClubA and ShootoutClubB: ShootoutResult, the day's
// match of the two clubs (flag and goals), the fixture ShootoutTie on club-cup days, the bracket tie
// ShootoutTie and the loser's entry flag on tournament and club world cup days (Game.DayKind).
void FinishShootout(int winnerSide, int goalsA, int goalsB);

// A two-leg club tie (kinds 2, 4, 6) level after every rule, given by its first leg, whose home club
// kicks first: the dialogs when a human club plays or the user watches the shoot-outs of his league,
// else a random result. Returns 1 (home club of the fixture) or 2.
int PlayShootout(int fixture);

// A bracket tie (kinds 5, 7..9) shown in the dialogs: A is the tie's first team. Returns 1 or 2.
int PlayShootoutInDialogs(int tie, int clubA, int clubB);

}  // namespace tarvelon
