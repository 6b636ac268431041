#include "core/records/matchday_globals.h"

namespace tarvelon {

int CurrentLeague = 0;
int CurrentState = 0;

}  // namespace tarvelon
