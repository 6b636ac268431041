#pragma once
// One case of the sweep played in this process: the damaged file loaded as the load screen loads
// it, the views a player opens after a load, the game played through its season turn, saved, and
// that save loaded again.
#include <string>

namespace tarvelon::savesweep {

enum class CaseOutcome {
    Refused,  // "Este arquivo não é válido ou está corrompido", the file left as it was
    Played,   // played through a season turn and its own save loads
    Fault,    // anything else (the reason says what); a crash, a sanitizer report or a hang is
              // seen by the runner from outside
};

struct CaseResult {
    CaseOutcome outcome = CaseOutcome::Fault;
    std::string reason;
};

// `bytes` written to `path` and played from there; `path` + ".again" holds the game's own save. With
// `everyDay`, the game's save is asked of the loader after every day (PlayCheckingEachDay).
CaseResult PlayCase(const std::string& bytes, const std::string& path, bool everyDay = false);

// What the screens show right after a load: the market's tree, the season summary's rows, every
// match report, the brackets of the cups and of the tournament, the human clubs' rosters, and the
// history views (club records, head-to-heads and meetings, careers, titles, hirings, champions).
void OpenViewsAfterLoad();

// Days are played until the season's last one, then the season turns; false when the season does
// not end within the calendar's days (a game whose day never moves on).
bool PlayThroughSeasonTurn();

// Days played one at a time through the season's turn and on into the new season until its state
// championship, national cup and continental cups, drawn at the turn, have each played their first day,
// the game's save read back by the loader after every day, as a save that day would be: a fault
// names the first day whose save is refused and the check that refuses it.
CaseResult PlayCheckingEachDay();

}  // namespace tarvelon::savesweep
