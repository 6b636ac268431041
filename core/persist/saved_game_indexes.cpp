#include "core/persist/saved_game_indexes.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>

#include "core/season/competition_kind.h"

namespace tarvelon {

namespace {

constexpr std::int32_t kNone = -1;
constexpr int kHumanSlots = 6;
constexpr std::int32_t kDayKindSeasonOver = -1;  // the season's last day is played: no kind is next
constexpr std::int32_t kLastMailSender = 5;      // 1 board .. 5 medical department; 0 a message left unfilled

// Subjects whose second field names a club, and the one whose second field names another player.
bool SecondFieldIsClub(std::int32_t subject) { return subject == 8 || subject == 15; }
constexpr std::int32_t kSubjectTwoPlayers = 13;

bool Within(std::int32_t value, std::int32_t low, std::int32_t high) { return value >= low && value <= high; }

// An index into a table of `size` records, or none.
bool IndexOrNone(std::int32_t value, std::size_t size)
{
    return value == kNone || (value >= 0 && static_cast<std::size_t>(value) < size);
}

bool IsKind(std::int32_t kind) { return Within(kind, kKindFriendlies, kKindEurocopa); }

template <typename Values>
bool AllIndexesOrNone(const Values& values, std::size_t size)
{
    return std::all_of(std::begin(values), std::end(values), [size](std::int32_t v) { return IndexOrNone(v, size); });
}

const char* GameStateIndexOutside(const TGameState& game, std::size_t clubs, std::size_t coaches)
{
    if (game.DayKind != kDayKindSeasonOver && !IsKind(game.DayKind)) return "day kind";
    if (!IndexOrNone(game.CurrentHumanClub, clubs)) return "current human club";
    if (!IndexOrNone(game.CurrentHumanCoach, coaches)) return "current human coach";
    if (!AllIndexesOrNone(game.HumanCoachSlots, coaches)) return "human coach slot";
    if (!Within(game.HumanClubCount, 0, kHumanSlots)) return "human club count";
    if (!AllIndexesOrNone(game.HumanClubs, clubs)) return "human club";
    if (!IndexOrNone(game.coachedNationalTeam, clubs)) return "coached national team";
    if (!Within(game.HumanNationCount, 0, kHumanSlots)) return "coached national team count";
    if (!AllIndexesOrNone(game.HumanNations, clubs)) return "coached national teams";
    return nullptr;
}

// A player without a club holds any negative club.
bool PlayerClubInTable(const TPlayer& player, std::size_t clubs)
{
    return player.Club < 0 || static_cast<std::size_t>(player.Club) < clubs;
}

bool MailInTables(const TMailMessage& mail, std::size_t clubs, std::size_t players)
{
    if (!IndexOrNone(mail.recipientClub, clubs) || !IndexOrNone(mail.player, players) ||
        !Within(mail.sender, 0, kLastMailSender) || !Within(mail.subjectId, 0, kMailSubjectCount) ||
        !Within(mail.bodyTextId, 0, kMailTextCount))
        return false;
    if (SecondFieldIsClub(mail.subjectId)) return IndexOrNone(mail.clubOrSecondPlayer, clubs);
    if (mail.subjectId == kSubjectTwoPlayers) return IndexOrNone(mail.clubOrSecondPlayer, players);
    return true;
}

template <typename Records, typename Test>
bool Every(const Records& records, Test&& test)
{
    return std::all_of(records.begin(), records.end(), test);
}

}  // namespace

const char* SavedIndexOutsideItsTable(const SavedGameImage& image)
{
    const std::size_t clubs = image.clubs.size();
    const std::size_t coaches = image.coaches.size();
    const std::size_t players = image.players.size();
    const std::size_t competitions = image.competitions.size();
    if (const char* outside = GameStateIndexOutside(image.game, clubs, coaches)) return outside;
    if (image.clubFinances.size() != clubs) return "club accounts";
    if (!Every(image.players, [clubs](const TPlayer& p) { return PlayerClubInTable(p, clubs); })) return "player's club";
    if (!Every(image.clubs, [coaches](const TClub& c) { return IndexOrNone(c.coach, coaches); })) return "club's coach";
    if (!Every(image.coaches, [clubs](const TCoach& k) { return IndexOrNone(k.club, clubs); })) return "coach's club";
    if (!Every(image.nationalTeams, [clubs](const TNationalTeam& t) { return IndexOrNone(t.clubEntry, clubs); }))
        return "national team's club";
    if (!Every(image.fixtures, [clubs](const TFixture& f) {
            return IndexOrNone(f.home, clubs) && IndexOrNone(f.away, clubs) && IsKind(f.kind);
        }))
        return "fixture";
    if (!Every(image.competitions, [](const TCompetition& c) { return IsKind(c.kind); })) return "competition's kind";
    if (!Every(image.placings, [competitions](const TPlacing& p) { return IndexOrNone(p.competition, competitions); }))
        return "placing's competition";
    if (!Every(image.scorers, [competitions](const TScorer& s) { return IndexOrNone(s.competition, competitions); }))
        return "scorer's competition";
    if (!Every(image.mailMessages, [clubs, players](const TMailMessage& m) { return MailInTables(m, clubs, players); }))
        return "message";
    return nullptr;
}

}  // namespace tarvelon
