#include "tools/sim/sim_options.h"

namespace tarvelon::sim {

namespace {

// The run's own options, each with a value; false when `arg` is none of them or its value is bad.
bool ReadRunOption(const std::string& arg, const std::string& value, SimOptions& o)
{
    long long number = 0;
    if (arg == "--data")
        o.dataFolder = value;
    else if (arg == "--seed" && ParseCommandLineNumber(value, 0, INT64_MAX, number))
        o.seed = static_cast<std::uint64_t>(number);
    else if (arg == "--seasons" && ParseCommandLineNumber(value, 0, 1000, number))
        o.seasons = static_cast<int>(number);
    else if (arg == "--save")
        o.saveFile = value;
    else if (arg == "--load")
        o.loadFile = value;
    else
        return false;
    return true;
}

}  // namespace

std::string SimUsage()
{
    return std::string("usage: tarvelon-sim --data DIR [--seed N] [--seasons K] [--save FILE] [--load FILE]\n"
                       "choices: ") +
           kNewGameChoicesUsage;
}

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error)
{
    SimOptions o;
    OwnOptions own;
    own.withValue = [&o](const std::string& arg, const std::string& value) { return ReadRunOption(arg, value, o); };
    if (!ReadCommandLine(args, o, own, error))
        return std::nullopt;
    if (o.dataFolder.empty() && o.loadFile.empty()) {
        error = "--data DIR is needed";
        return std::nullopt;
    }
    return o;
}

}  // namespace tarvelon::sim
