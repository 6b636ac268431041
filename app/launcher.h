#pragma once
// What the program does after its start-up, by its command line: the game built or loaded, then
// the screens layer shows the first screen or the form asked for. Without a screens layer the
// program says what it has built and ends, as a tool would.
#include <optional>
#include <ostream>

#include "app/launch_options.h"

namespace tarvelon {

// Builds or loads the game the options ask for and hands it to ScreenLayer(). Returns the exit
// status when the program ends here (0 done without a window, 1 the game could not be built or
// loaded or the form cannot be opened); nullopt when the screens have taken over and the event
// loop is to run. Lines for the developer go to `out`, failures to `err`.
std::optional<int> Launch(const LaunchOptions& options, std::ostream& out, std::ostream& err);

}  // namespace tarvelon
