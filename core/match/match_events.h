#pragma once
// The matchday event list: every goal, card, injury and substitution is counted in the player's
// statistics and appended to MatchEvents; the queries read it back for one player.
#include <string>

namespace tarvelon {

// Counts the event in the player's statistics and appends it; returns the index of the last entry added.
int RecordMatchEvent(int side, int player, int match, int code, int second);

// Appends one entry to MatchEvents (an own goal is stored as code 8); returns its index.
int AddMatchEvent(int side, int player, int match, int code, int second);

// The text of an event for the event trace ("(gol) Name", ...).
std::string MatchEventText(int player, int code, int second, bool ownGoal);

// True when MatchEvents holds a goal (4, 14 or 15) of the player.
bool PlayerScoredToday(int player);

struct PlayerMatchCounts {
    int goals = 0;
    int ownGoals = 0;
    int missedPenalties = 0;
    int yellowCards = 0;
    int otherCards = 0;
    int ticksOnPitch = 182;

    bool operator==(const PlayerMatchCounts&) const = default;
};
PlayerMatchCounts CountPlayerMatchEvents(int player);

struct PlayerCardCounts {
    int yellow = 0;
    int red = 0;
    int secondYellowRed = 0;
    int injuries = 0;
    int spare = 0;

    bool operator==(const PlayerCardCounts&) const = default;
};
PlayerCardCounts CountPlayerCards(int player);

// Puts a player into starter place 1..11 of the club's current line-up and counts his game.
void PutPlayerInLineupSlot(int club, int player, int place);
// The same without counting his game (counted already today); false when nothing was put in.
bool PlacePlayerInLineupSlot(int club, int player, int place);

struct FixtureScore {
    int homeGoals = -1;
    int awayGoals = -1;
};

// The goals of the fixture of today's competition kind with that round, first (home) club and
// second (away) club; (-1, -1) when there is none.
FixtureScore FindFixtureScore(int round, int secondClub, int firstClub);

}  // namespace tarvelon
