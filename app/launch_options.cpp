#include "app/launch_options.h"

namespace tarvelon {

namespace {

// The launcher's own options with a value; false when `arg` is none of them or its value is bad.
bool ReadLaunchOption(const std::string& arg, const std::string& value, LaunchOptions& o)
{
    long long number = 0;
    if (arg == "--seed" && ParseCommandLineNumber(value, 0, INT64_MAX, number))
        o.seed = static_cast<std::uint64_t>(number);
    else if (arg == "--load" && !value.empty())
        o.loadName = value;
    else if (arg == "--open" && !value.empty())
        o.openForm = value;
    else
        return false;
    return true;
}

// What the options may not say together.
bool Consistent(const LaunchOptions& o, bool choicesGiven, std::string& error)
{
    if (o.newGame && !o.loadName.empty())
        error = "--new-game and --load exclude each other";
    else if (!o.newGame && choicesGiven)
        error = "the new game's choices need --new-game";
    else if (!o.openForm.empty() && !o.newGame && o.loadName.empty())
        error = "--open needs --new-game or --load";
    return error.empty();
}

}  // namespace

std::string LaunchUsage()
{
    return std::string("usage: tarvelon [--seed N]\n"
                       "       tarvelon --new-game [--seed N] [--open TFormNN] [choices]\n"
                       "       tarvelon --load NAME [--open TFormNN]\n"
                       "choices: ") +
           kNewGameChoicesUsage;
}

std::optional<LaunchOptions> ParseLaunchOptions(const std::vector<std::string>& args, std::string& error)
{
    LaunchOptions o;
    OwnOptions own;
    own.flag = [&o](const std::string& arg) { return arg == "--new-game" && (o.newGame = true); };
    own.withValue = [&o](const std::string& arg, const std::string& value) { return ReadLaunchOption(arg, value, o); };
    bool choicesGiven = false;
    if (!ReadCommandLine(args, o.choices, own, error, &choicesGiven) || !Consistent(o, choicesGiven, error))
        return std::nullopt;
    return o;
}

}  // namespace tarvelon
