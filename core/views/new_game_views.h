#pragma once
// What the new-game and load-game screens show that is worth a rule of its own: the captions of the
// chooser's competition boxes for the played country, and the "next match" line of a saved game's
// preview.
#include <string>
#include <vector>

#include "core/records/game_state.h"

namespace tarvelon {

struct ChooserCaptions {
    std::string nationalCup;        // "Jogar Copa do Brasil", "Jogar Copa do(a) Argentina"
    std::string firstContinental;   // "Jogar Taça Libertadores" / "Jogar Copa dos Campeões"
    std::string secondContinental;  // "Jogar Copa Sul-Americana" / "Jogar Liga Europa da UEFA"
    bool stateChampionships = false;  // the state championships box is offered (Brazil only)
};

// The chooser's captions when `country` is the played country.
ChooserCaptions ChooserCaptionsFor(int country);

// The year a season number is shown as (the first season is 2010).
int SeasonYear(int season);

// The load screen's "Próximo Jogo:" text for a saved game's state: the competition of its day,
// with the round and turn for the national league; "" for an unknown kind.
std::string NextCompetitionText(const TGameState& state);

// The custom championship's club counts: it starts with at least 42 clubs, and above 1000 some of
// the chosen clubs are left out.
bool CustomChampionshipCanStart(int clubs);
bool CustomChampionshipOverLimit(int clubs);

// The load screen's preview of a saved game, read from its header alone. A file that is short,
// unreadable or of another version previews as "arquivo inválido" with every other text empty.
struct SavePreviewTexts {
    bool valid = false;
    std::string coach;
    std::string club;
    std::string year;
    std::string nextCompetition;  // "arquivo inválido" when not valid
};
inline constexpr const char* kInvalidPreviewText = "arquivo inválido";
SavePreviewTexts PreviewSavedGame(const std::string& name);

// The clubs the coach set-up offers in division `division` (1..4) of league `league`, in the order
// of the division's slots, and the same sorted by name for the division lists.
std::vector<int> DivisionClubs(int league, int division);
std::vector<int> DivisionClubsByName(int league, int division);
// The regional division's clubs (Brazilian state clubs outside the four divisions), by name.
std::vector<int> RegionalClubsByName();

}  // namespace tarvelon
