#include "core/player_marks.h"

#include <algorithm>

#include "core/tables.h"

namespace tarvelon {

void PlayerMarks::Mark(int player)
{
    // Players appended to the table since the last visit are marked when it catches up.
    if (player <= 0 || static_cast<std::size_t>(player) >= std::min(Players.size(), playerCount_))
        return;
    const auto index = static_cast<std::size_t>(player);
    if (index >= marked_.size())
        marked_.resize(index + 1, 0);
    if (marked_[index] != 0)
        return;
    marked_[index] = 1;
    list_.push_back(player);
}

bool PlayerMarks::IsMarked(int player) const
{
    const auto index = static_cast<std::size_t>(player);
    return everyone_ || index >= playerCount_ || (index < marked_.size() && marked_[index] != 0);
}

void PlayerMarks::CatchUpWithTheTable()
{
    if (Players.size() < playerCount_)
        everyone_ = true;
    if (everyone_) {
        marked_.assign(Players.size(), 0);
        list_.clear();
        playerCount_ = 1;
        everyone_ = false;
    }
    const std::size_t from = std::max<std::size_t>(playerCount_, 1);
    playerCount_ = Players.size();
    for (std::size_t p = from; p < Players.size(); ++p)
        Mark(static_cast<int>(p));
}

void PlayerMarks::Visit(const std::function<void(int)>& visit, const std::function<bool(int)>& keep)
{
    CatchUpWithTheTable();
    std::vector<int> kept;
    for (const int p : list_) {
        visit(p);
        if (keep(p))
            kept.push_back(p);
        else
            marked_[static_cast<std::size_t>(p)] = 0;
    }
    list_ = std::move(kept);
}

}  // namespace tarvelon
