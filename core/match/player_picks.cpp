#include "core/match/player_picks.h"

#include "core/basics/random.h"
#include "core/match/lineup_access.h"
#include "core/match/pitch_tables.h"

namespace tarvelon {

namespace {

int SearchZoneSlots(int lineup, int zone, int from)
{
    for (int j = from; j <= 8; ++j) {
        int player = FindPlayerAtSlot(lineup, ZonePitchSlots[zone][j - 1]);
        if (player > 0)
            return player;
    }
    return -1;
}

// Two passes over the zone's slots: from a drawn start to the end, then all of them.
int SearchZone(int lineup, int zone)
{
    int player = SearchZoneSlots(lineup, zone, Random(5) + 1);
    if (player <= 0)
        player = SearchZoneSlots(lineup, zone, 1);
    return player;
}

// Last resort: the first player found over every zone, from the opponent's goal backwards.
int ScanAllZones(int lineup)
{
    for (int zone = 12; zone >= 1; --zone) {
        int player = SearchZoneSlots(lineup, zone, 1);
        if (player > 0)
            return player;
    }
    return -1;
}

int DrawScorerZone()
{
    static const int bandTop[12] = {20, 37, 54, 65, 72, 79, 84, 88, 90, 94, 98, 99};
    static const int zones[12] = {11, 12, 10, 8, 9, 7, 5, 4, 6, 2, 3, 1};
    int r = Random(100);
    int band = 0;
    while (band < 11 && r > bandTop[band])
        ++band;
    return zones[band];
}

int DrawFoulZone()
{
    int r = Random(100);
    int rowStart = r < 36 ? 4 : (r <= 56 ? 7 : (r <= 70 ? 10 : 1));
    return rowStart + Random(3);
}

bool IsZone(int zone) { return zone >= 1 && zone <= 12; }

}  // namespace

int FindPlayerAtSlot(int lineup, int slot)
{
    const TLineup* L = LineupAt(lineup);
    if (L == nullptr)
        return -1;
    for (int k = 1; k <= 11; ++k) {
        const TPlayer* player = StarterPlayer(*L, k);
        if (player != nullptr && L->pitchSlots[k - 1] == slot && PlayerOnPitch(*player))
            return L->starters[k - 1];
    }
    return -1;
}

int PickScorer(int lineup, int zone, int flag)
{
    zone = DrawScorerZone();
    if (flag == kScorerOwnGoal)
        zone = Random(100) < 91 ? 2 : 5;
    int player = SearchZone(lineup, zone);
    return player > 0 ? player : ScanAllZones(lineup);
}

int PickFouler(int lineup, int zone, int unused)
{
    if (zone == -1 || !IsZone(zone))
        zone = DrawFoulZone();
    int player = SearchZone(lineup, zone);
    if (Random(20) == 1)
        player = FindPlayerAtSlot(lineup, 1);  // now and then it is the keeper
    return player > 0 ? player : ScanAllZones(lineup);
}

}  // namespace tarvelon
