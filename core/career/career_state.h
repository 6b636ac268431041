#pragma once
// What the coach career keeps between its steps: the coach change under way and the job offers
// waiting for a human coach, and the names given to coaches the game makes up.
#include <array>
#include <string>

namespace tarvelon {

// The coach change under way; all -1 when idle. The change notice reads them.
extern int CoachChangeClub;         // the club whose coach is being replaced
extern int FiredCoach;
extern int ReplacementCoach;
extern int ReplacementCoachOldClub; // the club that lost the replacement coach; -1 none
// The dismissal notice that comes next follows the coach's own resignation (cleared by the notice).
extern bool CoachResigned;

// Four club indexes offered to the current human coach; -1 = empty.
extern std::array<int, 4> JobOffers;

extern const std::array<const char*, 11> CoachFirstNames;
extern const std::array<const char*, 11> CoachSurnames;

// The four globals of a coach change back to -1.
void ResetCoachChange();

// All four offers empty.
void ClearJobOffers();

// A made-up coach: a first name and a surname drawn from the two lists.
void MakeRandomCoachName(std::string& name);

}  // namespace tarvelon
