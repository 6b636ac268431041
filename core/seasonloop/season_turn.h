#pragma once
// Between the last matchday of a season and the first matchday of the next: what the end-of-season
// summary does to the game when it opens (the new season's rollover) and what its "Continuar >>"
// does (dismissals of coaches whose clubs left the divisions, the calendar moved to the first day
// with play, the first screen chosen). The summary's own lists are read with the lookups here.
#include <functional>

namespace tarvelon {

// The league whose divisions the summary lists. (The number of the season that has just ended is
// the rollover's SummarySeason, set before the rollover runs.)
extern int SummaryLeague;

// The league the summary lists first: the current human club's league, else the league of
// country 29; 0 when that league is not played.
int SummaryReferenceLeague();

// What the summary says at the end of the last season (kLastSeason): no season follows it.
inline constexpr char kLastSeasonMessage[] =
    "O calendário do jogo termina em 9999: esta foi a última temporada.";

// A season can follow the current one: it is not the last.
bool NewSeasonCanStart();

// The summary's creation as far as the game is concerned: the season number kept, the league
// chosen, the human national team let go and the new season rolled over. At the end of the last
// season the game says so (kLastSeasonMessage) and stays where it is, a game that saves and loads.
void BeginSeasonSummary();

// The club placed `place` in that competition (kind, region, first division) of that season: the
// first Placings entry in table order; -1 when none.
int FindCompetitionPlacing(int region, int place, int season, int kind);

// A human club that dropped out of the national divisions keeps its coach only in the Brazilian
// league with the regional fourth division, state championships on, a state group and the club's
// state championship in play.
bool HumanCoachKeepsJobOutsideDivisions(int club);

// A human side plays on the first day of the new season (by the kind of that day).
bool HumanClubPlaysOnSeasonStart();

// The screen the new season opens with.
enum class SeasonStartScreen {
    Hub,       // a human club plays, or the national cup had nobody to play on its first day
    Matchday,  // nobody human plays: the first matchday at once, computer line-ups built
};

// "Continuar >>" of the summary: dismissals, the calendar back to day 1 and on to the first day
// with play, expired loans returned, the referees drawn and the first screen chosen.
// `offerPreseasonFriendlies` is the friendlies prompt and scheduler of the human clubs, asked only
// outside instant play when a club is human-run; empty: none are offered. After the last season
// nothing changes and the hub opens.
SeasonStartScreen StartNewSeason(const std::function<void()>& offerPreseasonFriendlies = {});

}  // namespace tarvelon
