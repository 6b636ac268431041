// The index checks of the archive of played matches: the reports, their events, and the
// appearances and substitutions that point into them.
#include "core/persist/saved_game_index_checks.h"

namespace tarvelon::savedindex {

namespace {

// A line-up's place holds a player, or 0 or below when it is empty.
bool PlayerOrEmpty(std::int32_t player, std::size_t players) { return player <= 0 || InTable(player, players); }

bool ReportInTables(const TMatchReport& report, const TableSizes& sizes)
{
    return AllIndexesOrNone(report.club, sizes.clubs) && IsKind(report.kind) &&
           Every(report.startingEleven, [&sizes](const std::int32_t (&side)[11]) {
               return Every(side, [&sizes](std::int32_t p) { return PlayerOrEmpty(p, sizes.players); });
           });
}

bool EventInTables(const TMatchEventEntry& event, const TableSizes& sizes)
{
    return IndexOrNone(event.match, sizes.reports) && IndexOrNone(event.club, sizes.clubs) &&
           PlayerOrEmpty(event.player, sizes.players);
}

bool AppearanceInTables(const TAppearance& appearance, const TableSizes& sizes)
{
    return IndexOrNone(appearance.report, sizes.reports) && PlayerOrEmpty(appearance.player, sizes.players) &&
           IndexOrNone(appearance.club, sizes.clubs);
}

bool SubstitutionInTables(const TSubAppearance& sub, const TableSizes& sizes)
{
    return IndexOrNone(sub.report, sizes.reports) && PlayerOrEmpty(sub.player, sizes.players) &&
           PlayerOrEmpty(sub.second, sizes.players) && IndexOrNone(sub.club, sizes.clubs);
}

}  // namespace

const char* MatchArchiveIndexOutside(const SavedGameImage& image, const TableSizes& sizes)
{
    if (!Every(image.matchReports, [&sizes](const TMatchReport& r) { return ReportInTables(r, sizes); }))
        return "match report";
    if (!Every(image.reportEvents, [&sizes](const TMatchEventEntry& e) { return EventInTables(e, sizes); }))
        return "match report's event";
    if (!Every(image.appearances, [&sizes](const TAppearance& a) { return AppearanceInTables(a, sizes); }))
        return "appearance";
    if (!Every(image.subAppearances, [&sizes](const TSubAppearance& s) { return SubstitutionInTables(s, sizes); }))
        return "substitution";
    return nullptr;
}

}  // namespace tarvelon::savedindex
