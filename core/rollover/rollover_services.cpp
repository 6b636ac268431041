#include "core/rollover/rollover_services.h"

namespace tarvelon {

RolloverServices& Rollover()
{
    static RolloverServices services;
    return services;
}

}  // namespace tarvelon
