#include "core/views/transfer_list.h"

#include "core/basics/datetime.h"
#include "core/format/money_format.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

std::string ClubNameAt(int club)
{
    return club >= 0 && club < static_cast<int>(Clubs.size()) ? Clubs[club].name.str() : std::string();
}

std::string PlayerNameAt(int player)
{
    return player >= 0 && player < static_cast<int>(Players.size()) ? Players[player].Name.str() : std::string();
}

TransferListRow RowOfTransfer(int index)
{
    const TTransfer& t = Transfers[index];
    return {index, DateToStr(t.date), PlayerNameAt(t.player), ClubNameAt(t.clubLeft), ClubNameAt(t.clubJoined),
            "$" + FormatMoney(t.fee)};
}

}  // namespace

std::vector<TransferListRow> RecentTransferRows()
{
    std::vector<TransferListRow> rows;
    for (int i = static_cast<int>(Transfers.size()) - 1; i >= 0 && rows.size() < kRecentTransfersShown; --i)
        rows.push_back(RowOfTransfer(i));
    return rows;
}

std::vector<TransferListRow> ClubTransferRows(int club)
{
    std::vector<TransferListRow> rows;
    for (int i = static_cast<int>(Transfers.size()) - 1; i >= 0; --i)
        if (Transfers[i].clubLeft == club || Transfers[i].clubJoined == club)
            rows.push_back(RowOfTransfer(i));
    return rows;
}

std::vector<TransferListRow> CoachHireRows()
{
    std::vector<TransferListRow> rows;
    for (int i = static_cast<int>(CoachHires.size()) - 1; i >= 0 && rows.size() < kRecentTransfersShown; --i) {
        const TCoachHiring& h = CoachHires[i];
        const std::string coach =
            h.coach >= 0 && h.coach < static_cast<int>(Coaches.size()) ? Coaches[h.coach].name.str() : "";
        rows.push_back({i, std::to_string(2009 + h.season), coach, "", ClubNameAt(h.club), ""});
    }
    return rows;
}

int TransferListChooserItem(int club)
{
    return club >= 0 && club < Game.LeagueClubCount ? club + 1 : -1;
}

}  // namespace tarvelon
