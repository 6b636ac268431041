// The champions of one competition, as the champions history screen lists them.
#include "core/views/champions.h"

#include "core/basics/cp1252.h"
#include "core/basics/literal_text.h"
#include "core/history/history_lookups.h"
#include "core/records/history_records.h"
#include "core/season/competitions.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kFirstYear = 2009;
constexpr int kNationalCoach = 50000;  // coach values from here on name a national team's coach

bool ValidClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }

std::string ClubName(int club) { return ValidClub(club) ? Clubs[club].name.str() : std::string(); }

std::string CoachName(int coach)
{
    if (coach >= kNationalCoach) {
        const int team = coach - kNationalCoach;
        return team < static_cast<int>(NationalTeams.size()) ? NationalTeams[team].coachName.str() : "";
    }
    return coach >= 0 && coach < static_cast<int>(Coaches.size()) ? Coaches[coach].name.str() : "";
}

// Place 2 of the same competition and season (never "the record that follows", which may be of
// another competition or lie past the end of the table).
int RunnerUp(int competition, int season)
{
    for (const TPlacing& p : Placings)
        if (p.competition == competition && p.season == season && p.place == 2)
            return p.club;
    return -1;
}

bool IsNationalTournament(int competition)
{
    if (competition <= 0 || competition >= static_cast<int>(Competitions.size()))
        return false;
    return Competitions[competition].kind >= 7;
}

void DescribeScorer(int competition, int season, ChampionRow& row)
{
    const int found = FindSeasonTopScorer(competition, season);
    if (found < 0)
        return;
    const TScorer& s = Scorers[found];
    const std::string name = s.player > 0 && s.player < static_cast<int>(Players.size()) ? Players[s.player].Name.str() : "";
    const std::string goals = std::to_string(s.goals) + " gols";
    if (IsNationalTournament(competition)) {
        row.scorerCountry = ValidClub(s.club) ? Clubs[s.club].Country : -1;
        row.scorer = name + " - " + goals;
        return;
    }
    row.scorer = Utf8Left(Utf8Left(Utf8Left(name + " (", 22) + ClubName(s.club), 47) + ") - ", 51) + goals;
}

}  // namespace

int ChampionsCompetition(int kind, int region)
{
    switch (kind) {
    case 3: return FindCompetition(3, -1, -1, 1, region);
    case 1: return FindCompetition(1, region, 1, -1, -1);
    case 2:
    case 4:
    case 6: return FindCompetition(kind, region, -1, -1, -1);
    default: return FindCompetition(kind, -1, -1, -1, -1);
    }
}

std::vector<ChampionRow> ChampionRows(int competition)
{
    std::vector<ChampionRow> rows;
    if (competition <= 0)
        return rows;
    for (auto p = Placings.rbegin(); p != Placings.rend(); ++p) {
        if (p->competition != competition || p->place != 1)
            continue;
        ChampionRow row;
        row.season = p->season;
        row.champion = p->club;
        row.championName = ClubName(p->club);
        row.runnerUp = RunnerUp(competition, p->season);
        row.runnerUpName = ClubName(row.runnerUp);
        row.coach = CoachName(p->coach);
        DescribeScorer(competition, p->season, row);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string ChampionLine(const ChampionRow& row, const std::string& championImage, const std::string& runnerUpImage,
                         const std::string& nationalScorerImage)
{
    const auto ind = [](int x) { return "<IND x=\"" + std::to_string(x) + "\">"; };
    const auto img = [](const std::string& source) { return "<IMG src=\"" + source + "\">"; };
    std::string scorer = MarkupLiteral(row.scorer);
    if (!nationalScorerImage.empty() && !scorer.empty())
        scorer = img(nationalScorerImage) + ind(338) + scorer;
    return "<FONT color=\"#008040\">" + std::to_string(kFirstYear + row.season) + ind(38) + img(championImage) +
           ind(45) + MarkupLiteral(row.championName) + ind(185) + img(runnerUpImage) + ind(192) +
           MarkupLiteral(row.runnerUpName) + ind(330) + scorer + ind(580) + MarkupLiteral(row.coach) + "</FONT><br>";
}

}  // namespace tarvelon
