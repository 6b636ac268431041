#pragma once
// The champions of one competition season by season, newest first, with the runner-up, the
// season's top scorer and the champion's coach (the champions history screen).
#include <string>
#include <vector>

namespace tarvelon {

struct ChampionRow {
    int season = 0;
    int champion = -1;  // club index (a national team's entry for kinds 7..9)
    int runnerUp = -1;  // place 2 of the same competition and season; -1 when none was recorded
    std::string championName;
    std::string runnerUpName;
    std::string scorer;       // "Name (Club) - 12 gols"; national tournaments: "Name - 5 gols"
    int scorerCountry = -1;   // national tournaments: the scorer's national side's country
    std::string coach;
};

// The competition a history shows: kinds 1 and 2 by country, 3 by state, 4 and 6 by the edition's
// country (29 South America, 3 Europe), 5 and 7..9 alone.
int ChampionsCompetition(int kind, int region);

// Every place-1 record of the competition, from the last recorded to the first.
std::vector<ChampionRow> ChampionRows(int competition);

// The mini-HTML line of one champion: year, crest and name of the champion and of the runner-up,
// the scorer and the coach at their tab stops. `nationalScorerImage` is the scorer's flag
// reference in national tournaments (empty for clubs).
std::string ChampionLine(const ChampionRow& row, const std::string& championImage,
                         const std::string& runnerUpImage, const std::string& nationalScorerImage);

}  // namespace tarvelon
