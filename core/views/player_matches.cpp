// A player's matches of the running season, as his career screen lists them.
#include "core/views/player_matches.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "core/basics/cp1252.h"
#include "core/basics/datetime.h"
#include "core/basics/literal_text.h"
#include "core/history/career_text.h"
#include "core/records/match_records.h"
#include "core/records/appearance_records.h"
#include "core/tables.h"
#include "core/vocab/players.h"

namespace tarvelon {

namespace {

constexpr std::size_t kHomeNameCut = 26;

std::string ClubName(int club)
{
    return club >= 0 && club < static_cast<int>(Clubs.size()) ? Clubs[club].name.str() : std::string();
}

std::string GeneralFloat(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

PlayerMatchRow MakeRow(int report, const std::string& rating)
{
    PlayerMatchRow row;
    row.report = report;
    row.rating = rating;
    if (report < 0 || report >= static_cast<int>(MatchReports.size()))
        return row;
    const TMatchReport& r = MatchReports[report];
    row.date = DateToStr(r.date);
    row.match = Utf8Left(ClubName(r.club[0]) + " ", kHomeNameCut) + std::to_string(r.goals[0]) + " x " +
                std::to_string(r.goals[1]) + " " + ClubName(r.club[1]);
    return row;
}

}  // namespace

std::vector<PlayerMatchRow> PlayerSeasonMatches(int player)
{
    std::vector<PlayerMatchRow> rows;
    std::set<int> listed;
    for (const TAppearance& a : Appearances)
        if (a.player == player && listed.insert(a.report).second)
            rows.push_back(MakeRow(a.report, GeneralFloat(a.rating)));
    for (const TSubAppearance& s : SubAppearances)
        if (s.second == player && listed.insert(s.report).second)
            rows.push_back(MakeRow(s.report, GeneralFloat(s.rating)));
    std::reverse(rows.begin(), rows.end());
    return rows;
}

std::string PlayerCareerHeading(int player)
{
    if (player <= 0 || player >= static_cast<int>(Players.size()))
        return "";
    const TPlayer& p = Players[player];
    const std::string position =
        p.Position >= 0 && p.Position < PositionCount ? std::string(PositionNames[p.Position]).substr(0, 1) : "";
    return "<P align=\"center\"><SHAD>" + position + " - " + MarkupLiteral(p.Name.str()) + "</SHAD></P>";
}

int PreviousCareerPageRow(int firstRow) { return std::max(0, firstRow - kPlayerCareerPageRows); }

}  // namespace tarvelon
