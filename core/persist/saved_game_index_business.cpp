// The index checks of a club's business between matches: loans, transfers, national call-ups,
// stored line-ups, stadium works and friendlies.
#include "core/persist/saved_game_index_checks.h"
#include "core/vocab/tactics_board.h"

namespace tarvelon::savedindex {

namespace {

// An open loan names the player and the club he returns to; a closed one (player -1) is kept as a row.
bool LoanInTables(const TLoan& loan, const TableSizes& sizes)
{
    return loan.player == kNone || (InTable(loan.player, sizes.players) && InTable(loan.ownerClub, sizes.clubs));
}

// A player signed without a club leaves any negative club, as his record held it.
bool TransferInTables(const TTransfer& transfer, const TableSizes& sizes)
{
    return InTable(transfer.player, sizes.players) && ClubOrNegative(transfer.clubLeft, sizes.clubs) &&
           ClubOrNegative(transfer.clubJoined, sizes.clubs);
}

// The club a called-up player goes back to when the tournament ends becomes his club: a club of the
// table, or -1 for a player called up without one.
bool CallUpInTables(const TCallUp& callUp, const TableSizes& sizes)
{
    return InTable(callUp.player, sizes.players) && IndexOrNone(callUp.club, sizes.clubs);
}

// A stored place holds a player (0 or -1: empty) and a starter's pitch slot (0 or -1: none).
bool PresetInTables(const TTacticsPreset& preset, const TableSizes& sizes)
{
    return IndexOrNone(preset.club, sizes.clubs) &&
           Every(preset.players, [&sizes](std::int32_t p) { return IndexOrNone(p, sizes.players); }) &&
           Every(preset.pitchSlots, [](std::int32_t slot) { return Within(slot, kNone, PitchSlotCount); });
}

}  // namespace

const char* ClubBusinessIndexOutside(const SavedGameImage& image, const TableSizes& sizes)
{
    const auto clubOrNone = [&sizes](std::int32_t club) { return IndexOrNone(club, sizes.clubs); };
    if (!Every(image.loans, [&sizes](const TLoan& l) { return LoanInTables(l, sizes); })) return "loan";
    if (!Every(image.transfers, [&sizes](const TTransfer& t) { return TransferInTables(t, sizes); })) return "transfer";
    if (!Every(image.callUps, [&sizes](const TCallUp& c) { return CallUpInTables(c, sizes); })) return "call-up";
    if (!Every(image.tacticsPresets, [&sizes](const TTacticsPreset& p) { return PresetInTables(p, sizes); }))
        return "stored line-up";
    if (!Every(image.stadiumWorks, [&](const TStadiumWork& w) { return clubOrNone(w.club); })) return "stadium work";
    if (!Every(image.friendlies, [&](const TFriendly& f) { return clubOrNone(f.home) && clubOrNone(f.away); }))
        return "friendly";
    return nullptr;
}

}  // namespace tarvelon::savedindex
