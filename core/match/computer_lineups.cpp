#include "core/match/computer_lineups.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "core/basics/random.h"
#include "core/basics/rounding.h"
#include "core/club_rosters.h"
#include "core/match/lineup_access.h"
#include "core/match/lineup_ratings.h"
#include "core/match/match_events.h"
#include "core/match/pitch_tables.h"
#include "core/sort/record_sort.h"
#include "core/vocab/tactics_board.h"

namespace tarvelon {

std::vector<TLineupCandidate> LineupCandidates;

namespace {

constexpr int kAny = -1;

SlotWish WishOfSlot(int slot)
{
    return SlotWish{SlotPosition(slot), SlotSideCode(slot), SlotRoleCode(slot)};
}

// One position try: up to three passes (side and role, then role, then anything), or a single pass.
struct PositionTry {
    int position;
    int role;
    bool singlePass;
};

bool Fits(const TLineupCandidate& c, int position, int side, int role)
{
    return c.taken == 0 && c.position == position && (side == kAny || c.side == side) &&
           (role == kAny || c.role == role);
}

// The candidates of each position in the candidates' order (positions 0..4; any other position is
// looked for among all): a try scans only its position's players, and a lineup makes many tries.
constexpr int kPositionLists = 5;
std::vector<int> CandidatesOfPosition[kPositionLists];

void ListCandidatesByPosition()
{
    for (std::vector<int>& list : CandidatesOfPosition)
        list.clear();
    for (std::size_t i = 0; i < LineupCandidates.size(); ++i) {
        const int position = LineupCandidates[i].position;
        if (position >= 0 && position < kPositionLists)
            CandidatesOfPosition[position].push_back(static_cast<int>(i));
    }
}

int Take(TLineupCandidate& c)
{
    c.taken = 1;
    return c.player;
}

int TakeFirst(int position, int side, int role)
{
    if (position >= 0 && position < kPositionLists) {
        for (int i : CandidatesOfPosition[position]) {
            TLineupCandidate& c = LineupCandidates[static_cast<std::size_t>(i)];
            if (Fits(c, position, side, role))
                return Take(c);
        }
        return -1;
    }
    for (TLineupCandidate& c : LineupCandidates) {
        if (Fits(c, position, side, role))
            return Take(c);
    }
    return -1;
}

int RunTry(const PositionTry& t, int side)
{
    if (t.singlePass)
        return TakeFirst(t.position, kAny, t.role);
    int player = TakeFirst(t.position, side, t.role);
    if (player <= 0)
        player = TakeFirst(t.position, kAny, t.role);
    if (player <= 0)
        player = TakeFirst(t.position, kAny, kAny);
    return player;
}

// At most three tries a slot, kept off the heap: every place of every line-up asks for them.
struct PositionTries {
    PositionTries(std::initializer_list<PositionTry> list) : count(static_cast<int>(list.size()))
    {
        std::copy(list.begin(), list.end(), items);
    }
    const PositionTry* begin() const { return items; }
    const PositionTry* end() const { return items + count; }

    PositionTry items[3]{};
    int count;
};

PositionTries TriesForSlot(const SlotWish& w, int slot)
{
    if (slot >= 18)
        return {{w.position, 1, false}, {3, 1, false}};
    if (slot == 1)
        return {{w.position, w.role, false}, {1, w.role, false}, {2, w.role, false}};
    if (slot == 10 || slot == 17)
        return {{w.position, w.role, false}, {3, 1, false}};
    if (slot >= 3 && slot <= 8)
        return {{w.position, w.role, false}, {3, 0, true}, {1, kAny, false}};
    if (slot >= 14 && slot <= 16)
        return {{w.position, w.role, false}, {1, w.role, false}, {4, w.role, false}};
    if (slot == 2 || slot == 9)
        return {{w.position, w.role, false}, {3, w.role, false}, {2, w.role, false}};
    return {{w.position, w.role, false}};
}

void CollectCandidates(int club)
{
    LineupCandidates.clear();
    for (int p : PlayersOfClub(club)) {
        TPlayer& player = Players[p];
        if (!IsAvailableToday(p))
            continue;
        player.Role = ChooseTacticalRole(p);
        player.OnPitch = 0;
        if (player.Energy < 20)
            player.Energy = 30 + Random(10);
        int half = static_cast<int>(Round(player.Strength / 2.0));
        int key = half + static_cast<int>(Round(half * player.Energy / 100.0));
        LineupCandidates.push_back(
            TLineupCandidate{p, key, player.Energy, 0, player.Side, player.Role, player.Position});
    }
    AllLineupRatingInputsChanged();
    if (!LineupCandidates.empty())
        SortRecords(LineupCandidates.data(), static_cast<int>(sizeof(TLineupCandidate)), 0,
                    static_cast<int>(LineupCandidates.size()) - 1, CompareLineupCandidates);
    ListCandidatesByPosition();
}

// Place 1 of a formation is the goalkeeper (starter 11); places 2..11 are starters 1..10.
int StarterOfFormationPlace(int place)
{
    return place == 1 ? 11 : place - 1;
}

void FillStarters(int club, TLineup& L, int formation)
{
    for (int place = 1; place <= 11; ++place) {
        int slot = FormationSlots[formation][place];
        int k = StarterOfFormationPlace(place);
        L.pitchSlots[k - 1] = slot;
        int player = PickPlayerForSlot(WishOfSlot(slot), slot);
        if (player > 0)
            PutPlayerInLineupSlot(club, player, k);
    }
}

// Places still empty take a stand-in of another position, in the substitutes' order.
void FillEmptyStarters(int club, TLineup& L)
{
    for (int k = 1; k <= 11; ++k) {
        if (L.starters[k - 1] > 0)
            continue;
        int slot = L.pitchSlots[k - 1];
        SlotWish wish = WishOfSlot(slot);
        if (wish.position < 0 || wish.position > 4)
            continue;
        for (int i = 0; i < 5; ++i) {
            SlotWish standIn{SubstitutePositionOrder[wish.position][i], wish.side, wish.role};
            int player = PickPlayerForSlot(standIn, slot);
            if (player > 0) {
                PutPlayerInLineupSlot(club, player, k);
                break;
            }
        }
    }
}

void FillBench(TLineup& L)
{
    int next = 0;
    for (int row = 1; row <= BenchSlotCount; ++row) {
        SlotWish wish{BenchSlotRoles[row].position, BenchSlotRoles[row].side, BenchSlotRoles[row].role};
        int player = PickPlayerForSlot(wish, -1);
        if (player > 0)
            L.bench[next++] = player;
    }
}

}  // namespace

int CompareLineupCandidates(const void* a, const void* b)
{
    const auto* x = static_cast<const TLineupCandidate*>(a);
    const auto* y = static_cast<const TLineupCandidate*>(b);
    if (x->key != y->key)
        return x->key > y->key ? -1 : 1;
    if (x->energy != y->energy)
        return x->energy > y->energy ? -1 : 1;
    return 0;
}

int PickPlayerForSlot(const SlotWish& wanted, int slot)
{
    for (const PositionTry& t : TriesForSlot(wanted, slot)) {
        int player = RunTry(t, wanted.side);
        if (player > 0)
            return player;
    }
    return -1;
}

int FormationOfDraw(int r)
{
    if (r <= 2) return 1;
    if (r <= 4) return 2;
    if (r == 5) return 4;
    if (r <= 7) return 3;
    if (r <= 38) return 4;
    if (r <= 49) return 5;
    if (r <= 60) return 6;
    if (r <= 65) return 7;
    if (r <= 72) return 8;
    if (r <= 98) return 9;
    return 10;
}

void BuildCpuLineup(int club)
{
    TClub* c = ClubAt(club);
    if (c == nullptr)
        return;
    Lineups.resize(LineupCount + 1);
    int index = LineupCount;
    LineupCount += 1;
    Lineups[index] = TLineup{};
    c->LineupIndex = index;
    CountAvailablePlayers(0, club);
    CollectCandidates(club);
    int formation = FormationOfDraw(Random(100) + 1);
    TLineup& L = Lineups[index];
    FillStarters(club, L, formation);
    FillEmptyStarters(club, L);
    FillBench(L);
    ComputeLineupRatings(index);
}

}  // namespace tarvelon
