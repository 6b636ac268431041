#pragma once
// The registry of table resets: every subject that owns game tables registers how to empty them, and
// ResetGameTables (core/tables.h) runs them all for a new or a loaded game. It lives beside the records
// so that a table defined with its record can register itself without reaching up to the tables.
#include <functional>

namespace tarvelon {

// Adds a routine that ResetGameTables runs to empty a table defined elsewhere. A subject that owns
// tables registers once, for example from a static object in the source file that defines them:
//   static const GameTableReset registration([] { Matches.assign(1, jogos{}); });
void RegisterGameTableReset(std::function<void()> reset);

struct GameTableReset {
    explicit GameTableReset(std::function<void()> reset) { RegisterGameTableReset(std::move(reset)); }
};

// Runs every registered reset, in the order they were registered.
void RunRegisteredTableResets();

}  // namespace tarvelon
