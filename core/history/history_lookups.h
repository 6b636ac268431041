#pragma once
// Questions asked of the history tables; -1 means "not found" unless said otherwise.

namespace tarvelon {

// The club last recorded as champion of the first division of the country's league, else -1.
int FindLatestLeagueChampion(int country);

// The club of the first Placings entry of that competition, season and place.
int FindPlacedClub(int region, int place, int season, int kind, int division);

// The club of the latest place-1 entry of that competition (division 1) and season.
int FindChampion(int kind, int region, int season);

// The coach of the first CoachHonours entry with exactly these fields.
int FindHonouredCoach(int region, int place, int season, int kind, int division);

// The first MatchReports index of that kind and stage in which the team played on either side.
int FindTournamentMatch(int kind, int stage, int team);

// Scorers lookups: by all four keys, and the first entry of a competition and season.
int FindScorerEntry(int keyA, int season, int competition, int keyB);
int FindSeasonTopScorer(int competition, int season);

// The first MatchReports entry played on the fixture's date by the fixture's home club.
int FindMatchReportOfFixture(int fixture);

}  // namespace tarvelon
