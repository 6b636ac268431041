#include "core/match/engine_step.h"

#include <algorithm>
#include <exception>
#include <string>

#include "core/basics/random.h"
#include "core/basics/rounding.h"
#include "core/basics/time_probe.h"
#include "core/hooks.h"
#include "core/match/fouls_cards.h"
#include "core/match/lineup_access.h"
#include "core/match/lineup_ratings.h"
#include "core/match/match_events.h"
#include "core/match/match_events_codes.h"
#include "core/match/match_flags.h"
#include "core/match/player_picks.h"
#include "core/match/referees.h"
#include "core/match/substitutions.h"
#include "core/match/zone_play.h"

namespace tarvelon {

int GoalStandsUpTo(int goalsBefore, int tick)
{
    if (tick < 92) {
        static const int limits[] = {80, 70, 40, 20, 10, 5};  // 2..7 goals before
        if (goalsBefore < 2)
            return 99;
        return goalsBefore >= 8 ? 1 : limits[goalsBefore - 2];
    }
    static const int limits[] = {80, 60, 30, 10, 5};  // 4..8 goals before
    if (goalsBefore < 4)
        return 99;
    return goalsBefore >= 9 ? 1 : limits[goalsBefore - 4];
}

namespace {

bool GoalCancelled(int goalsBefore, int tick)
{
    return Random(100) > GoalStandsUpTo(goalsBefore, tick);
}

void TracePlay(int oldSide, int oldZone, const PlayResult& r)
{
    static const char* const words[10] = {"",
        "perdeu bola<br>", "passou a bola<br>", "chute fora<br>", "chute certo<br>", "sofreu falta<br>",
        "sofreu penalty<br>", "escanteio<br>", "tiro meta<br>", "errou passe<br>"};
    if (!DebugTrace || r.event < 1 || r.event > 9)
        return;
    PlayTraceText += "bc:" + std::to_string(oldSide) + "(" + std::to_string(oldZone) + ")>" + "bc:" +
                     std::to_string(r.side) + " (" + std::to_string(r.zone) + ") - " + words[r.event];
}

bool IsOnPitchStarter(int lineup, int player)
{
    const TLineup* L = LineupAt(lineup);
    return L != nullptr && StarterPlaceOf(*L, player) > 0 && PlayerOnPitch(player);
}

// A penalty of the attacking side: the engine decides it, or the human coach through the dialog.
PlayerPair TakePenalty(int attackingClub, int defendingClub, int attackingLineup, int keeperRating)
{
    bool humanInvolved = IsHumanClub(attackingClub) || IsHumanClub(defendingClub);
    if (SilentMatchday || DebugTrace || !humanInvolved || !Hooks().penaltyDialog)
        return SetPieceOutcome(attackingLineup, keeperRating, -1);
    PenaltyClubA = attackingClub;
    PenaltyClubB = defendingClub;
    PenaltyOutcome = 2;
    PenaltyTaker = -1;
    PenaltyDialogAnswer answer = Hooks().penaltyDialog(attackingClub, defendingClub, IsHumanClub(attackingClub));
    if (answer.outcome == kPenaltyLeftToEngine)
        return SetPieceOutcome(attackingLineup, keeperRating, -1);
    PenaltyOutcome = answer.outcome;
    PenaltyTaker = answer.taker;
    if (!IsOnPitchStarter(attackingLineup, PenaltyTaker))
        PenaltyTaker = ChoosePenaltyTaker(attackingLineup);  // the dialog named nobody who can kick
    return {PenaltyTaker, PenaltyOutcome};
}

PlayResult GoalResult(int zone, int concedingSide, int lineup1, int lineup2)
{
    int scoringSide = OtherSide(concedingSide);
    int concedingLineup = concedingSide == 1 ? lineup1 : lineup2;
    int scoringLineup = scoringSide == 1 ? lineup1 : lineup2;
    int scorer;
    if (Random(100) + 1 < 2)
        scorer = PickScorer(concedingLineup, MirrorZone(2, concedingSide), kScorerOwnGoal);
    else
        scorer = PickScorer(scoringLineup, zone, kScorerNormal);
    PlayResult r;
    r.zone = KickOffZone(concedingSide);
    r.side = concedingSide;
    r.event = meGoal;
    r.eventSide = scoringSide;
    r.player = scorer;
    return r;
}

// The ball stays where it is; the play records an event of `side` naming the pair's players.
PlayResult WithEvent(PlayResult r, int nextPlay, int event, int side, const PlayerPair& pair)
{
    r.nextPlay = nextPlay;
    r.event = event;
    r.eventSide = side;
    r.player = pair.first;
    r.second = pair.second;
    return r;
}

int RecordIfPlayer(int side, int player, int m, int code, int second)
{
    if (player <= 0)
        return -1;
    return RecordMatchEvent(side, player, m, code, second);
}

// Statistics and the event list after a play; returns the index of the event recorded, or -1.
int CountPlay(jogos& M, int m, const PlayResult& r)
{
    const int s = r.side >= 1 && r.side <= 2 ? r.side : 1;
    const int o = OtherSide(s);
    const int e = r.eventSide >= 1 && r.eventSide <= 2 ? r.eventSide : s;
    auto at = [](std::int32_t (&field)[2], int side) -> std::int32_t& { return field[side - 1]; };
    switch (r.event) {
    case meLostBall: at(M.ballsWon, s) += 1; return -1;
    case mePass: at(M.passes, s) += 1; return -1;
    case meShotWide: at(M.shots, o) += 1; return -1;
    case meGoal: {
        if (GoalCancelled(at(M.goals, e), M.tick) || r.player <= 0)
            return -1;
        at(M.shots, e) += 1;
        at(M.goals, e) += 1;
        return RecordMatchEvent(e, r.player, m, meGoal, -1);
    }
    case meFoul: at(M.fouls, e) += 1; return -1;
    case mePenaltyFoul: at(M.shots, o) += 1; return -1;
    case meCorner: at(M.shots, s) += 1; return -1;
    case meBadPass: at(M.badPasses, o) += 1; return -1;
    case mePassLost:
        at(M.badPasses, o) += 1;
        at(M.passes, o) -= 1;
        return -1;
    case meCard:
        if (r.player <= 0)
            return -1;
        at(r.second == ckYellow ? M.yellowCards : M.redCards, e) += 1;
        return RecordMatchEvent(e, r.player, m, meCard, r.second);
    case meFreeKickGoal:
    case mePenaltyGoal:
        if (r.player <= 0)
            return -1;
        at(M.goals, e) += 1;
        at(M.shots, e) += 1;
        if (r.event == mePenaltyGoal)
            at(M.penalties, e) += 1;
        return RecordMatchEvent(e, r.player, m, r.event, -1);
    case mePenaltyMissed:
        if (r.player <= 0)
            return -1;
        at(M.shots, e) += 1;
        at(M.penalties, e) += 1;
        return RecordMatchEvent(e, r.player, m, mePenaltyMissed, r.second);
    case meInjury:
        if (r.player <= 0)
            return -1;
        at(M.injuries, e) += 1;
        return RecordMatchEvent(e, r.player, m, meInjury, r.second);
    case meSubstitution: return RecordIfPlayer(e, r.player, m, meSubstitution, r.second);
    default: return -1;
    }
}

int PlayStep(jogos& M, int m)
{
    int side = M.sideInPossession;
    if (side < 1 || side > 2)
        side = Random(2) + 1;
    int zone = M.ballZone;
    if (zone < 1 || zone > 12)
        zone = MirrorZone(5, side);
    M.tick += 1;
    if (M.tick == 180)
        SetMatchEndTick(m);
    if (M.tick > 0 && M.tick % 15 == 0) {
        ApplyFatigue(M.club[0], M.tick);
        ApplyFatigue(M.club[1], M.tick);
    }
    M.possession[side - 1] += 1;
    PlayResult r = ResolvePlay(zone, side, M.nextPlay, M.lineup[0], M.lineup[1], m);
    M.ballZone = r.zone;
    M.sideInPossession = r.side;
    M.nextPlay = r.nextPlay;
    return CountPlay(M, m, r);
}

}  // namespace

void KickOffMatch(int m, int competition, int homeClub, int awayClub)
{
    if (m < 1 || m >= static_cast<int>(Matches.size()))
        return;
    jogos& M = Matches[m];
    M = jogos{};
    M.competition = competition;
    M.club[0] = homeClub;
    M.club[1] = awayClub;
    for (int s = 0; s < 2; ++s) {
        const TClub* club = ClubAt(M.club[s]);
        M.lineup[s] = club ? club->LineupIndex : -1;
        M.subsLeft[s] = 3;
    }
    KeepKickOffLineups(m);
    // The players rested, recovered or were picked since the line-ups' ratings were last computed.
    LineupRatingInputsChanged(M.lineup[0]);
    LineupRatingInputsChanged(M.lineup[1]);
    M.referee = RefereeOfMatch(m);
    M.kickoffDraw = Random(3);
    M.endTick = Random(4);
    M.ballZone = -1;
    M.sideInPossession = -1;
    M.nextPlay = -1;
    M.tick = 0;
}

void KeepKickOffLineups(int m)
{
    if (m < 1 || m >= static_cast<int>(Matches.size()))
        return;
    jogos& M = Matches[m];
    for (int s = 0; s < 2; ++s)
        if (const TLineup* L = LineupAt(M.lineup[s])) {
            std::copy(L->starters, L->starters + 11, M.startingEleven[s]);
            std::copy(L->pitchSlots, L->pitchSlots + 11, M.startingSlots[s]);
        }
}

int MatchStep(int m)
{
    const TimeProbe probe(EngineStepTime());
    if (m < 1 || m >= static_cast<int>(Matches.size()))
        return -1;
    jogos& M = Matches[m];
    int recorded = -1;
    try {
        recorded = PlayStep(M, m);
    } catch (const std::exception&) {
        // a failure inside a play ends the play silently; the ratings are still brought up to date
    }
    RefreshLineupRatings(M.lineup[0]);
    RefreshLineupRatings(M.lineup[1]);
    return recorded;
}

PlayResult ResolvePlay(int zone, int side, int nextPlay, int lineup1, int lineup2, int m)
{
    const jogos& M = Matches[m];
    const int a = side;
    const int d = OtherSide(a);
    const int attackingLineup = a == 1 ? lineup1 : lineup2;
    const int defendingLineup = a == 1 ? lineup2 : lineup1;
    const int attackingClub = M.club[a - 1];
    const int defendingClub = M.club[d - 1];

    PlayResult r;
    r.zone = zone;
    r.side = side;
    r.nextPlay = nextPlay;

    if (!IsHumanClub(attackingClub) && M.tick % 4 == 0) {
        PlayerPair change = AutoSubstitution(attackingLineup, m, a);
        if (change.first > 0)
            return WithEvent(r, nextPlay, meSubstitution, a, change);
    }
    if (nextPlay == meAfterFoul) {
        PlayerPair card = CardOnFoul(defendingLineup, -1, nextPlay, M.tick);
        if (card.first > 0)
            return WithEvent(r, meAfterCard, meCard, d, card);
    }
    bool penaltyDue = nextPlay == meAfterInjury;
    if (nextPlay == meAfterCard) {
        PlayerPair injury = InjuryCheck(attackingLineup, zone, m);
        if (injury.first > 0)
            return WithEvent(r, meAfterInjury, meInjury, a, injury);
        penaltyDue = true;
    }
    if (penaltyDue && MirrorZone(zone, a) == 11) {
        const TLineup* keeperSide = LineupAt(defendingLineup);
        PlayerPair kick = TakePenalty(attackingClub, defendingClub, attackingLineup, keeperSide ? keeperSide->keeper : 0);
        if (kick.second >= 1) {
            r.zone = kick.second == 1 ? KickOffZone(d) : MirrorZone(2, d);
            r.side = d;
            r.nextPlay = -1;
            r.event = kick.second == 1 ? mePenaltyGoal : mePenaltyMissed;
            r.eventSide = a;
            r.player = kick.first;
            r.second = kick.second == 1 ? -1 : kick.second;
            return r;
        }
    }
    ZoneMove move = PlayZoneMove(zone, side, nextPlay, lineup1, lineup2, m);
    if (move.code == meGoal) {
        r = GoalResult(zone, move.side, lineup1, lineup2);
    } else {
        r.zone = move.zone;
        r.side = move.side;
        r.nextPlay = move.code == meFoul ? meAfterFoul : move.code;
        r.event = move.code;
        r.eventSide = move.code == meFoul ? OtherSide(move.side) : move.side;
    }
    TracePlay(side, zone, r);
    return r;
}

void SetMatchEndTick(int m)
{
    jogos& M = Matches[m];
    M.endTick = std::min(182 + 2 + Random(4) + 2 * (M.redCards[0] + M.redCards[1]), 190);
}

int MatchMinuteOfTick(int tick)
{
    if (tick == 1)
        return 1;
    int start = tick < 93 ? 0 : 92;
    return static_cast<int>(Round((tick - start) / 2.0));
}

}  // namespace tarvelon
