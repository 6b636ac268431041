#include "tools/sim/sim_options.h"

#include <exception>
#include <sstream>

namespace tarvelon::sim {

namespace {

bool ParseInt(const std::string& text, long long low, long long high, long long& value)
{
    try {
        std::size_t used = 0;
        value = std::stoll(text, &used);
        return used == text.size() && value >= low && value <= high;
    } catch (const std::exception&) {
        return false;
    }
}

bool ParseIntList(const std::string& text, std::vector<int>& values)
{
    std::stringstream list(text);
    for (std::string item; std::getline(list, item, ',');) {
        long long value = 0;
        if (!ParseInt(item, 0, 201, value))
            return false;
        values.push_back(static_cast<int>(value));
    }
    return !values.empty();
}

// "--no-cup" style switches: the competition they turn off.
bool* SwitchOf(SimOptions& o, const std::string& arg)
{
    if (arg == "--no-national-cup") return &o.nationalCup;
    if (arg == "--no-state-championships") return &o.stateChampionships;
    if (arg == "--no-first-continental") return &o.firstContinentalPair;
    if (arg == "--no-second-continental") return &o.secondContinentalPair;
    if (arg == "--no-world-cup") return &o.worldCup;
    if (arg == "--no-copa-america") return &o.copaAmerica;
    if (arg == "--no-eurocopa") return &o.eurocopa;
    return nullptr;
}

}  // namespace

const char* SimUsage()
{
    return "usage: tarvelon-sim --data DIR [--seed N] [--seasons K] [--save FILE] [--load FILE]\n"
           "                    [--leagues C1,C2,...] [--division-size 10|20] [--human CLUBFILE]...\n"
           "                    [--no-national-cup] [--no-state-championships] [--no-first-continental]\n"
           "                    [--no-second-continental] [--no-world-cup] [--no-copa-america] [--no-eurocopa]\n";
}

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error)
{
    SimOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (bool* flag = SwitchOf(o, arg)) {
            *flag = false;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = "unknown option or missing value: " + arg;
            return std::nullopt;
        }
        const std::string& value = args[++i];
        long long number = 0;
        if (arg == "--data") {
            o.dataFolder = value;
        } else if (arg == "--seed" && ParseInt(value, 0, INT64_MAX, number)) {
            o.seed = static_cast<std::uint64_t>(number);
        } else if (arg == "--seasons" && ParseInt(value, 0, 1000, number)) {
            o.seasons = static_cast<int>(number);
        } else if (arg == "--save") {
            o.saveFile = value;
        } else if (arg == "--load") {
            o.loadFile = value;
        } else if (arg == "--leagues" && ParseIntList(value, o.leagues)) {
        } else if (arg == "--division-size" && ParseInt(value, 10, 20, number) && (number == 10 || number == 20)) {
            o.divisionSize = static_cast<int>(number);
        } else if (arg == "--human") {
            o.humanClubFiles.push_back(value);
        } else {
            error = "bad option: " + arg + " " + value;
            return std::nullopt;
        }
    }
    if (o.dataFolder.empty() && o.loadFile.empty()) {
        error = "--data DIR is needed";
        return std::nullopt;
    }
    if (o.humanClubFiles.size() > 6) {
        error = "at most six human clubs";
        return std::nullopt;
    }
    return o;
}

}  // namespace tarvelon::sim
