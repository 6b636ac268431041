#include "core/persist/saved_game_indexes.h"

#include "core/persist/saved_game_index_checks.h"
#include "core/records/match_records.h"
#include "core/vocab/players.h"

namespace tarvelon {

namespace {

using namespace savedindex;

constexpr int kHumanSlots = 6;
constexpr std::int32_t kDayKindSeasonOver = -1;  // the season's last day is played: no kind is next
constexpr std::int32_t kLastMailSender = 5;      // 1 board .. 5 medical department; 0 a message left unfilled

// Subjects whose second field names a club, and the one whose second field names another player.
bool SecondFieldIsClub(std::int32_t subject) { return subject == 8 || subject == 15; }
constexpr std::int32_t kSubjectTwoPlayers = 13;

// The league clubs come first in the club table, the continental guests after them: loops run over
// both counts, and a new country's clubs are added to the first.
bool ClubCountsInTable(const TGameState& game, std::size_t clubs)
{
    return game.LeagueClubCount >= 0 && game.ExtraClubCount >= 0 &&
           std::int64_t{game.LeagueClubCount} + game.ExtraClubCount <= static_cast<std::int64_t>(clubs);
}

// Referee 0 before the first draw of the day's referees, else one of the 42.
bool RefereesInTable(const TGameState& game)
{
    return Every(game.MatchReferees, [](std::int32_t referee) { return Within(referee, 0, kRefereeCount); });
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
    if (!ClubCountsInTable(game, clubs)) return "league and extra club counts";
    if (!RefereesInTable(game)) return "day's referees";
    return nullptr;
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

// A player's position and traits name his position's and traits' texts and tallies; the club files
// give 0..4 and 0..13, and no rule changes them beyond.
bool PlayerInTables(const TPlayer& player, std::size_t clubs)
{
    return ClubOrNegative(player.Club, clubs) && InTable(player.Position, PositionCount) &&
           InTable(player.Trait1, TraitCount) && InTable(player.Trait2, TraitCount);
}

// A club's division (0 outside the divisions) picks its row of the ticket prices.
bool ClubInTables(const TClub& club, std::size_t coaches)
{
    return IndexOrNone(club.coach, coaches) && Within(club.Division, 0, kDivisions);
}

// A coach's division (0 for none) is the division list he looks for a job in.
bool CoachInTables(const TCoach& coach, std::size_t clubs)
{
    return IndexOrNone(coach.club, clubs) && Within(coach.division, 0, kDivisions);
}

// The entries after the league and extra clubs are the national teams': each keeps its team's index
// in its state, and a final place it reaches without a coach names the team by it. A team's own entry
// is one of them, the one that names it back: two teams sharing an entry would send one club into
// two groups of the tournament's draw.
bool NationalTeamEntriesInTable(const SavedGameImage& image, std::size_t nationalTeams)
{
    const std::int64_t first = std::int64_t{image.game.LeagueClubCount} + image.game.ExtraClubCount;
    for (std::size_t club = static_cast<std::size_t>(std::clamp<std::int64_t>(first, 0, static_cast<std::int64_t>(image.clubs.size())));
         club < image.clubs.size(); ++club)
        if (!InTable(image.clubs[club].State, nationalTeams)) return false;
    for (std::size_t team = 0; team < image.nationalTeams.size(); ++team) {
        const std::int32_t entry = image.nationalTeams[team].clubEntry;
        if (entry == -1) continue;
        if (entry < first || !InTable(entry, image.clubs.size()) ||
            image.clubs[static_cast<std::size_t>(entry)].State != static_cast<std::int32_t>(team))
            return false;
    }
    return true;
}

const char* PeopleIndexOutside(const SavedGameImage& image, const TableSizes& sizes)
{
    const std::size_t clubs = sizes.clubs;
    const std::size_t coaches = sizes.coaches;
    if (image.clubFinances.size() != clubs) return "club accounts";
    if (!Every(image.players, [clubs](const TPlayer& p) { return PlayerInTables(p, clubs); })) return "player";
    if (!Every(image.clubs, [coaches](const TClub& c) { return ClubInTables(c, coaches); })) return "club";
    if (!Every(image.coaches, [clubs](const TCoach& k) { return CoachInTables(k, clubs); })) return "coach";
    if (!Every(image.nationalTeams, [clubs](const TNationalTeam& t) { return IndexOrNone(t.clubEntry, clubs); }))
        return "national team's club";
    if (!NationalTeamEntriesInTable(image, sizes.nationalTeams)) return "national team's entry";
    const std::size_t players = sizes.players;
    if (!Every(image.mailMessages, [clubs, players](const TMailMessage& m) { return MailInTables(m, clubs, players); }))
        return "message";
    return nullptr;
}

}  // namespace

const char* SavedIndexOutsideItsTable(const SavedGameImage& image)
{
    const TableSizes sizes(image);
    for (const char* outside : {GameStateIndexOutside(image.game, sizes.clubs, sizes.coaches),
                                PeopleIndexOutside(image, sizes), ClubBusinessIndexOutside(image, sizes),
                                CompetitionIndexOutside(image, sizes), HistoryIndexOutside(image, sizes),
                                MatchArchiveIndexOutside(image, sizes)})
        if (outside != nullptr) return outside;
    return nullptr;
}

}  // namespace tarvelon
