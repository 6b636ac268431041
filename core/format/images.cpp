#include "core/format/images.h"

#include "core/persist/file_paths.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

const TClub* ClubOrNull(int club)
{
    if (club < 0 || static_cast<std::size_t>(club) >= Clubs.size()) return nullptr;
    return &Clubs[static_cast<std::size_t>(club)];
}

// The club's crest name, when it names a picture inside the crest folders: a name from a saved game
// or a club file that leads elsewhere on the disk shows no crest.
const TClub* ClubWithPlainCrest(int club)
{
    const TClub* c = ClubOrNull(club);
    return c && IsPlainFileName(c->crestName.str()) ? c : nullptr;
}

// National teams' entries stand after the league clubs and the continental guests.
bool IsNationalTeamEntry(int club)
{
    return club >= Game.LeagueClubCount + Game.ExtraClubCount;
}

}  // namespace

std::string CrestPath(int club)
{
    const TClub* c = ClubWithPlainCrest(club);
    if (!c) return {};
    const char* folder = IsNationalTeamEntry(club) ? "teams/selecoes" : "teams/escudos";
    for (const char* extension : {".png", ".gif", ".bmp"}) {
        std::string path = FindFileNoCase(folder, c->crestName.str() + extension);
        if (!path.empty()) return path;
    }
    return {};
}

std::string MiniCrestPath(int club)
{
    const TClub* c = ClubWithPlainCrest(club);
    if (!c) return {};
    return FindFileNoCase("teams/miniescudos", "mini_" + c->crestName.str() + ".bmp");
}

std::string FormatStatusImageIndex(int player, int style)
{
    const int status = player >= 0 && static_cast<std::size_t>(player) < Players.size()
                           ? Players[static_cast<std::size_t>(player)].ShirtNumber
                           : 0;
    switch (style) {
    case 0: return std::to_string(status + 58);
    case 1: return std::to_string(status);
    case 2: return std::to_string(status + 29);
    case 3: return "87";
    case 4: return "88";
    default: return {};
    }
}

}  // namespace tarvelon
