#include "core/views/match_event_view.h"

#include "core/basics/literal_text.h"
#include "core/match/engine_step.h"
#include "core/match/match_events_codes.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

std::string PlayerNameOf(int player)
{
    return player > 0 && player < static_cast<int>(Players.size()) ? Players[player].Name.str() : std::string();
}

bool IsHumanClub(int club)
{
    return club >= 0 && club < static_cast<int>(Clubs.size()) && Clubs[club].IsHuman != 0;
}

std::string IconOf(const TMatchEventEntry& e)
{
    switch (e.code) {
    case meGoal:
    case meFreeKickGoal:
    case mePenaltyGoal: return "i_gol";
    case meOwnGoal:
    case mePenaltyMissed: return "i_golv";
    case meCard: return e.second == ckYellow ? "i_ca" : e.second == ckRed ? "i_cv" : "i_cacv";
    case meInjury: return "i_ct";
    case meSubstitution:
    case meInjurySubstitution: return "i_sub";
    default: return "";
    }
}

std::string ColourOf(const TMatchEventEntry& e)
{
    switch (e.code) {
    case meGoal:
    case meFreeKickGoal:
    case mePenaltyGoal:
    case meSubstitution: return "clwhite";
    case meCard: return e.second == ckYellow ? "clyellow" : "clred";
    case meInjury:
    case meInjurySubstitution: return "clred";
    default: return "#DFDF00";
    }
}

}  // namespace

std::string EventCodeSuffix(int code)
{
    switch (code) {
    case meOwnGoal: return " (contra)";
    case meFreeKickGoal: return " (de falta)";
    case mePenaltyGoal: return " (de penalti)";
    case mePenaltyMissed: return " (perdeu penalti)";
    default: return "";
    }
}

bool IsShownEventCode(int code)
{
    switch (code) {
    case meGoal:
    case meOwnGoal:
    case meCard:
    case meFreeKickGoal:
    case mePenaltyGoal:
    case mePenaltyMissed:
    case meInjury:
    case meSubstitution:
    case meInjurySubstitution: return true;
    default: return false;
    }
}

bool IsGoalEventCode(int code)
{
    return code == meGoal || code == meFreeKickGoal || code == mePenaltyGoal || code == meOwnGoal;
}

MatchEventView ViewOfMatchEvent(const TMatchEventEntry& e)
{
    MatchEventView view;
    view.icon = IconOf(e);
    view.colour = ColourOf(e);
    if (e.code == meSubstitution || e.code == meInjurySubstitution)
        view.text = "(" + PlayerNameOf(e.player) + ") " + PlayerNameOf(e.second);
    else
        view.text = PlayerNameOf(e.player);
    view.text += EventCodeSuffix(e.code);
    view.minute = MatchMinuteOfTick(e.tick);
    view.half = e.tick > 92 ? 2 : 1;
    return view;
}

std::string MatchEventRichText(const TMatchEventEntry& e, bool bold)
{
    const MatchEventView view = ViewOfMatchEvent(e);
    return "<FONT color=\"" + view.colour + "\"  size=\"11\" face=\"Arial\"><shad>" + (bold ? "<b>" : "") + MarkupLiteral(view.text)
           + " " + std::to_string(view.minute) + "'" + "</shad></font>";
}

std::string GoalSoundOfEvent(const TMatchEventEntry& e, int otherClub)
{
    if (e.code != meGoal && e.code != meFreeKickGoal && e.code != meOwnGoal)
        return "";
    if (IsHumanClub(e.club))
        return "gol";
    if (IsHumanClub(otherClub))
        return "goladv";
    return "";
}

bool IsHumanSendingOff(const TMatchEventEntry& e)
{
    return e.code == meCard && e.second > ckYellow && IsHumanClub(e.club);
}

}  // namespace tarvelon
