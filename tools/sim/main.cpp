// tarvelon-sim --data DIR --seed N --seasons K [--save FILE] [--load FILE] [choices]: plays whole
// seasons headless and prints each season's champions, runners-up and top scorers, then the digest
// of the final game state.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "tools/sim/sim_options.h"
#include "tools/sim/sim_run.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto options = tarvelon::sim::ParseSimOptions(args, error);
    if (!options) {
        std::cerr << "tarvelon-sim: " << error << "\n" << tarvelon::sim::SimUsage();
        return 2;
    }
    // Whatever goes wrong ends the run with one line and a failure, never an abort.
    try {
        return tarvelon::sim::RunSim(*options, std::cout, std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "tarvelon-sim: " << error.what() << "\n";
        return 1;
    }
}
