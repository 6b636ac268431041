#pragma once
// How one match event is presented on every screen that shows events (the live matchday rows, the
// results screen, the match report, the in-match screen): its icon, its colour, its text, its
// minute and half, the sound it plays for a human side, and whether it pauses the day.
#include <string>

#include "core/records/match_records.h"

namespace tarvelon {

struct MatchEventView {
    std::string icon;    // "i_gol", "i_golv", "i_ca", "i_cv", "i_cacv", "i_ct", "i_sub"; "" for none
    std::string colour;  // "clwhite", "clyellow", "clred", "#DFDF00"
    std::string text;    // player (or "(off) on" for substitutions) and the code's suffix
    int minute = 0;      // MatchMinuteOfTick of the event's tick
    int half = 1;        // 2 for ticks after 92
};

// True for the codes that show on a row: goals, own goals, cards, penalties, injuries, substitutions.
bool IsShownEventCode(int code);
// True for the codes that count as a goal of the event's side (4, 14, 15) or an own goal (8).
bool IsGoalEventCode(int code);

// What follows the player's name for a code: " (contra)", " (de falta)", " (de penalti)",
// " (perdeu penalti)"; "" for the other codes.
std::string EventCodeSuffix(int code);

MatchEventView ViewOfMatchEvent(const TMatchEventEntry& event);

// The live row's rich text: the event in its colour, shadowed, bold when asked, and its minute.
std::string MatchEventRichText(const TMatchEventEntry& event, bool bold);

// The sound an event of the live day plays: "gol" when the event's club is human and it is a goal
// of open play, a free kick or an own goal credited to it, else "goladv" when the other club is;
// "" otherwise (a penalty goal plays none).
std::string GoalSoundOfEvent(const TMatchEventEntry& event, int otherClub);

// A sending-off (red or second yellow) of a human club's player: the live day stops for its coach.
bool IsHumanSendingOff(const TMatchEventEntry& event);

}  // namespace tarvelon
