#pragma once
// The game's human coaches, up to six, in the slots of the game state: the list the coaches' screen
// shows, a new coach who joins without a club, and a coach without a club who leaves the game.
#include <string>
#include <vector>

namespace tarvelon {

inline constexpr int kHumanCoachSlots = 6;

struct HumanCoachRow {
    int coach = -1;
    std::string name;
    std::string clubName;  // empty while he has no club
};

// The coaches of the filled slots, in slot order.
std::vector<HumanCoachRow> HumanCoachRows();

// The first free slot (0..5), -1 when all six are taken.
int FreeHumanCoachSlot();

// A new human coach named `name` (at most 25 characters) without a club, in the first free slot:
// the first free coach record is reused, or a record is appended when none is free. Returns his
// coach index; -1 when the name is empty or every slot is taken.
int AddHumanCoach(const std::string& name);

enum class RemoveCoachResult { Removed, StillHasClub, NotACoach };

// Frees the coach's slots and his record, unless he still runs a club.
RemoveCoachResult RemoveHumanCoach(int coach);

}  // namespace tarvelon
