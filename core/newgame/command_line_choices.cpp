#include "core/newgame/command_line_choices.h"

#include <algorithm>
#include <exception>
#include <sstream>

#include "core/basics/ascii_text.h"
#include "core/records/game_state.h"
#include "core/vocab/countries.h"

namespace tarvelon {

namespace {

constexpr std::size_t kMostHumanClubs = 6;

bool ParseLeagueList(const std::string& text, std::vector<int>& values)
{
    std::stringstream list(text);
    for (std::string item; std::getline(list, item, ',');) {
        long long value = 0;
        if (!ParseCommandLineNumber(item, 0, 201, value))
            return false;
        values.push_back(static_cast<int>(value));
    }
    return !values.empty();
}

// "--no-cup" style switches: the competition they turn off.
bool* SwitchOf(NewGameCommandLine& c, const std::string& arg)
{
    if (arg == "--no-national-cup") return &c.nationalCup;
    if (arg == "--no-state-championships") return &c.stateChampionships;
    if (arg == "--no-first-continental") return &c.firstContinentalPair;
    if (arg == "--no-second-continental") return &c.secondContinentalPair;
    if (arg == "--no-world-cup") return &c.worldCup;
    if (arg == "--no-copa-america") return &c.copaAmerica;
    if (arg == "--no-eurocopa") return &c.eurocopa;
    return nullptr;
}

bool TakesValue(const std::string& arg) { return arg == "--leagues" || arg == "--division-size" || arg == "--human"; }

// The value of a choice that takes one; false when it is not understood.
bool ReadValue(const std::string& arg, const std::string& value, NewGameCommandLine& c, std::string& error)
{
    long long number = 0;
    if (arg == "--leagues")
        return ParseLeagueList(value, c.leagues);
    if (arg == "--division-size") {
        if (!ParseCommandLineNumber(value, 10, 20, number) || (number != 10 && number != 20))
            return false;
        c.divisionSize = static_cast<int>(number);
        return true;
    }
    if (c.humanClubFiles.size() == kMostHumanClubs) {
        error = "at most six human clubs";
        return false;
    }
    c.humanClubFiles.push_back(value);
    return true;
}

enum class ChoiceRead {
    NotAChoice,  // args[i] is no option of the new game's choices
    Read,        // read into the choices; i is on its last word
    Bad,         // a choice with a missing or bad value, or a seventh human club: `error` says which
};

// Reads the choice that starts at args[i].
ChoiceRead ReadNewGameChoice(const std::vector<std::string>& args, std::size_t& i, NewGameCommandLine& choices,
                             std::string& error)
{
    const std::string& arg = args[i];
    if (bool* flag = SwitchOf(choices, arg)) {
        *flag = false;
        return ChoiceRead::Read;
    }
    if (!TakesValue(arg))
        return ChoiceRead::NotAChoice;
    if (i + 1 >= args.size()) {
        error = "missing value: " + arg;
        return ChoiceRead::Bad;
    }
    const std::string& value = args[++i];
    if (!ReadValue(arg, value, choices, error)) {
        if (error.empty())
            error = "bad option: " + arg + " " + value;
        return ChoiceRead::Bad;
    }
    return ChoiceRead::Read;
}

// The club file's name in "teams/" as a user may write it on the command line: with the folder
// ("teams/flamengo.tcf", "./teams/flamengo.tcf", a whole path) or without, with or without ".tcf".
std::string ClubFileNameAsWritten(const std::string& written)
{
    const std::size_t slash = written.find_last_of("/\\");
    std::string name = slash == std::string::npos ? written : written.substr(slash + 1);
    const std::string_view extension = ".tcf";
    const bool hasExtension = name.size() > extension.size() &&
                              SameTextIgnoringCase(std::string_view(name).substr(name.size() - extension.size()), extension);
    return hasExtension ? name : name + std::string(extension);
}

}  // namespace

const char kNewGameChoicesUsage[] =
    "[--leagues C1,C2,...] [--division-size 10|20] [--human CLUBFILE]...\n"
    "[--no-national-cup] [--no-state-championships] [--no-first-continental] [--no-second-continental]\n"
    "[--no-world-cup] [--no-copa-america] [--no-eurocopa]\n";

bool ParseCommandLineNumber(const std::string& text, long long low, long long high, long long& value)
{
    try {
        std::size_t used = 0;
        value = std::stoll(text, &used);
        return used == text.size() && value >= low && value <= high;
    } catch (const std::exception&) {
        return false;
    }
}

bool ReadCommandLine(const std::vector<std::string>& args, NewGameCommandLine& choices, const OwnOptions& own,
                     std::string& error, bool* choicesGiven)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (own.flag && own.flag(arg))
            continue;
        const ChoiceRead choice = ReadNewGameChoice(args, i, choices, error);
        if (choice == ChoiceRead::Bad)
            return false;
        if (choice == ChoiceRead::Read) {
            if (choicesGiven)
                *choicesGiven = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = "unknown option or missing value: " + arg;
            return false;
        }
        const std::string& value = args[++i];
        if (!own.withValue(arg, value)) {
            error = "bad option: " + arg + " " + value;
            return false;
        }
    }
    return true;
}

NewGameChoices ChoicesFromCommandLine(const NewGameCommandLine& line)
{
    NewGameChoices choices;
    choices.countries = line.leagues.empty() ? OfferedLeagueCountries() : line.leagues;
    choices.leagueFormat = line.divisionSize == 10 ? kLeagueFormatDivisionsOf10 : kLeagueFormatDivisionsOf20;
    choices.nationalCup = line.nationalCup;
    const bool brazil = std::find(choices.countries.begin(), choices.countries.end(), CountryBrazil) != choices.countries.end();
    choices.stateChampionships = line.stateChampionships && brazil;
    choices.firstContinentalPair = line.firstContinentalPair;
    choices.secondContinentalPair = line.firstContinentalPair && line.secondContinentalPair;
    choices.worldCup = line.worldCup;
    choices.copaAmerica = line.copaAmerica;
    choices.eurocopa = line.eurocopa;
    return choices;
}

FirstScreen StartCommandLineGame(const NewGameCommandLine& line, std::string& message)
{
    BeginNewGameSetup();
    ListNewGameClubFiles();
    const NewGameChoices choices = ChoicesFromCommandLine(line);
    if (choices.countries.empty()) {
        message = "no league can be played from this database";
        return FirstScreen::None;
    }
    if (!SetUpNewGameBeforeCoaches(choices))
        return FirstScreen::None;
    // The set-up screens count at least one coach; a game started from the command line may have none.
    Game.HumanClubCount = static_cast<int>(line.humanClubFiles.size());
    for (std::size_t k = 0; k < line.humanClubFiles.size(); ++k) {
        const int slot = static_cast<int>(k) + 1;
        const std::string& file = line.humanClubFiles[k];
        const int club = FindLeagueClubByFile(ClubFileNameAsWritten(file));
        if (club < 0) {
            message = "no played club has the file " + file;
            return FirstScreen::None;
        }
        if (!IsClubOfferedToHumanCoach(club)) {
            message = "the club of " + file + " is not offered to a human coach";
            return FirstScreen::None;
        }
        if (!ChooseHumanClub(slot, club, "Técnico " + std::to_string(slot)))
            return FirstScreen::None;
    }
    return RunNewGameBuilder();
}

}  // namespace tarvelon
