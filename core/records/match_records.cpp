#include "core/records/match_records.h"

namespace tarvelon {

std::vector<TLineup> Lineups;
std::int32_t LineupCount = 0;
std::vector<jogos> Matches;
std::vector<std::string> MatchVenues;
std::int32_t MatchCount = 0;
std::vector<TMatchEventEntry> MatchEvents;
std::vector<TMatchEventEntry> ReportEvents;
std::vector<TMatchReport> MatchReports;
std::vector<std::int32_t> BookedPlayers;
std::array<arbitro_, kRefereeCount + 1> Referees{};
std::vector<std::string> RefereeNames;

std::string RefereeName(int referee)
{
    if (referee < 1 || referee > kRefereeCount)
        return {};
    int name = Referees[referee].nameIndex;
    if (name < 0 || name >= static_cast<int>(RefereeNames.size()))
        return {};
    return RefereeNames[name];
}

}  // namespace tarvelon
