// Every past meeting of two clubs, as the head-to-head screen lists and sums them.
#include "core/views/meetings.h"

#include <algorithm>

#include "core/history/head_to_head.h"
#include "core/records/history_records.h"
#include "core/sort/record_sort.h"
#include "core/tables.h"
#include "core/views/competition_labels.h"

namespace tarvelon {

namespace {

constexpr int kFirstYear = 2009;

bool ValidClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }

std::string ClubName(int club) { return ValidClub(club) ? Clubs[club].name.str() : std::string(); }

std::string SideText(int wins, int defeats, std::int64_t goalsFor, std::int64_t goalsAgainst)
{
    return std::to_string(wins) + "v " + std::to_string(defeats) + "d " + std::to_string(goalsFor) + "gp " +
           std::to_string(goalsAgainst) + "gc ";
}

}  // namespace

std::vector<MeetingRow> MeetingRows(int clubA, int clubB)
{
    std::vector<MeetingRow> rows;
    if (clubA < 0 || clubB < 0)
        return rows;
    for (const TPastMatch& m : PastMatches) {
        if (!((m.homeClub == clubA && m.awayClub == clubB) || (m.homeClub == clubB && m.awayClub == clubA)))
            continue;
        MeetingRow row;
        row.year = m.season + kFirstYear;
        row.ground = ValidClub(m.homeClub) ? Clubs[m.homeClub].Stadium.str() : std::string();
        row.homeName = ClubName(m.homeClub);
        row.score = std::to_string(m.homeGoals) + "x" + std::to_string(m.awayGoals);
        row.awayName = ClubName(m.awayClub);
        row.competition = MeetingCompetitionName(m.kind, clubA);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string MeetingCountText(int games) { return std::to_string(games) + (games == 1 ? " jogo" : " jogos"); }

std::pair<std::string, std::string> MeetingSummaryTexts(int clubA, int clubB)
{
    const HeadToHead h = SummarizeHeadToHead(clubA, clubB);
    if (h.games == 0)
        return {};
    return {SideText(h.wins, h.losses, h.goalsFor, h.goalsAgainst),
            SideText(h.losses, h.wins, h.goalsAgainst, h.goalsFor)};
}

std::vector<std::pair<std::string, int>> ClubsByName()
{
    std::vector<std::pair<std::string, int>> clubs;
    for (int club = 0; club < static_cast<int>(Clubs.size()); ++club)
        clubs.emplace_back(Clubs[club].name.str(), club);
    // By name in plain character order; clubs of the same name as the game's record sort leaves them.
    SortRowsAsRecords(clubs, [](const auto& a, const auto& b) { return a.first.compare(b.first); });
    return clubs;
}

}  // namespace tarvelon
