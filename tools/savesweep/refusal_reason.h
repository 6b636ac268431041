#pragma once
// Which of the loader's checks refuses a saved game: what a developer reads first when the sweep
// or a player's file meets the message.
#include <string>

namespace tarvelon::savesweep {

// "" when the file loads; else "header", "blocks", "tallies", "groups: <the competition whose groups
// hold a club twice>" or "index: <what the index check names>".
std::string RefusalReason(const std::string& bytes);

}  // namespace tarvelon::savesweep
