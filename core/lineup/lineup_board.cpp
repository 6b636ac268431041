#include "core/lineup/lineup_board.h"

#include <algorithm>

#include "core/club_rosters.h"
#include "core/economy/player_value.h"
#include "core/economy/squad_rules.h"
#include "core/match/lineup_access.h"
#include "core/match/match_day.h"
#include "core/vocab/tactics_board.h"

namespace tarvelon {

namespace {

constexpr int kSlotSquare = 42;

bool IsShirt(int shirt) { return shirt >= 1 && shirt <= kShirtCount; }

void SetRowCode(LineupBoard& board, int player, int code)
{
    const int row = board.Row(player);
    if (row >= 0)
        board.rowCodes[static_cast<std::size_t>(row)] = code;
}

void EmptyShirt(LineupBoard& board, int shirt)
{
    ShirtSlot& s = board.shirts[static_cast<std::size_t>(shirt)];
    s.player = 0;
    s.kind = kShirtEmpty;
}

void Wear(LineupBoard& board, int shirt, int player)
{
    ShirtSlot& s = board.shirts[static_cast<std::size_t>(shirt)];
    s.player = player;
    s.kind = shirt <= kStarterShirts ? kShirtStarter : kShirtSubstitute;
    SetRowCode(board, player, CodeOfShirt(shirt));
}

}  // namespace

bool LineupBoard::HasPlayer(int shirt) const
{
    return IsShirt(shirt) && PlayerAt(shirts[static_cast<std::size_t>(shirt)].player) != nullptr;
}

int LineupBoard::Row(int player) const
{
    const auto it = std::find(rowPlayers.begin(), rowPlayers.end(), player);
    return it == rowPlayers.end() ? -1 : static_cast<int>(it - rowPlayers.begin());
}

int CodeOfShirt(int shirt) { return shirt <= kStarterShirts ? kCodeStarter : kCodeSubstitute; }

CandidateStatus CandidateStatusOf(int player, bool nationalTeamMode)
{
    CandidateStatus status;
    const TPlayer* p = PlayerAt(player);
    if (p == nullptr)
        return status;
    const TDateTime today = TodayDate();
    const int kind = TodayKind();
    const bool expired = p->ContractEnd < today;
    if (!nationalTeamMode && (p->BlockedThisRound != 0 || expired))
        status.code = kCodeBlocked;
    const bool threeYellows = p->YellowCards[kind] >= 3;
    const bool banned = p->Bans[kind] >= 1;
    const bool injured = p->InjuredUntil > today;
    const int starBonus = p->Star ? 4 : 0;
    if (threeYellows || banned || injured) {
        status.code = kCodeUnavailable;
        status.condition = (threeYellows ? 4 : banned ? 1 : 3) + starBonus;
    } else if (p->Star) {
        status.condition = 12;
    }
    if (expired)
        status.hint = "Contrato expirado";
    else if (injured)
        status.hint = "Jogador contundido";
    else if (threeYellows || banned)
        status.hint = "Suspenso para este jogo";
    else if (p->BlockedThisRound)
        status.hint = "Disponível só no próximo jogo";
    return status;
}

LineupBoard NewLineupBoard(int club, bool nationalTeamMode)
{
    LineupBoard board;
    board.rowPlayers = SquadInListOrder(club);
    for (int player : board.rowPlayers)
        board.rowCodes.push_back(CandidateStatusOf(player, nationalTeamMode).code);
    return board;
}

void PlaceFormation(LineupBoard& board, int formation)
{
    formation = std::clamp(formation, 1, FormationCount);
    for (int shirt = 1; shirt <= kStarterShirts; ++shirt)
        board.shirts[static_cast<std::size_t>(shirt)].pitchSlot = FormationSlots[formation][shirt];
    for (int shirt = kStarterShirts + 1; shirt <= kShirtCount; ++shirt)
        board.shirts[static_cast<std::size_t>(shirt)].pitchSlot = -1;
}

int PitchSlotAt(int x, int y)
{
    for (int slot = 1; slot <= PitchSlotCount; ++slot) {
        const int left = PitchSlotX[slot];
        const int top = PitchSlotY[slot];
        if (x >= left && x < left + kSlotSquare && y >= top && y < top + kSlotSquare)
            return slot;
    }
    return 0;
}

bool PlaysOutOfPosition(int player, int pitchSlot)
{
    const TPlayer* p = PlayerAt(player);
    if (p == nullptr || pitchSlot < 1 || pitchSlot > PitchSlotCount)
        return false;
    if (p->Position == 3 && (pitchSlot == 10 || pitchSlot == 17))
        return false;
    return p->Position != PitchSlotRoles[pitchSlot].position;
}

int FindShirtOfPlayer(const LineupBoard& board, int player)
{
    if (PlayerAt(player) == nullptr)
        return -1;
    for (int shirt = 1; shirt <= kShirtCount; ++shirt)
        if (board.shirts[static_cast<std::size_t>(shirt)].player == player)
            return shirt;
    return -1;
}

bool DropCandidateOnShirt(LineupBoard& board, int row, int shirt)
{
    if (!IsShirt(shirt) || row < 0 || row >= static_cast<int>(board.rowPlayers.size()))
        return false;
    const int code = board.rowCodes[static_cast<std::size_t>(row)];
    if (code == kCodeUnavailable || code == kCodeBlocked)
        return false;
    const int player = board.rowPlayers[static_cast<std::size_t>(row)];
    const int former = FindShirtOfPlayer(board, player);
    if (former == shirt)
        return true;
    if (former > 0)
        EmptyShirt(board, former);
    if (board.HasPlayer(shirt))
        SetRowCode(board, board.shirts[static_cast<std::size_t>(shirt)].player, kCodeFree);
    Wear(board, shirt, player);
    return true;
}

void SwapShirts(LineupBoard& board, int a, int b)
{
    if (!IsShirt(a) || !IsShirt(b) || a == b)
        return;
    const int playerA = board.HasPlayer(a) ? board.shirts[static_cast<std::size_t>(a)].player : 0;
    const int playerB = board.HasPlayer(b) ? board.shirts[static_cast<std::size_t>(b)].player : 0;
    EmptyShirt(board, a);
    EmptyShirt(board, b);
    if (playerB > 0)
        Wear(board, a, playerB);
    if (playerA > 0)
        Wear(board, b, playerA);
}

bool MoveShirtToPitchSlot(LineupBoard& board, int shirt, int slot)
{
    if (shirt < 2 || shirt > kStarterShirts || slot < 1 || slot > PitchSlotCount)
        return false;
    ShirtSlot& moved = board.shirts[static_cast<std::size_t>(shirt)];
    if (moved.pitchSlot == slot)
        return false;
    for (int other = 1; other <= kStarterShirts; ++other) {
        ShirtSlot& s = board.shirts[static_cast<std::size_t>(other)];
        if (other != shirt && s.pitchSlot == slot) {
            if (other == 1)
                return false;  // the goalkeeper's place is not an outfield slot to swap with
            s.pitchSlot = moved.pitchSlot;
        }
    }
    moved.pitchSlot = slot;
    return true;
}

bool StartersComplete(const LineupBoard& board)
{
    for (int shirt = 1; shirt <= kStarterShirts; ++shirt)
        if (!board.HasPlayer(shirt))
            return false;
    return true;
}

namespace {

// A row kept off the line-up only because the player's contract ran out: a renewal brings him back.
bool WaitsForARenewal(const LineupBoard& board, std::size_t row)
{
    const TPlayer* p = PlayerAt(board.rowPlayers[row]);
    return board.rowCodes[row] == kCodeBlocked && p != nullptr && p->BlockedThisRound == 0;
}

}  // namespace

bool ReadyToKickOff(const LineupBoard& board)
{
    if (StartersComplete(board))
        return true;
    for (std::size_t row = 0; row < board.rowCodes.size(); ++row) {
        const int code = board.rowCodes[row];
        if (code == kCodeFree || code == kCodeSubstitute || WaitsForARenewal(board, row))
            return false;
    }
    return true;
}

}  // namespace tarvelon
