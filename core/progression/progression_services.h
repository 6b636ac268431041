#pragma once
// What the progression and the calendar advance need from the day's own rules, which sit above
// them (shoot-outs, the close-out of group tables, the computer national squads). InstallRuleServices
// installs them at start-up; tests install their own. The screens the advance opens are core's
// hooks (core/hooks.h). An operation left empty is skipped, except the shoot-outs, which fall back
// to the quick random shoot-out of two computer sides.
#include <functional>

namespace tarvelon {

struct ProgressionServices {
    // Shoot-out after the return leg `fixture` of a level two-leg tie (national cup, continental
    // cups): 1 when the fixture's home club won it, 2 when its away club did. The shoot-out score
    // goes into the day's match and the fixture.
    std::function<int(int fixture)> playShootout;
    // Shoot-out of a bracket tie (club world cup, national-team tournaments) shown in the dialogs,
    // club A kicking first: 1 when A won, 2 when B did.
    std::function<int(int tie, int clubA, int clubB)> playBracketShootout;

    // The close-out of the group tables after a day (the calendar advance calls them).
    std::function<void()> closeStateGroups;
    std::function<void(int kind)> closeContinentalGroups;
    std::function<void(int kind)> closeNationalCupGroups;
    // The computer national teams' squads on the first day of a national-team tournament.
    std::function<void()> prepareTournamentSquads;
};

ProgressionServices& Progression();

}  // namespace tarvelon
