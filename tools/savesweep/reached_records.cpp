#include "tools/savesweep/reached_records.h"

#include <algorithm>
#include <cstdint>

#include "core/persist/saved_game_image.h"

namespace tarvelon::savesweep {

namespace {

bool IsHumanClub(const SavedGameImage& image, std::int32_t club)
{
    const int humans = std::clamp(image.game.HumanClubCount, 0, 6);
    return club >= 0 && std::find(image.game.HumanClubs, image.game.HumanClubs + humans, club) !=
                            image.game.HumanClubs + humans;
}

// The clubs whose records play reaches: the human clubs, the last champion of the history and the
// club of the last top scorer (prize winners both).
std::set<std::size_t> ReachedClubs(const SavedGameImage& image)
{
    std::set<std::size_t> clubs;
    for (int h = 0; h < std::clamp(image.game.HumanClubCount, 0, 6); ++h)
        clubs.insert(static_cast<std::size_t>(image.game.HumanClubs[h]));
    for (auto p = image.placings.rbegin(); p != image.placings.rend(); ++p)
        if (p->place == 1) {
            clubs.insert(static_cast<std::size_t>(p->club));
            break;
        }
    if (!image.scorers.empty())
        clubs.insert(static_cast<std::size_t>(image.scorers.back().club));
    return clubs;
}

}  // namespace

std::set<std::size_t> ReachedRecords(const std::string& name, const SavedGameImage& image, std::size_t count)
{
    std::set<std::size_t> records{count - 1};
    if (name == "Clubs" || name == "ClubFinances") {
        const std::set<std::size_t> clubs = ReachedClubs(image);
        records.insert(clubs.begin(), clubs.end());
    } else if (name == "Coaches") {
        for (const std::int32_t coach : image.game.HumanCoachSlots)
            records.insert(static_cast<std::size_t>(coach));
    } else if (name == "Players") {
        for (const std::size_t club : ReachedClubs(image)) {
            const auto first = std::find_if(image.players.begin() + 1, image.players.end(), [club](const TPlayer& p) {
                return p.Club >= 0 && static_cast<std::size_t>(p.Club) == club;
            });
            if (first != image.players.end())
                records.insert(static_cast<std::size_t>(first - image.players.begin()));
        }
    } else if (name == "PastMatches") {
        const auto human = [&image](const TPastMatch& m) {
            return IsHumanClub(image, m.homeClub) || IsHumanClub(image, m.awayClub);
        };
        const auto first = std::find_if(image.pastMatches.begin(), image.pastMatches.end(), human);
        const auto last = std::find_if(image.pastMatches.rbegin(), image.pastMatches.rend(), human);
        if (first != image.pastMatches.end()) {
            records.insert(static_cast<std::size_t>(first - image.pastMatches.begin()));
            records.insert(static_cast<std::size_t>(image.pastMatches.rend() - last - 1));
        }
    }
    for (auto r = records.begin(); r != records.end();)
        r = *r < count ? std::next(r) : records.erase(r);
    return records;
}

}  // namespace tarvelon::savesweep
