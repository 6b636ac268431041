#pragma once
// The cases of one base: every int32 field the layout asserts, written as -2, -1, the size of the
// table it points into, that size + 1, 100000 and INT_MAX, in several records of its table, and in
// all of them at once with 0 and the table's last index besides; every int64 field (money) likewise, at the limits of int64 and on both sides
// of the loader's bound. Then every number the loader holds to a range (saved_game_ranges.h) at each
// end of its range, in every element and every record of its table at once: a file the loader takes,
// whose play must save a file it takes again.
//
// Which records and which elements: a field is written in the first record of its table that holds
// data there (not zero), else in the first record. An array field is written at its first element,
// its last, and the first element that holds data in any record; each once. Then, at that element,
// in the records that play reaches and that a first record seldom is: the last record of the table (the latest hiring, transfer, report, ...), the human clubs and what is theirs
// (their accounts, coaches, first players and first and last past results), and the clubs that won
// a title or the top scorer's prize in the base's history. Last, the same element of every record of
// the table together, so that whichever record play reaches holds the value. A value the field
// already holds is left out (the case would be the base itself), as is a value written twice.
//
// Last, the link cases (link_cases.h), which write several numbers at once, each one a valid value of
// its field, so that records disagree with each other.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tarvelon::savesweep {

// One number a case writes.
struct CaseWrite {
    std::size_t fileOffset = 0;
    int width = 4;
    std::int64_t value = 0;
};

struct SweepCase {
    int base = 0;
    std::string table;        // "Clubs"
    std::size_t record = 0;   // row in the table (the first when every record is written)
    std::string field;        // "TClub::Points[3]"; "TClub::Points[*]" when every element is written
    std::int64_t value = 0;
    std::size_t fileOffset = 0;  // of the first integer written, in the saved file
    std::size_t records = 1;     // how many records are written from there: 1, or the whole table
    std::size_t stride = 0;      // the table's record size, between two records' integers
    int width = 4;               // bytes of each integer written: 4, or 8 for money
    int elements = 1;            // integers written one after another in each record (an array whole)
    bool rangeEnd = false;       // the value is an end of the range the loader holds the number to
    // A link case (link_cases.h) writes these numbers instead, `value` being the first of them, and its
    // label says what it wrote with `valueText` ("divisions[0][0]", "-1").
    std::vector<CaseWrite> writes;
    std::string valueText;

    bool IsLink() const { return !writes.empty(); }
};

// Every case of the base, its link cases last; empty when its bytes are not a valid save.
std::vector<SweepCase> CasesOfBase(const std::string& bytes, int base);

// The base's bytes with the case's value written.
std::string CaseBytes(const std::string& bytes, const SweepCase& c);

// "virada Clubs[3] TClub::Points[2] = -1"; every record of the table: "virada Clubs[*] ..."; an end of
// a number's range: "virada Clubs[*] TClub::Points[*] = 100000000 (range end)"; a link case:
// "virada Leagues[0] TLeague::divisions[0][1] = divisions[0][0] (link)".
std::string CaseLabel(const SweepCase& c);

}  // namespace tarvelon::savesweep
