#pragma once
// The recent transfers screen's lists, newest first: every player move (the latest 200), the moves
// of one club (all of them), or the coach appointments (the latest 200).
#include <string>
#include <vector>

namespace tarvelon {

inline constexpr int kRecentTransfersShown = 200;

// One line of the list. For a coach appointment `date` is the season's year, `name` the coach and
// `clubJoined` the club that hired him; `clubLeft` and `fee` stay empty.
struct TransferListRow {
    int index = 0;  // the entry of Transfers or CoachHires
    std::string date;
    std::string name;
    std::string clubLeft;
    std::string clubJoined;
    std::string fee;  // "$" and the fee with digit groups ("$0" for a loan)
};

// Every player move, newest first, at most kRecentTransfersShown.
std::vector<TransferListRow> RecentTransferRows();
// Every move into or out of the club, newest first, no limit.
std::vector<TransferListRow> ClubTransferRows(int club);
// Every coach appointment, newest first, at most kRecentTransfersShown.
std::vector<TransferListRow> CoachHireRows();

// The item of the club chooser ("Todos" then the league clubs in index order) that shows the club:
// its index + 1 for a league club, else -1 (nothing selected: an extra club has no item).
int TransferListChooserItem(int club);

}  // namespace tarvelon
