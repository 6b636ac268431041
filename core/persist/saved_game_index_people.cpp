// The index checks of the people and their clubs: players, clubs, coaches, national teams and the
// inbox; and the links between them that the rules keep: the human clubs and their coaches, the
// national teams human coaches lead.
#include <algorithm>
#include <iterator>
#include <vector>

#include "core/persist/saved_game_index_checks.h"
#include "core/records/match_records.h"
#include "core/vocab/players.h"

namespace tarvelon::savedindex {

namespace {

constexpr std::int32_t kLastMailSender = 5;      // 1 board .. 5 medical department; 0 a message left unfilled

// Subjects whose second field names a club, and the one whose second field names another player.
bool SecondFieldIsClub(std::int32_t subject) { return subject == 8 || subject == 15; }
constexpr std::int32_t kSubjectTwoPlayers = 13;

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

// The league clubs and the continental guests come first in the club table; the national teams'
// entries after them.
std::int64_t FirstNationalEntry(const TGameState& game)
{
    return std::int64_t{game.LeagueClubCount} + game.ExtraClubCount;
}

// The entries after the league and extra clubs are the national teams': each keeps its team's index
// in its state, and a final place it reaches without a coach names the team by it. A team's own entry
// is one of them, the one that names it back: two teams sharing an entry would send one club into
// two groups of the tournament's draw.
bool NationalTeamEntriesInTable(const SavedGameImage& image, std::size_t nationalTeams)
{
    const std::int64_t first = FirstNationalEntry(image.game);
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


bool IsNationalEntry(std::int32_t club, const SavedGameImage& image)
{
    return club >= FirstNationalEntry(image.game) && InTable(club, image.clubs.size());
}

bool IsClubOfTheGame(std::size_t club, const SavedGameImage& image)
{
    return static_cast<std::int64_t>(club) < FirstNationalEntry(image.game);
}

// A list of six places whose first `count` name different records, each as `listed` wants, and
// whose other places hold only what `unused` takes.
template <typename Listed, typename Unused>
bool CountedListHolds(const std::int32_t (&places)[kHumanSlots], std::int32_t count, Listed&& listed, Unused&& unused)
{
    const int used = std::clamp(count, 0, kHumanSlots);
    return std::all_of(places, places + used, listed) && std::all_of(places + used, std::end(places), unused) &&
           Distinct(std::vector<std::int32_t>(places, places + used));
}

bool Listed(std::int32_t club, const std::int32_t (&places)[kHumanSlots], std::int32_t count)
{
    const int used = std::clamp(count, 0, kHumanSlots);
    return std::find(places, places + used, club) != places + used;
}

// A human club is a league club run by a human coach of the slots, who names it back.
bool HumanClubLinked(std::int32_t club, const SavedGameImage& image)
{
    if (!InTable(club, image.clubs.size()) || club >= image.game.LeagueClubCount) return false;
    const TClub& record = image.clubs[static_cast<std::size_t>(club)];
    if (!record.IsHuman || !InTable(record.coach, image.coaches.size())) return false;
    const TCoach& coach = image.coaches[static_cast<std::size_t>(record.coach)];
    return coach.human && coach.club == club &&
           std::find(std::begin(image.game.HumanCoachSlots), std::end(image.game.HumanCoachSlots), record.coach) !=
               std::end(image.game.HumanCoachSlots);
}

// The human clubs fill the first places of their list, as many as the count says; a coach leaving
// one takes one from the count, a coach hired adds one, so a count that disagrees with the list
// leaves its range within days. Every club of the game run by a human coach is among them.
bool HumanClubsAgree(const SavedGameImage& image)
{
    const TGameState& game = image.game;
    const auto linked = [&image](std::int32_t club) { return HumanClubLinked(club, image); };
    if (!CountedListHolds(game.HumanClubs, game.HumanClubCount, linked, [](std::int32_t c) { return c == kNone; }))
        return false;
    for (std::size_t club = 0; club < image.clubs.size() && IsClubOfTheGame(club, image); ++club)
        if (image.clubs[club].IsHuman && !Listed(static_cast<std::int32_t>(club), game.HumanClubs, game.HumanClubCount))
            return false;
    return true;
}

// Each slot names a different human coach; one with a job runs a listed human club. A club of the
// game that names a human coach is his club: the hub, his sacking and his next job all start there.
bool HumanCoachesAgree(const SavedGameImage& image)
{
    const TGameState& game = image.game;
    std::vector<std::int32_t> slots;
    std::copy_if(std::begin(game.HumanCoachSlots), std::end(game.HumanCoachSlots), std::back_inserter(slots),
                 [](std::int32_t coach) { return coach != kNone; });
    if (!Distinct(slots)) return false;
    for (const std::int32_t coach : slots) {
        if (!InTable(coach, image.coaches.size())) return false;
        const TCoach& record = image.coaches[static_cast<std::size_t>(coach)];
        if (!record.human || (record.club != kNone && !Listed(record.club, game.HumanClubs, game.HumanClubCount)))
            return false;
    }
    for (std::size_t club = 0; club < image.clubs.size() && IsClubOfTheGame(club, image); ++club) {
        const std::int32_t coach = image.clubs[club].coach;
        if (InTable(coach, image.coaches.size()) && image.coaches[static_cast<std::size_t>(coach)].human &&
            image.coaches[static_cast<std::size_t>(coach)].club != static_cast<std::int32_t>(club))
            return false;
    }
    return true;
}

// The national teams human coaches lead fill the first places of their list, different entries,
// and no entry is led by a human coach outside it; an invitation offers national teams only.
bool HumanNationsAgree(const SavedGameImage& image)
{
    const TGameState& game = image.game;
    const auto entry = [&image](std::int32_t club) { return IsNationalEntry(club, image); };
    if (!CountedListHolds(game.HumanNations, game.HumanNationCount, entry, [](std::int32_t c) { return c <= 0; }))
        return false;
    for (std::size_t club = 0; club < image.clubs.size(); ++club)
        if (image.clubs[club].IsHuman && !IsClubOfTheGame(club, image) &&
            !Listed(static_cast<std::int32_t>(club), game.HumanNations, game.HumanNationCount))
            return false;
    return Every(game.tournamentRows, [&entry](const std::int32_t (&row)[8]) {
        return Every(row, [&entry](std::int32_t club) { return club <= 0 || entry(club); });
    });
}

}  // namespace

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

const char* HumanLinksDisagree(const SavedGameImage& image)
{
    if (!HumanClubsAgree(image)) return "human clubs";
    if (!HumanCoachesAgree(image)) return "human coaches";
    if (!HumanNationsAgree(image)) return "human national teams";
    return nullptr;
}

}  // namespace tarvelon::savedindex
