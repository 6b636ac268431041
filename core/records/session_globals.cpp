#include "core/records/session_globals.h"

#include "core/records/table_reset.h"

namespace tarvelon {

std::int32_t AutosaveCounter = 0;
std::int32_t SeasonStartPending = 0;

namespace {
const GameTableReset sessionReset([] {
    AutosaveCounter = 0;
    SeasonStartPending = 0;
});
}  // namespace

}  // namespace tarvelon
