#pragma once
// Appending to the history tables: places, honours, top scorers and coaches' season lines.
#include <string>

namespace tarvelon {

// A national team without a coach record is stored as this plus its NationalTeams index.
inline constexpr int kNationalTeamCoachBase = 50000;

void AddCompetitionPlacing(int kind, int club, int region, int division, int keyA, int keyB, int place);
void AddCoachHonour(int kind, int club, int coach, int division, int place, int region);
void AddClubPlacing(int club, int place, int kind, int divisionOrState);
void AddTopScorer(int competition, int club, int player, int goals);

// Counts into the coach's line of this season and club by tag: "j" a game, "v" a win, "d" a loss,
// "pr" `amount` ranking points (also into the coach's national and, outside state-championship days,
// world ranking), "tit" a title. A missing line is started with one game and nothing else.
void AddCoachSeasonStat(int coach, int club, int amount, const std::string& tag);

}  // namespace tarvelon
