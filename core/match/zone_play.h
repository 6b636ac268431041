#pragma once
// Open play: from the ball zone, the side in possession and the previous play, the next play is drawn
// from per-zone chances moved by the attack rating of the side with the ball against the defence
// rating of the other side in that zone. The match stores zones in side 1's numbering; each line-up
// rates zones in its own numbering (13 - zone for side 2).

namespace tarvelon {

struct ZoneMove {
    int zone = -1;  // side 1's numbering
    int side = -1;  // side in possession afterwards
    int code = -1;  // outcome (TMatchEvent code)
};

// A zone of one side's numbering turned into the other's: the zone itself for side 1, 13 - zone for side 2.
int MirrorZone(int zone, int side);

// The chance of the defending outcome, moved by the difference between attack a and defence b.
int AdjustByRating(int base, int a, int b, double factor);

// Reseeds the generator from the high-resolution clock, then answers p >= Random(n) + 1.
bool ChanceTest(int p, int n);

bool PassTest(int zone, int attack, int defence, int side);     // true: the pass fails
bool DuelTest(int zone, int attack, int defence, int side);     // true: the attacker loses the duel
bool KeeperTest(int zone, int attack, int keeperRating);         // true: the keeper saves

int NextPassZone(int zone, int side, int lineup1, int lineup2);
int RestartZone(int zone, int side);
int CornerZone(int side);
inline int GoalKickZone(int side) { return side == 1 ? 2 : 11; }
inline int KickOffZone(int side) { return side == 1 ? 5 : 8; }

ZoneMove PlayZoneMove(int zone, int side, int previousCode, int lineup1, int lineup2, int match);

}  // namespace tarvelon
