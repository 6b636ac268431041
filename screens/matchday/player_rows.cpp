#include "screens/matchday/player_rows.h"

#include "core/match/lineup_access.h"
#include "core/vocab/players.h"
#include "core/vocab/tactics_board.h"
#include "platform/stdctrls/list_view.h"

namespace tarvelon {

namespace {

std::string NameWithStar(const TPlayer& p) { return p.Name.str() + (p.Star ? " *" : ""); }

}  // namespace

TListItem* AddPlayerRow(TListView& list, const std::string& letter, int player)
{
    const TPlayer* p = PlayerAt(player);
    if (!p)
        return nullptr;
    TListItem* row = list.Items().Add();
    row->SetCaption(letter);
    row->SubItems().Add(NameWithStar(*p));
    row->SubItems().Add(std::to_string(p->Strength));
    row->SubItems().Add(std::to_string(p->Energy) + "%");
    row->SubItems().Add(std::to_string(player));
    return row;
}

TListItem* AddPlayerRowNameFirst(TListView& list, const std::string& letter, int player)
{
    const TPlayer* p = PlayerAt(player);
    if (!p)
        return nullptr;
    TListItem* row = list.Items().Add();
    row->SetCaption(NameWithStar(*p));
    row->SubItems().Add(letter);
    row->SubItems().Add(std::to_string(p->Strength));
    row->SubItems().Add(std::to_string(p->Energy) + "%");
    row->SubItems().Add(std::to_string(player));
    return row;
}

int PlayerOfRow(TListItem* row, int idColumn)
{
    if (!row)
        return -1;
    TStrings& cells = row->SubItems();
    if (idColumn < 1 || idColumn > cells.Count())
        return -1;
    try {
        return std::stoi(cells[idColumn - 1]);
    } catch (...) {
        return -1;
    }
}

std::string PitchSlotLetterOf(int club, int player)
{
    const TClub* c = ClubAt(club);
    const TLineup* L = c ? LineupAt(c->LineupIndex) : nullptr;
    const int place = L ? StarterPlaceOf(*L, player) : 0;
    const int slot = place > 0 ? L->pitchSlots[place - 1] : 0;
    return slot >= 1 && slot <= PitchSlotCount ? PitchSlotLetters[slot] : "";
}

std::string PositionLetterOf(int player)
{
    const TPlayer* p = PlayerAt(player);
    if (!p || p->Position < 0 || p->Position > 4)
        return "";
    return std::string(PositionNames[p->Position]).substr(0, 1);
}

}  // namespace tarvelon
