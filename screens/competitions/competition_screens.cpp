#include "screens/competitions/competition_screens.h"

#include "core/hooks.h"
#include "screens/history/state_champions_screen.h"

namespace tarvelon {

void InstallCompetitionScreenHooks() { Hooks().showStateChampions = ShowStateChampionsOnScreen; }

}  // namespace tarvelon
