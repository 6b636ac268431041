#include "core/views/dismissal_text.h"

#include "core/match/lineup_access.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kPatientSupporters = 15;

}  // namespace

std::string DismissalReason(int club, bool resigned)
{
    if (resigned)
        return "conforme você solicitou, boa sorte no próximo clube";
    const TClub* c = ClubAt(club);
    if (c == nullptr)
        return "";
    if (c->Division == 0)
        return "nosso time está fora do próximo campeonato nacional. Boa sorte em um novo clube.";
    if (c->SupportersMood < kPatientSupporters)
        return "porque a pressão da torcida foi grande pois seus resultados não estavam sendo bons";
    if (c->cash < 0)
        return "pois você estava levando nosso clube para um pântano de dívidas sem fim";
    return "você não foi aprovado como treinador de nosso clube, da próxima vez tente ter melhores resultados";
}

std::string DismissalMessage(int club, int coach, bool resigned)
{
    const TClub* c = ClubAt(club);
    const std::string coachName =
        coach >= 0 && coach < static_cast<int>(Coaches.size()) ? Coaches[static_cast<std::size_t>(coach)].name.str() : "";
    return coachName + ", " + (c ? c->name.str() : std::string()) + " resolveu lhe demitir," +
           DismissalReason(club, resigned) + ".";
}

}  // namespace tarvelon
