#include "screens/matchday/player_rows.h"

#include "core/basics/cp1252.h"
#include "core/match/lineup_access.h"
#include "core/vocab/players.h"
#include "core/vocab/tactics_board.h"
#include "platform/stdctrls/list_view.h"
#include "screens/common/art/squad_icons.h"

namespace tarvelon {

namespace {

// The star of the list's images beside a star player's name (none for the others).
int StarImageOf(const TPlayer& p) { return p.Star ? art::kConditionStar : -1; }

}  // namespace

void UseStarImages(TListView& list)
{
    auto* images = new TCustomImageList(&list);
    art::FillConditionImages(*images);
    list.SetSmallImages(images);
}

TListItem* AddPlayerRow(TListView& list, const std::string& letter, int player)
{
    const TPlayer* p = PlayerAt(player);
    if (!p)
        return nullptr;
    TListItem* row = list.Items().Add();
    row->SetCaption(letter);
    row->SubItems().Add(p->Name.str());
    row->SetSubItemImage(0, StarImageOf(*p));
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
    row->SetCaption(p->Name.str());
    row->SetImageIndex(StarImageOf(*p));
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
    return Utf8Left(PositionNames[p->Position], 1);
}

}  // namespace tarvelon
