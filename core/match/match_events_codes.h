#pragma once
// TMatchEvent: the outcome codes of a play, the engine's next-play states and the kinds of the
// matchday events (shared by the engine, the event list, the ratings and the matchday screen).

namespace tarvelon {

enum TMatchEvent : int {
    meLostBall = 1,             // the ball lost in a duel; possession changes
    mePass = 2,                 // a completed pass (also the restart pass after a goal kick)
    meShotWide = 3,             // a shot saved and put behind; goal kick for the other side
    meGoal = 4,                 // a goal from open play
    meFoul = 5,                 // a foul suffered by the side in possession
    mePenaltyFoul = 6,          // counted as a shot of the other side
    meCorner = 7,               // a shot saved for a corner
    meGoalKick = 8,             // in the event list: an own goal
    meBadPass = 9,              // a pass intercepted; possession changes
    mePassLost = 10,            // a pass by a side without attacking strength in the zone
    meAfterFoul = 11,           // next play: a card is drawn
    meAfterCard = 12,           // next play: an injury, then a penalty, is drawn
    meCard = 13,                // a card (kind 1 yellow, 2 red, 3 second yellow and red)
    meFreeKickGoal = 14,
    mePenaltyGoal = 15,
    mePenaltyMissed = 16,
    meAfterInjury = 17,         // next play: a penalty is drawn
    meInjury = 18,              // a player injured (second: his substitute or -1)
    meSubstitution = 19,        // second: the incoming player
    meInjurySubstitution = 20,  // the substitution recorded right after an injury
};

constexpr int meOwnGoal = meGoalKick;  // the code an own goal is stored with

enum CardKind : int { ckYellow = 1, ckRed = 2, ckSecondYellow = 3 };

}  // namespace tarvelon
