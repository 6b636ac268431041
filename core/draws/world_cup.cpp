#include <algorithm>
#include <array>
#include <iterator>
#include <vector>

#include "core/basics/random.h"
#include "core/draws/draw_candidates.h"
#include "core/draws/national_team_draw.h"
#include "core/draws/national_tournaments.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "core/vocab/countries.h"

namespace tarvelon {

namespace {

enum Confederation { Europe, SouthAmerica, Africa, Asia, NorthAmerica, Oceania, kConfederations };

constexpr int kGroups = 8;
constexpr int kWorldCupHosts = 11;

// The fixed groups of the first World Cup of a game, by country id.
constexpr int kFixedWorldCupGroups[kGroups][4] = {
    {1, 131, 195, 72},   // Africa do Sul, México, Uruguai, França
    {11, 141, 49, 78},   // Argentina, Nigéria, Coréia do Sul, Grécia
    {97, 68, 10, 64},    // Inglaterra, EUA, Argélia, Eslovênia
    {3, 14, 171, 75},    // Alemanha, Austrália, Sérvia, Gana
    {85, 54, 107, 36},   // Holanda, Dinamarca, Japão, Camarões
    {104, 150, 143, 63}, // Itália, Paraguai, Nova Zelândia, Eslováquia
    {29, 48, 50, 154},   // Brasil, Coréia do Norte, Costa do Marfim, Portugal
    {65, 180, 86, 42},   // Espanha, Suiça, Honduras, Chile
};

// The sides a confederation sends, in their drawn order (1-based picks, -1 beyond the list).
struct Qualified {
    std::vector<int> sides;
    int operator()(int pick) const
    {
        return pick >= 1 && pick <= static_cast<int>(sides.size()) ? sides[pick - 1] : -1;
    }
};

// A confederation's national teams other than the host, ranked by level and then shuffled.
Qualified DrawConfederation(int confederation, int hostCountry)
{
    std::vector<DrawCandidate> candidates;
    for (const TNationalTeam& team : NationalTeams)
        if (team.confederation == confederation && team.country != hostCountry)
            candidates.push_back({team.clubEntry, team.level, Random(100)});
    SortCandidates(candidates, CompareNationalCandidates);

    const int n = static_cast<int>(candidates.size());
    std::vector<int> list(std::max(n, 12), -1);
    for (int i = 0; i < n; ++i)
        list[i] = candidates[i].club;
    if (confederation == Europe)
        for (int i = 6; i <= 11; ++i)
            std::swap(list[i], list[6 + Random(6)]);
    if (confederation != Oceania) {
        for (int i = 1; i < n; ++i) {
            const int j = Random(n - 1);
            if (list[i] >= 0 && list[j] >= 0)
                std::swap(list[i], list[j]);
        }
    }
    return Qualified{list};
}

}  // namespace

int WorldCupHostNumber(int editions)
{
    // The first cycle runs through all eleven hosts, every later one through the first ten; it goes on
    // cycling however many World Cups are played.
    if (editions < 0)
        return 1;
    if (editions < kWorldCupHosts)
        return editions + 1;
    return (editions - kWorldCupHosts) % 10 + 1;
}

WorldCupHost ChooseWorldCupHost()
{
    WorldCupHost host;
    host.hostNumber = WorldCupHostNumber(Game.worldCupEditions);
    host.country = WorldCupHosts[host.hostNumber];
    host.hasTeam = FindNationalTeamClub(host.country) >= 0;
    Game.TournamentHost = host.hostNumber;
    return host;
}

void SetupWorldCup()
{
    ResetNationalTournamentState();
    DrawWorldCup();
}

void DrawWorldCup()
{
    if (Game.thirtyTwoTeamDraw) {
        DrawFixedWorldCup();
        return;
    }
    const WorldCupHost host = ChooseWorldCupHost();

    int quota[kConfederations] = {13, 4, 5, 5, 3, 1};
    if (Random(100) < 50) {
        quota[SouthAmerica] = 5;
        quota[Oceania] = 0;
    }
    if (!host.hasTeam)
        quota[Europe] = 14;

    Qualified drawn[kConfederations];
    for (int c = 0; c < kConfederations; ++c) {
        drawn[c] = DrawConfederation(c, host.country);
        if (static_cast<int>(drawn[c].sides.size()) > quota[c])
            drawn[c].sides.resize(quota[c]);
    }
    const Qualified& E = drawn[Europe];
    const Qualified& S = drawn[SouthAmerica];
    const Qualified& A = drawn[Africa];
    const Qualified& X = drawn[Asia];
    const Qualified& N = drawn[NorthAmerica];
    const Qualified& O = drawn[Oceania];
    const int H = host.hasTeam ? FindNationalTeamClub(host.country) : E(6);

    const int seeds[kGroups][4] = {
        {E(1), host.hasTeam ? E(6) : E(14), S(3), X(1)},
        {E(2), E(7), S(4), X(2)},
        {E(3), E(8), quota[Oceania] > 0 ? O(1) : S(5), N(1)},
        {E(4), E(9), A(1), X(3)},
        {E(5), E(10), A(2), X(4)},
        {S(1), E(11), A(3), X(5)},
        {S(2), E(12), A(4), N(2)},
        {H, E(13), A(5), N(3)},
    };

    std::array<int, kGroups> order = {0, 1, 2, 3, 4, 5, 6, 7};
    ShufflePlaces(order.data(), kGroups);
    int table[kGroups][4];
    bool complete = true;
    for (int g = 0; g < kGroups; ++g) {
        for (int p = 0; p < 4; ++p) {
            table[g][p] = seeds[order[g]][p];
            complete = complete && table[g][p] >= 0;
        }
    }
    PlaceNationalGroups(table, kGroups, complete);
    if (!complete) {
        Game.worldCupOn = 0;
        return;
    }
    WriteTournamentRows(kGroups);
}

void DrawFixedWorldCup()
{
    // The host tables are read by the tournament screens: the host is chosen here too.
    ChooseWorldCupHost();
    int table[kGroups][4];
    for (int g = 0; g < kGroups; ++g)
        for (int p = 0; p < 4; ++p)
            table[g][p] = FindNationalTeamClub(kFixedWorldCupGroups[g][p]);
    PlaceNationalGroups(table, kGroups, true);
    // Ranked for the invitations as a drawn World Cup is: one random key per side, in group order.
    WriteTournamentRows(kGroups);
    Game.thirtyTwoTeamDraw = 0;
}

}  // namespace tarvelon
