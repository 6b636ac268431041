#include "core/records/table_reset.h"

#include <vector>

namespace tarvelon {

namespace {

// Built on first use, so registrations from static objects of other files find it ready.
std::vector<std::function<void()>>& RegisteredResets()
{
    static std::vector<std::function<void()>> resets;
    return resets;
}

}  // namespace

void RegisterGameTableReset(std::function<void()> reset) { RegisteredResets().push_back(std::move(reset)); }

void RunRegisteredTableResets()
{
    for (const auto& reset : RegisteredResets()) {
        reset();
    }
}

}  // namespace tarvelon
