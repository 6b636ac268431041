#pragma once
// Where a club finds its next coach: a free one, one poached from a club of the same league, or a
// made-up one.
#include <memory>

namespace tarvelon {

struct FreeCoachList;

// While one lives, the searches for a free coach below read a list of the free coaches made on the
// first search instead of walking the whole coach table each time: a pass that replaces the coaches
// of many clubs (the day's sackings) walks the table once. A coach becomes free during its life only
// through DismissCoach, which reports him (NoteCoachLetGo); coaches added to the table are walked
// after the list. One search at a time.
class FreeCoachSearch {
public:
    FreeCoachSearch();
    ~FreeCoachSearch();
    FreeCoachSearch(const FreeCoachSearch&) = delete;
    FreeCoachSearch& operator=(const FreeCoachSearch&) = delete;

private:
    std::unique_ptr<FreeCoachList> list_;
    FreeCoachList* outer_;
};

// A coach has just lost his club: the open free-coach search, if any, counts him in.
void NoteCoachLetGo(int coach);

// The first coach in table order without a club, not active and not human, of that country (any
// country for -1); the second also wants his division to be the given one. -1 when none.
int FindFreeCoachOfCountry(int country);
int FindFreeCoachOfCountryDivision(int country, int division);

// The coach of another computer-run club of the country's league, found in the final standings of
// the club's division or the next one; stores that club in ReplacementCoachOldClub. -1 when none.
int FindCoachToPoach(int country, int division, int club);

// The first computer-run league club of the country outside the divisions that has a coach; -1.
int FindRegionalClubWithCoach(int country);

// A coach for CoachChangeClub after its human coach was fired: a free coach of its country and
// division, of its country, of anywhere, or else a new coach with a made-up name.
int FindReplacementCoach();

// A replacement for the computer club CoachChangeClub: sets FiredCoach, ReplacementCoach and
// ReplacementCoachOldClub; false (all three -1) when there is none.
bool FindReplacementForCpuClub();

}  // namespace tarvelon
