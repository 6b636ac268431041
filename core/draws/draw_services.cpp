#include "core/draws/draw_services.h"

namespace tarvelon {

DrawServices& Draws()
{
    static DrawServices services;
    return services;
}

int FindDrawChampion(int kind, int region, int season)
{
    return Draws().findChampion ? Draws().findChampion(kind, region, season) : -1;
}

}  // namespace tarvelon
