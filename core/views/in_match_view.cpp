#include "core/views/in_match_view.h"

#include "core/match/lineup_access.h"
#include "core/vocab/players.h"

namespace tarvelon {

namespace {

std::string TraitText(int trait)
{
    return trait >= 0 && trait < TraitCount ? TraitAbbreviations[static_cast<std::size_t>(trait)] : "";
}

}  // namespace

std::string InMatchShirtHint(int player, bool substitute)
{
    const TPlayer* p = PlayerAt(player);
    if (p == nullptr)
        return "";
    std::string hint = "Energia:" + std::to_string(p->Energy) + "% Força:" + std::to_string(p->Strength) + " "
                       + TraitText(p->Trait1) + "/" + TraitText(p->Trait2);
    if (substitute)
        hint += p->Side == 1 ? " Lado:E" : " Lado:D";
    return hint;
}

}  // namespace tarvelon
