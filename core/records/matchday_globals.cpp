#include "core/records/matchday_globals.h"

#include "core/records/table_reset.h"

namespace tarvelon {

int CurrentLeague = 0;
int CurrentState = 0;

namespace {
const GameTableReset currentReset([] {
    CurrentLeague = 0;
    CurrentState = 0;
});
}  // namespace

}  // namespace tarvelon
