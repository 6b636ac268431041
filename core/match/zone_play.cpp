#include "core/match/zone_play.h"

#include "core/basics/random.h"
#include "core/basics/rounding.h"
#include "core/hooks.h"
#include "core/match/lineup_access.h"
#include "core/match/match_events_codes.h"
#include "core/match/pitch_tables.h"

namespace tarvelon {

namespace {

// Ratings of one line-up at a zone of its own numbering; an unknown line-up rates 0 everywhere.
struct SideRatings {
    const TLineup* lineup;
    int attack(int zone) const { return lineup ? lineup->attack[zone - 1] : 0; }
    int defence(int zone) const { return lineup ? lineup->defence[zone - 1] : 0; }
    int keeper() const { return lineup ? lineup->keeper : 0; }
};

SideRatings RatingsOfSide(int side, int lineup1, int lineup2)
{
    return SideRatings{LineupAt(side == 1 ? lineup1 : lineup2)};
}

bool IsMidfieldRow(int zone) { return zone >= 4 && zone <= 6; }

// A completed pass beats a defence that has left its goal row open.
int OpenDefenceTarget(int fromZone, int drawnZone, const SideRatings& defender)
{
    if (defender.defence(2) == 0)
        return (fromZone == 2 || IsMidfieldRow(fromZone)) ? 11 : drawnZone;
    if (defender.defence(1) == 0)
        return IsMidfieldRow(fromZone) ? 12 : drawnZone;
    if (defender.defence(3) == 0)
        return IsMidfieldRow(fromZone) ? 10 : drawnZone;
    return drawnZone;
}

}  // namespace

int MirrorZone(int zone, int side)
{
    return side == 2 ? 13 - zone : zone;
}

int AdjustByRating(int base, int a, int b, double factor)
{
    if (b < a)
        return static_cast<int>(Round(base - (a - b) * factor));
    return static_cast<int>(Round(base + (b - a) * factor));
}

bool ChanceTest(int p, int n)
{
    Randomize();
    return p >= Random(n) + 1;
}

bool PassTest(int zone, int attack, int defence, int side)
{
    int z = MirrorZone(zone, side);
    return ChanceTest(AdjustByRating(ZoneBadPassChance[z], attack, defence, 0.5), 100);
}

bool DuelTest(int zone, int attack, int defence, int side)
{
    int z = MirrorZone(zone, side);
    bool lost = ChanceTest(AdjustByRating(ZoneDuelLossChance[z], attack, defence, 0.3), 100);
    if (attack >= 1 && defence == 0)
        return false;  // nobody to win the ball from him
    return lost;
}

bool KeeperTest(int zone, int attack, int keeperRating)
{
    int n = keeperRating < 6 ? 112 : (keeperRating <= 9 ? 110 : 100);
    return ChanceTest(AdjustByRating(92, attack, keeperRating, 0.2), n);
}

int NextPassZone(int zone, int side, int lineup1, int lineup2)
{
    int from = MirrorZone(zone, side);
    int table = 3;
    for (int t = 0; t < 3; ++t) {
        if (Random(100) >= 51) {
            table = t;
            break;
        }
    }
    int target = ZonePassTargets[table][from];
    target = OpenDefenceTarget(from, target, RatingsOfSide(OtherSide(side), lineup1, lineup2));
    return MirrorZone(target, side);
}

int RestartZone(int zone, int side)
{
    static const int bandTop[6] = {33, 66, 80, 85, 91, 100};
    int r = Random(100) + 1;
    int band = 0;
    while (band < 5 && r > bandTop[band])
        ++band;
    return MirrorZone(RestartZones[band], side);
}

int CornerZone(int side)
{
    int r = Random(100);
    if (side == 1)
        return r < 51 ? 12 : 10;
    return r < 51 ? 3 : 1;
}

ZoneMove PlayZoneMove(int zone, int side, int previousCode, int lineup1, int lineup2, int match)
{
    const int a = side;
    const int d = OtherSide(a);
    const int z = MirrorZone(zone, a);
    const SideRatings attacker = RatingsOfSide(a, lineup1, lineup2);
    const SideRatings defender = RatingsOfSide(d, lineup1, lineup2);
    const int attack = attacker.attack(z);
    const int defence = defender.defence(MirrorZone(zone, d));

    if (previousCode == meShotWide)
        return {RestartZone(zone, a), a, mePass};
    if (previousCode == mePass && attack == 0)
        return {zone, d, mePassLost};
    if (ZoneFoulChance[z] > Random(100) && defence > 0)
        return {zone, a, meFoul};
    if (!DuelTest(zone, attack, defence, a)) {
        if (ZoneShotChance[z] <= Random(100)) {
            if (!PassTest(zone, attack, defence, a))
                return {NextPassZone(zone, a, lineup1, lineup2), a, mePass};
            return {zone, d, meBadPass};
        }
        if (!KeeperTest(zone, attack, defender.keeper()))
            return {zone, d, meGoal};
        if (Random(100) < 51)
            return {CornerZone(a), a, meCorner};
        return {GoalKickZone(d), d, meShotWide};
    }
    if (ZoneFoulAfterDuelChance[z] <= Random(100))
        return {zone, d, meLostBall};
    return {zone, a, meFoul};
}

}  // namespace tarvelon
