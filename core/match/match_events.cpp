#include "core/match/match_events.h"

#include <cstdio>
#include <cstdlib>

#include "core/basics/rounding.h"
#include "core/match/events_by_player.h"
#include "core/match/lineup_access.h"
#include "core/match/lineup_ratings.h"
#include "core/match/match_events_codes.h"
#include "core/match/match_flags.h"
#include "core/match/pitch_flags.h"
#include "core/match/player_match_stats.h"
#include "core/records/game_state.h"
#include "core/season/fixtures.h"

namespace tarvelon {

namespace {

std::string PlayerName(int player)
{
    const TPlayer* p = PlayerAt(player);
    return p ? p->Name.str() : std::string();
}

bool IsOwnGoal(const jogos& m, int side, int player, int code)
{
    const TPlayer* p = PlayerAt(player);
    return code == meGoal && p != nullptr && p->Club != m.club[side - 1];
}

void CountStatOfEvent(const jogos& m, int side, int player, int code, int second)
{
    int club = m.club[side - 1];
    switch (code) {
    case meGoal:
        if (!IsOwnGoal(m, side, player, code))
            RecordPlayerStat(player, club, m.competition, "gol");
        break;
    case meFreeKickGoal:
    case mePenaltyGoal:
        RecordPlayerStat(player, club, m.competition, "gol");
        break;
    case meCard:
        RecordPlayerStat(player, club, m.competition, second == ckYellow ? "ca" : "cv");
        break;
    case meInjury:
        RecordPlayerStat(player, club, m.competition, "ct");
        break;
    default:
        break;
    }
}

}  // namespace

std::string MatchEventText(int player, int code, int second, bool ownGoal)
{
    std::string text;
    switch (code) {
    case meGoal: text = ownGoal ? "(gol contra) " : "(gol) "; break;
    case meFreeKickGoal: text = "(gol falta) "; break;
    case mePenaltyGoal: text = "(gol penalty) "; break;
    case mePenaltyMissed: text = "(perdeu penalty) "; break;
    case meCard:
        text = second == ckYellow ? "(C.A.) " : (second == ckRed ? "(C.V.) " : "(C.A + C.V.) ");
        break;
    case meInjury: text = "(contusão) "; break;
    default: break;
    }
    if (!text.empty())
        text += PlayerName(player);
    if (code == meInjury)
        text += "<br>";
    if ((code == meInjury || code == meSubstitution) && second > 0)
        text += "(subst.) " + PlayerName(player) + " <> " + PlayerName(second);
    return text;
}

int RecordMatchEvent(int side, int player, int match, int code, int second)
{
    const jogos& m = Matches[match];
    CountStatOfEvent(m, side, player, code, second);
    if (DebugTrace) {
        std::string text = MatchEventText(player, code, second, IsOwnGoal(m, side, player, code));
        EventTraceText += " " + text + " " + std::to_string(Round(m.tick / 2.0)) + "<br>";
    }
    int index = AddMatchEvent(side, player, match, code, second);
    if (code == meInjury && second > 0)
        index = AddMatchEvent(side, player, match, meInjurySubstitution, second);
    return index;
}

int AddMatchEvent(int side, int player, int match, int code, int second)
{
    const jogos& m = Matches[match];
    int club = m.club[side - 1];
    if (IsOwnGoal(m, side, player, code))
        code = meOwnGoal;
    if ((code == meSubstitution || code == meInjurySubstitution) && second > 0)
        RecordPlayerStat(second, club, m.competition, "j");
    MatchEvents.push_back(TMatchEventEntry{code, club, player, second, m.tick, match});
    return static_cast<int>(MatchEvents.size()) - 1;
}

bool PlayerScoredToday(int player)
{
    for (const TMatchEventEntry& e : MatchEvents)
        if (e.player == player && (e.code == meGoal || e.code == meFreeKickGoal || e.code == mePenaltyGoal))
            return true;
    return false;
}

namespace {

// The counts of a player over the events `forEachEvent` hands over (every event that may name him).
template <typename ForEachEvent>
PlayerMatchCounts MatchCountsOf(int player, ForEachEvent&& forEachEvent)
{
    PlayerMatchCounts c;
    int cameOnTick = -1;
    bool takenOff = false;
    forEachEvent([&](const TMatchEventEntry& e) {
        bool isPlayer = e.player == player;
        bool isSecond = SecondIsPlayer(e.code) && e.second == player;
        if (!isPlayer && !isSecond)
            return;
        switch (e.code) {
        case meGoal:
        case meFreeKickGoal:
        case mePenaltyGoal: c.goals += 1; break;
        case meOwnGoal: c.ownGoals += 1; break;
        case mePenaltyMissed: c.missedPenalties += 1; break;
        case meCard:
            if (e.second == ckYellow)
                c.yellowCards += 1;
            else
                c.otherCards += 1;
            break;
        case meSubstitution:
            if (isSecond) {
                cameOnTick = e.tick;
                c.ticksOnPitch = 182 - e.tick;
            } else if (cameOnTick >= 0) {
                c.ticksOnPitch = e.tick - cameOnTick;
            } else if (!takenOff) {
                c.ticksOnPitch = e.tick;
                takenOff = true;
            }
            break;
        default: break;
        }
    });
    return c;
}

template <typename ForEachEvent>
PlayerCardCounts CardCountsOf(int player, ForEachEvent&& forEachEvent)
{
    PlayerCardCounts c;
    forEachEvent([&](const TMatchEventEntry& e) {
        if (e.player != player)
            return;
        if (e.code == meCard && e.second == ckYellow)
            c.yellow += 1;
        else if (e.code == meCard && e.second == ckRed)
            c.red += 1;
        else if (e.code == meCard && e.second == ckSecondYellow)
            c.secondYellowRed += 1;
        else if (e.code == meInjury)
            c.injuries += 1;
    });
    return c;
}

// The events that may name the player: through the index while one lives.
auto EventsNaming(int player)
{
    return [player](auto&& f) { ForEachEventNaming(player, f); };
}

#ifdef TARVELON_CHECK_INDEXES
// Every event of the day, as a check of the index.
void EveryEvent(auto&& f)
{
    for (const TMatchEventEntry& e : MatchEvents)
        f(e);
}

[[noreturn]] void IndexOutOfDate()
{
    std::fprintf(stderr, "a player's events by the index differ from a walk: MatchEvents changed under it\n");
    std::abort();
}
#endif

// countOver(events) counted over the player's events, found through the index while one lives;
// checked builds count again over every event and stop at a difference.
template <typename CountOver>
auto CountThroughIndex(int player, CountOver&& countOver)
{
    const auto counts = countOver(EventsNaming(player));
#ifdef TARVELON_CHECK_INDEXES
    if (!(counts == countOver([](auto&& f) { EveryEvent(f); })))
        IndexOutOfDate();
#endif
    return counts;
}

}  // namespace

PlayerMatchCounts CountPlayerMatchEvents(int player)
{
    return CountThroughIndex(player, [player](auto&& events) { return MatchCountsOf(player, events); });
}

PlayerCardCounts CountPlayerCards(int player)
{
    return CountThroughIndex(player, [player](auto&& events) { return CardCountsOf(player, events); });
}

void PutPlayerInLineupSlot(int club, int player, int place)
{
    if (PlacePlayerInLineupSlot(club, player, place))
        RecordPlayerStat(player, Players[static_cast<std::size_t>(player)].Club, -1, "j");
}

bool PlacePlayerInLineupSlot(int club, int player, int place)
{
    TPlayer* p = PlayerAt(player);
    const TClub* c = ClubAt(club);
    TLineup* L = c ? LineupAt(c->LineupIndex) : nullptr;
    if (place < 1 || place > 11 || p == nullptr || L == nullptr)
        return false;
    PutOnPitch(player);
    p->PlayedThisRound = 1;
    L->starters[place - 1] = player;
    LineupRatingInputsChanged(c->LineupIndex);
    int bench = BenchPlaceOf(*L, player);
    if (bench > 0)
        L->bench[bench - 1] = 0;
    return true;
}

FixtureScore FindFixtureScore(int round, int secondClub, int firstClub)
{
    for (const TFixture& f : Fixtures)
        if (f.kind == Game.DayKind && f.round == round && f.home == firstClub && f.away == secondClub)
            return FixtureScore{f.homeGoals, f.awayGoals};
    return {};
}

}  // namespace tarvelon
