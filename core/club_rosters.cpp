#include "core/club_rosters.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/basics/index_check.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

// Lists are kept for clubs -1 (the free players) .. kIndexedClubLimit - 1; other club numbers (only
// a damaged record holds one) are answered by a walk over the table.
constexpr int kIndexedClubLimit = 1 << 16;

bool IsIndexed(int club) { return club >= -1 && club < kIndexedClubLimit; }

struct ClubRosters {
    std::vector<std::vector<int>> byClub;  // element club + 1
    std::vector<int> withAClub;
    std::size_t playerCount = 0;  // Players.size() when the lists were built
    bool valid = false;
};

ClubRosters& Rosters()
{
    static ClubRosters rosters;
    return rosters;
}

void Rebuild(ClubRosters& r)
{
    for (std::vector<int>& list : r.byClub)
        list.clear();
    r.withAClub.clear();
    for (int p = 1; p < static_cast<int>(Players.size()); ++p) {
        const int club = Players[p].Club;
        if (club >= 0)
            r.withAClub.push_back(p);
        if (!IsIndexed(club))
            continue;
        if (club + 1 >= static_cast<int>(r.byClub.size()))
            r.byClub.resize(club + 2);
        r.byClub[club + 1].push_back(p);
    }
    r.playerCount = Players.size();
    r.valid = true;
}

std::vector<int> WalkForClub(int club)
{
    std::vector<int> found;
    for (int p = 1; p < static_cast<int>(Players.size()); ++p)
        if (Players[p].Club == club)
            found.push_back(p);
    return found;
}

[[maybe_unused]] void CheckAgainstWalk(int club, const std::vector<int>& list)
{
    if (list == WalkForClub(club))
        return;
    std::fprintf(stderr, "club roster of %d is out of date: a change of TPlayer::Club was not reported\n", club);
    std::abort();
}

bool RemoveFromList(std::vector<int>& list, int player)
{
    const auto at = std::lower_bound(list.begin(), list.end(), player);
    if (at == list.end() || *at != player)
        return false;
    list.erase(at);
    return true;
}

bool InsertInList(std::vector<int>& list, int player)
{
    const auto at = std::lower_bound(list.begin(), list.end(), player);
    if (at != list.end() && *at == player)
        return false;
    list.insert(at, player);
    return true;
}

// Moves the player between his lists; false when the lists turn out not to hold what they should.
bool MendLists(ClubRosters& r, int player, int from, int to)
{
    if (static_cast<std::size_t>(from + 1) >= r.byClub.size() || !RemoveFromList(r.byClub[from + 1], player))
        return false;
    if (static_cast<std::size_t>(to + 1) >= r.byClub.size())
        r.byClub.resize(static_cast<std::size_t>(to) + 2);
    if (!InsertInList(r.byClub[to + 1], player))
        return false;
    if (from >= 0 && to < 0)
        return RemoveFromList(r.withAClub, player);
    if (from < 0 && to >= 0)
        return InsertInList(r.withAClub, player);
    return true;
}

}  // namespace

const std::vector<int>& PlayersOfClub(int club)
{
    static const std::vector<int> none;
    if (!IsIndexed(club)) {
        // Two results in turn, so that ForEachPlayerOfClubs can hold both of its clubs.
        static std::vector<int> walked[2];
        static int last = 0;
        last ^= 1;
        walked[last] = WalkForClub(club);
        return walked[last];
    }
    ClubRosters& r = Rosters();
    if (!r.valid || r.playerCount != Players.size())
        Rebuild(r);
    const std::vector<int>& list = club + 1 < static_cast<int>(r.byClub.size()) ? r.byClub[club + 1] : none;
#ifdef TARVELON_CHECK_INDEXES
    if (SampledIndexCheck())
        CheckAgainstWalk(club, list);
#endif
    return list;
}

const std::vector<int>& PlayersWithAClub()
{
    ClubRosters& r = Rosters();
    if (!r.valid || r.playerCount != Players.size())
        Rebuild(r);
#ifdef TARVELON_CHECK_INDEXES
    std::vector<int> walked;
    for (int p = 1; p < static_cast<int>(Players.size()); ++p)
        if (Players[p].Club >= 0)
            walked.push_back(p);
    if (walked != r.withAClub) {
        std::fprintf(stderr, "the players with a club are out of date: a change of TPlayer::Club was not reported\n");
        std::abort();
    }
#endif
    return r.withAClub;
}

namespace {

std::uint64_t clubsChangeCount = 0;

}  // namespace

void PlayerClubsChanged()
{
    Rosters().valid = false;
    ++clubsChangeCount;
}

std::uint64_t PlayerClubsChangeCount() { return clubsChangeCount; }

void PlayerClubChanged(int player, int from)
{
    ClubRosters& r = Rosters();
    if (!r.valid || r.playerCount != Players.size())
        return;  // the next lookup builds the lists anyway
    if (player < 1 || player >= static_cast<int>(Players.size())) {
        r.valid = false;
        return;
    }
    const int to = Players[player].Club;
    if (from == to)
        return;
    if (!IsIndexed(from) || !IsIndexed(to) || !MendLists(r, player, from, to))
        r.valid = false;
}

}  // namespace tarvelon
