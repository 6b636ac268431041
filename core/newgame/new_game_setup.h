#pragma once
// The choices of the new-game screens (game mode, played leagues and competitions, human coaches,
// custom championship) and the work each screen does with them, so that a whole new game can be set
// up and started without a window. The screens call the steps one by one; StartNewGame(choices)
// runs them all in the screens' order.
#include <string>
#include <vector>

#include "core/newgame/start_game.h"
#include "core/season/calendar.h"

namespace tarvelon {

// League formats of the game state (the calendar's kDivisionsOf20 and kDivisionsOf10).
inline constexpr int kLeagueFormatDivisionsOf20 = kDivisionsOf20;
inline constexpr int kLeagueFormatDivisionsOf10 = kDivisionsOf10;

// Countries need this many playable current club files to be offered as a league.
inline constexpr int kClubFilesForALeague = 22;
// A custom championship needs this many clubs of the ticked countries.
inline constexpr int kClubsForACustomChampionship = 42;
// The custom championship holds at most this many clubs; the rest of the chosen ones are left out.
inline constexpr int kCustomChampionshipClubLimit = 1000;

inline constexpr const char* kNoLeagueSelectedText = "Selecione pelo menos uma liga";
inline constexpr const char* kClubAlreadyHumanText = "Este time já é de um treinador humano";

struct HumanCoachChoice {
    std::string name;      // the coach's name (at most 25 characters are kept)
    std::string clubFile;  // the club he takes, by its file in "teams/" ("flamengo.tcf"), any case
};

struct NewGameChoices {
    bool customChampionship = false;
    // Real mode: the ticked leagues; custom championship: the countries whose clubs are pooled.
    std::vector<int> countries;
    int leagueFormat = kLeagueFormatDivisionsOf10;
    bool nationalCup = true;
    bool stateChampionships = false;      // only with the Brazilian league
    bool firstContinentalPair = true;
    bool secondContinentalPair = true;    // only with the first pair
    bool worldCup = true;
    bool realWorldCupGroups = true;       // the fixed groups of the first World Cup
    bool eurocopa = true;
    bool copaAmerica = true;
    std::vector<HumanCoachChoice> humanCoaches;  // 1 to 6, in slot order
};

// A new set-up starts from an empty game: the game state, every game table, the builder's tables
// and the club-file lists.
void BeginNewGameSetup();

// Lists the club files of "teams/" into CustomChampionshipClubs / CustomChampionshipFiles and counts
// the playable current ones per country into CountryClubCounts (countries 0..201 only).
void ListNewGameClubFiles();

// CountryClubCounts from the listed club files; a header naming a country above 201 counts nowhere.
void CountClubFilesByCountry();

// The countries offered as leagues (at least 22 playable current club files), by country id.
std::vector<int> OfferedLeagueCountries();

// Real mode ("Iniciar Jogo >>"): one league per ticked country in country order, the mode and the
// competitions into the game state, the leagues' clubs dealt into divisions. False (after the
// screen's message when no league is ticked) when the choices cannot start a game.
bool SetUpPlayedLeagues(const NewGameChoices& choices);

// Custom championship ("Continuar >>"): the clubs of the ticked countries pooled into one league of
// the custom country. False when fewer than 42 clubs are pooled.
bool SetUpCustomChampionship(const NewGameChoices& choices);

// What the human-coach screens do when they open: the state championships drawn, the human club
// list emptied and, for a Brazilian league of four divisions of 20 with enough state clubs, the
// fourth division replaced by the regional division.
void PrepareHumanCoachSetup();

// True when the coach screens offer the club to a human coach (a division list shown, or the
// regional list).
bool IsClubOfferedToHumanCoach(int club);

// Coach `slot` (1..6) takes the club: the club becomes human-run, the name is kept for his coach
// record. False (after the screen's message for a club that is already human-run) when refused.
bool ChooseHumanClub(int slot, int club, const std::string& coachName);

// The league club whose file is `clubFile` (without regard to case), or -1.
int FindLeagueClubByFile(const std::string& clubFile);

// The builder screen: its opening work, then StartNewGame, then the club-file lists emptied.
FirstScreen RunNewGameBuilder();

// The steps up to the coach screens: a new set-up, the club files listed, the leagues (or the custom
// championship) set up and the coach screens prepared. False when the choices are refused.
bool SetUpNewGameBeforeCoaches(const NewGameChoices& choices);

// Every step above with the given choices; FirstScreen::None when the choices are refused.
FirstScreen StartNewGame(const NewGameChoices& choices);

}  // namespace tarvelon
