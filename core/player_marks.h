#pragma once
// A set of marked players, for passes that need to visit only a few of the players instead of
// walking the whole `Players` table, where the retired players pile up season after season.
// Players appended to the table are marked on their own; a table that shrank was replaced, and
// everyone is then marked, as after MarkEveryone().
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace tarvelon {

class PlayerMarks {
public:
    // Marks player `player`, once however often he is marked.
    void Mark(int player);

    // Marks every player of the table as it will be at the next visit.
    void MarkEveryone() { everyone_ = true; }

    // Whether player `player` is marked (after the table was caught up with at the last visit).
    bool IsMarked(int player) const;

    // Calls visit(p), in no particular order, for every marked player; then keeps marked only those
    // for whom keep(p) holds.
    void Visit(const std::function<void(int)>& visit, const std::function<bool(int)>& keep);

private:
    void CatchUpWithTheTable();

    std::vector<std::uint8_t> marked_;  // by player
    std::vector<int> list_;             // the marked players, each once
    std::size_t playerCount_ = 0;       // Players.size() when the marks were last caught up
    bool everyone_ = true;
};

}  // namespace tarvelon
