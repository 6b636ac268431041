#include "core/economy/between_rounds.h"

#include <algorithm>
#include <vector>

#include "core/basics/random.h"
#include "core/club_rosters.h"
#include "core/economy/player_value.h"
#include "core/economy/squad_rules.h"
#include "core/economy/transfers.h"
#include "core/mail/mail.h"
#include "core/match/lineup_access.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/season/competition_kind.h"
#include "core/season/competitions.h"
#include "core/tables.h"

namespace tarvelon {

std::array<int, 3> MoraleCounts{};

namespace {

std::int32_t TodayKey() { return Game.Season * 1000 + Game.DayIndex; }

int ClubsPerDivision() { return Game.LeagueFormat == 2 ? 20 : 10; }

// The club at a random place of a division of the league; -1 when the place is empty.
int ClubAtRandomPlace(const TLeague& league, int division)
{
    const int club = league.divisions[division - 1][Random(ClubsPerDivision())];
    return ClubAt(club) != nullptr ? club : -1;
}

// A copy: a sale changes the club's list while it is walked.
std::vector<int> SquadOf(int club) { return PlayersOfClub(club); }

bool ListedSaleDrawn(std::int64_t gap, std::int64_t value)
{
    if (gap < 1000)
        return gap <= 0 || Random(100) > 10;
    // The first band the gap falls in decides; above half the value nobody buys.
    struct Band { int percent; bool below; int atLeast; };
    static constexpr Band kBands[] = {{5, false, 31}, {10, false, 71}, {20, true, 61},
                                      {30, false, 86}, {40, false, 91}, {50, false, 96}};
    for (const Band& band : kBands) {
        const bool in = band.below ? gap * 100 < band.percent * value : gap * 100 <= band.percent * value;
        if (in)
            return Random(100) >= band.atLeast;
    }
    return false;
}

// A computer club of the division with room for another player, in up to 30 draws; -1 none.
int ListedPlayerBuyer(const TLeague& league, int division)
{
    for (int draw = 0; draw < 30; ++draw) {
        const int club = ClubAtRandomPlace(league, division);
        if (club >= 0 && !Clubs[club].IsHuman && Clubs[club].squadSize < 23)
            return club;
    }
    return -1;
}

void Quarrel(int club, int player, int other)
{
    for (int p : {player, other}) {
        Players[p].Morale = 1;
        Players[p].moraleCountdown = 4;
    }
    SendMail(club, mkPlayerMessage, 4, 0, other, player);
}

void RecountMorale(int club)
{
    MoraleCounts = {};
    for (int p : PlayersOfClub(club)) {
        const int morale = Players[p].Morale;
        if (morale >= 1 && morale <= 3)
            ++MoraleCounts[static_cast<std::size_t>(morale - 1)];
    }
}

// Mid-way through the first turn of a World Cup year the press links the coach with a national team.
void WorldCupRumour(int club)
{
    if (Game.worldCupOn && Game.LeagueRound == 5 && Game.LeagueTurn == 1 && Game.DayKind == kKindNationalLeague &&
        IsWorldCupYear())
        SendMail(club, mkPress, 1, 0, 0, 0);
}

}  // namespace

void SellPlayerToClub(int player, int buyer, bool applyDeduction, bool sendMail, std::int64_t price)
{
    TPlayer* p = PlayerAt(player);
    if (p == nullptr || ClubAt(buyer) == nullptr)
        return;
    const int seller = p->Club;
    price = std::max<std::int64_t>(price, 0);  // a computer buyer is never paid to take a player
    p->Value = CurrencyFromUnits(price);
    FullFeeSale = applyDeduction ? 0 : 1;
    // The buyer pays the price it books as a purchase (TransferPlayer moves and books the money).
    // "The buyer's cash is then raised by price x 10,000 + 3,200" is not done: the buying club would
    // get the player for nothing (0.32 richer), its cash no longer what its accounts book.
    TransferPlayer(player, buyer, price);
    if (sendMail)
        SendMail(seller, mkPlayerSold, 0, price, buyer, player);
}

void SellListedPlayers(int club)
{
    if (ClubAt(club) == nullptr)
        return;
    for (int player : SquadOf(club)) {
        const TPlayer& p = Players[player];
        if (!p.ListedForSale || p.Club != club)
            continue;
        const std::int64_t value = CurrencyUnits(p.Value);
        const std::int64_t asking = CurrencyUnits(p.AskingPrice);
        const bool sold = ListedSaleDrawn(asking - value, value);
        const int league = FindLeagueByCountry(Clubs[club].Country);
        if (league < 0)
            return;
        if (!sold)
            continue;
        const TLeague& l = Leagues[static_cast<std::size_t>(league)];
        int division = std::min(Clubs[club].Division, l.divisionCount);
        if (division <= 0)
            division = l.divisionCount;
        if (division <= 0)
            continue;
        const int buyer = ListedPlayerBuyer(l, division);
        if (buyer >= 0)
            SellPlayerToClub(player, buyer, true, true, asking);
    }
}

void UpdatePlayerMorale(int club)
{
    TClub* c = ClubAt(club);
    if (c == nullptr)
        return;
    const int complaintAfter = Game.LeagueFormat == 2 ? 10 : 7;
    const std::vector<int> squad = SquadOf(club);
    for (int player : squad) {
        TPlayer& p = Players[player];
        if (p.moraleCountdown == 1) {
            p.Morale += 1;
            p.moraleCountdown = 0;
        } else if (p.moraleCountdown > 1) {
            p.moraleCountdown -= 1;
        }
        if (p.playingTimeCounter > complaintAfter && Random(10) > 5) {
            p.playingTimeCounter = 0;
            p.complained = 1;
            p.Morale -= 1;
            SendMail(club, mkPlayerMessage, 2, 0, 0, player);
        }
        p.Morale = std::clamp(p.Morale, 1, 3);
    }
    const int n = static_cast<int>(squad.size());
    if (n >= 2) {
        if (Random(100) == 1) {
            const int a = squad[static_cast<std::size_t>(Random(n))];
            int b = a;
            while (b == a)
                b = squad[static_cast<std::size_t>(Random(n))];
            Quarrel(club, a, b);
        }
    }
    // The supporters' pressure falls on any squad with a player, also one of a single player.
    if (n >= 1 && c->SupportersMood < 20 && Random(30) == 1) {
        const int a = squad[static_cast<std::size_t>(Random(n))];
        Players[a].Morale = 1;
        Players[a].moraleCountdown = 4;
        SendMail(club, mkPlayerMessage, 5, 0, 0, a);
    }
    RecountMorale(club);
}

int UpdateTeamMorale(int club)
{
    TClub* c = ClubAt(club);
    if (c == nullptr)
        return 2;
    const int bad = MoraleCounts[0], good = MoraleCounts[1], excellent = MoraleCounts[2];
    int mood = 1;
    if (bad + good < excellent)
        mood = 3;
    else if (good > bad + excellent || excellent >= bad)
        mood = 2;
    if (mood == 3 && (bad >= 5 || good >= 8))
        mood = 2;
    // A heavy defeat may still weigh on the squad: the heavier, the likelier and the longer.
    struct Event { int threshold; int rounds; };
    static constexpr Event kEvents[] = {{50, 3}, {40, 3}, {20, 4}, {5, 5}};
    if (c->heavyDefeat >= 1 && c->heavyDefeat <= 4) {
        const Event& e = kEvents[c->heavyDefeat - 1];
        if (Random(100) > e.threshold) {
            mood -= 1;
            c->moodCountdown += e.rounds;
        }
    }
    c->heavyDefeat = 0;
    if (c->moodCountdown > 1) {
        c->moodCountdown -= 1;
        if (c->moodCountdown == 1) {
            mood += 1;
            c->moodCountdown = 0;
        }
    }
    c->squadMood = std::clamp(mood, 1, 3);
    return c->squadMood;
}

namespace {

// The squad player after player as the roster lists them, then those away with a national team.
std::vector<int> SquadInRowOrder(int club, const std::vector<int>& rowOrder)
{
    const std::vector<int> squad = PlayersOfSquad(club);
    std::vector<int> order;
    for (int player : rowOrder)
        if (std::find(squad.begin(), squad.end(), player) != squad.end())
            order.push_back(player);
    for (int player : squad)
        if (std::find(order.begin(), order.end(), player) == order.end())
            order.push_back(player);
    return order;
}

}  // namespace

void ContractWarnings(int club, const std::vector<int>& squadInRowOrder)
{
    if (ClubAt(club) == nullptr)
        return;
    const TDateTime today = TodayDate();
    // "for each roster row's player p" would leave out the players away with a national team: a
    // contract run out while he is away would be reported late.
    for (int player : SquadInRowOrder(club, squadInRowOrder)) {
        TPlayer& p = Players[player];
        if (Game.autoContractExtension && p.ContractEnd < today)
            SetContractWeeks(12, player);
        if (Game.contractNotices >= 3 || p.contractWarning >= 2)
            continue;
        const TDateTime daysLeft = p.ContractEnd - today;
        if (daysLeft < 0 && Game.contractNotices < 2) {
            SendMail(club, mkContract, 1, 0, 0, player);
            p.contractWarning = 2;
        } else if (daysLeft < 21 && p.contractWarning == 0 && (Game.contractNotices == 0 || Game.contractNotices == 2)) {
            SendMail(club, mkContract, 0, 0, 0, player);
            p.contractWarning = 1;
        }
    }
}

// "Each time the hub is refreshed for a human club ... it applies a few rules of the game to that
// club": a hub made again in the same round (a coach's turn served again, the hub reopened) would
// draw the listed players' sales and step the morale and mood countdowns a second time for one
// round, so these run once per round and club. The day they ran is the club's own, saved with it: a
// memory that a load empties would run them again after a reload, and the game would go on
// otherwise than it does without one.
bool RunRoundUpdates(int club)
{
    TClub* c = ClubAt(club);
    if (c == nullptr || c->roundUpdatesDay == TodayKey())
        return false;
    c->roundUpdatesDay = TodayKey();
    SellListedPlayers(club);
    UpdatePlayerMorale(club);
    UpdateTeamMorale(club);
    WorldCupRumour(club);
    return true;
}

void ForgetRoundUpdates()
{
    for (TClub& c : Clubs)
        c.roundUpdatesDay = 0;
}

namespace {
const GameTableReset moraleCountsReset([] { MoraleCounts = {}; });
}  // namespace

}  // namespace tarvelon
