#include "core/progression/progression_services.h"

namespace tarvelon {

ProgressionServices& Progression()
{
    static ProgressionServices services;
    return services;
}

}  // namespace tarvelon
