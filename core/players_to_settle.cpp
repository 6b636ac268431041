#include "core/players_to_settle.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/basics/index_check.h"
#include "core/records/table_reset.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

struct SettleMarks {
    std::vector<std::uint8_t> marked;  // by player
    std::vector<int> list;             // the marked players, each once
    std::size_t playerCount = 0;       // Players.size() when the marks were last brought up to date
    bool everyone = true;
};

SettleMarks marks;

const GameTableReset markEveryoneAtStart([] { MarkEveryoneToSettle(); });

void Mark(SettleMarks& m, int player)
{
    const auto index = static_cast<std::size_t>(player);
    if (index >= m.marked.size())
        m.marked.resize(index + 1, 0);
    if (m.marked[index] != 0)
        return;
    m.marked[index] = 1;
    m.list.push_back(player);
}

// Players appended since the last pass are marked; a table that shrank was replaced: everyone is.
void CatchUpWithTheTable(SettleMarks& m)
{
    if (Players.size() < m.playerCount)
        m.everyone = true;
    if (m.everyone) {
        m.marked.assign(Players.size(), 0);
        m.list.clear();
        m.playerCount = 1;
        m.everyone = false;
    }
    for (std::size_t p = std::max<std::size_t>(m.playerCount, 1); p < Players.size(); ++p)
        Mark(m, static_cast<int>(p));
    m.playerCount = Players.size();
}

bool HasAClub(int player) { return Players[static_cast<std::size_t>(player)].Club >= 0; }

[[maybe_unused]] void CheckNobodyLeftOut(const SettleMarks& m, const std::function<bool(int)>& stillNeeded)
{
    for (std::size_t p = 1; p < Players.size(); ++p) {
        const bool marked = p < m.marked.size() && m.marked[p] != 0;
        if (!marked && stillNeeded(static_cast<int>(p))) {
            std::fprintf(stderr, "player %zu needs the matchday's settling but was not marked for it\n", p);
            std::abort();
        }
    }
}

}  // namespace

void MarkToSettle(int player)
{
    // Players appended to the table since the last pass are marked when it catches up.
    if (player > 0 && static_cast<std::size_t>(player) < std::min(Players.size(), marks.playerCount))
        Mark(marks, player);
}

void MarkEveryoneToSettle() { marks.everyone = true; }

void SettleMarkedPlayers(const std::function<void(int)>& settle, const std::function<bool(int)>& stillNeeded)
{
    CatchUpWithTheTable(marks);
#ifdef TARVELON_CHECK_INDEXES
    if (SampledIndexCheck())
        CheckNobodyLeftOut(marks, stillNeeded);
#endif
    std::vector<int> kept;
    for (int p : marks.list) {
        if (HasAClub(p))
            settle(p);
        if (stillNeeded(p))
            kept.push_back(p);
        else
            marks.marked[static_cast<std::size_t>(p)] = 0;
    }
    marks.list = std::move(kept);
}

}  // namespace tarvelon
