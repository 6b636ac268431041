#pragma once
// The records of a saved game that play reaches and a first record seldom is: where the sweep writes
// besides a table's first record.
#include <cstddef>
#include <set>
#include <string>

namespace tarvelon {
struct SavedGameImage;
}

namespace tarvelon::savesweep {

// The records of table `name` (SavedTables()) that play reaches: the last record of the table (the
// latest hiring, transfer, report, ...), the human clubs and what is theirs (their accounts, coaches,
// first players and first and last past results), and the clubs that won the base's last title or
// top scorer's prize. Each below `count`.
std::set<std::size_t> ReachedRecords(const std::string& name, const SavedGameImage& image, std::size_t count);

}  // namespace tarvelon::savesweep
