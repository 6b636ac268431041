#pragma once
// The link cases of a base: records that name each other made to disagree while every number stays
// one its field may hold alone. The field cases (sweep_cases.h) write one hostile value at a time; these
// break what the records say together, as a damaged or hand-edited file may:
// - a list (an array field whose numbers name records of another table: a league's divisions, a
//   state's groups, the human clubs, a stored line-up's players) with an entry copied onto another of
//   its row, onto an entry of another row, or onto the same list of another record (a club listed
//   twice); an entry emptied (-1) or set to a record the list lacks; the whole list set to the record
//   its first entry names, or emptied;
// - two pointers of a record into one table (a match's home and away clubs, a cup tie's teams) set to
//   the same record, and the first of the next record set to it too (a club in two ties);
// - a count of a list of the same record ("HumanClubCount" of "HumanClubs", "divisionCount" of
//   "divisions", "groupCount" of "groups") set to 0, one past and one short of what the list holds
//   (its rows holding entries for a list of rows, else its entries), and one either side of its value;
// - two records that name each other (a club and its coach, a national team and its entry club: a
//   pointer and a number of the record it names that, in every record of the base, names it back) with
//   one side set to another record of the same kind or to none, the other side left as it was.
// Lists and counts are written in the first record holding entries (and the next, for a copy between
// records); pairs in their first record and in the records play reaches (the human clubs' coaches).
#include <string>
#include <vector>

#include "tools/savesweep/sweep_cases.h"

namespace tarvelon {
struct SavedGameImage;
}

namespace tarvelon::savesweep {

// Adds the base's link cases: `bytes` is the base's file, `image` that file read.
void AddLinkCases(const std::string& bytes, const SavedGameImage& image, int base, std::vector<SweepCase>& cases);

}  // namespace tarvelon::savesweep
