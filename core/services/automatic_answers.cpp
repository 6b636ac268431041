#include "core/services/automatic_answers.h"

#include "core/matchday_rules/shootout.h"

namespace tarvelon {

namespace {

// The platform's part: what a program without a window has.
void AnswerAsWithoutWindow(CoreHooks& h)
{
    h.highResolutionClock = RealHighResolutionClock;
    h.sendSoundCommand = [](const std::string&) -> std::uint32_t { return 0; };
    h.soundErrorText = [](std::uint32_t) { return std::string(); };
    h.showMessage = [](const std::string&) {};
    h.screenWidth = [] { return 800; };
    h.screenHeight = [] { return 600; };
}

// The questions to the player: each gets the answer the rules give when nobody is asked.
void AnswerAsTheRules(CoreHooks& h)
{
    h.penaltyDialog = [](int, int, bool) { return PenaltyDialogAnswer{kPenaltyLeftToEngine, -1}; };
    h.injurySubstitutionDialog = [](int, int, int) { return kInjuryLeftToEngine; };
    h.shootoutDialog = [](bool) { KickOutShootoutAtOnce(); };
    h.showCoachDismissal = [](int, int, int) {};
    h.showCoachChange = [] {};
    h.showJobOffers = [] {};
    h.askSaveName = [] { return std::string(); };
    h.showNationalCallUp = [](int) {};
    h.showStateChampions = [] {};
}

}  // namespace

CoreHooks AutomaticAnswers()
{
    CoreHooks hooks;
    AnswerAsWithoutWindow(hooks);
    AnswerAsTheRules(hooks);
    return hooks;
}

void InstallAutomaticAnswers() { Hooks() = AutomaticAnswers(); }

}  // namespace tarvelon
