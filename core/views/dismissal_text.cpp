#include "core/views/dismissal_text.h"

#include "core/career/career_state.h"
#include "core/match/lineup_access.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

constexpr int kPatientSupporters = 15;

std::string CoachName(int coach)
{
    return coach >= 0 && coach < static_cast<int>(Coaches.size()) ? Coaches[static_cast<std::size_t>(coach)].name.str() : "";
}

std::string ClubName(int club)
{
    const TClub* c = ClubAt(club);
    return c ? c->name.str() : std::string();
}

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
    return CoachName(coach) + ", " + ClubName(club) + " resolveu lhe demitir," + DismissalReason(club, resigned) + ".";
}

std::string CoachChangeReason(int club)
{
    const TClub* c = ClubAt(club);
    if (c == nullptr)
        return "";
    if (c->SupportersMood < kPatientSupporters)
        return "porque a pressão da torcida foi grande pois os resultados não estavam sendo nada bons";
    if (c->cash < 0)
        return "pois estava levando nosso clube para um pântano de dívidas sem fim";
    return "pois não foi aprovado como treinador do clube, muitas derrotas e poucas vitórias";
}

CoachChangeNoticeText CoachChangeNotice()
{
    const std::string fired = CoachName(FiredCoach);
    const std::string replacement = CoachName(ReplacementCoach);
    CoachChangeNoticeText text;
    text.reason = fired + " demitido do " + ClubName(CoachChangeClub) + " " + CoachChangeReason(CoachChangeClub) + ".";
    if (ReplacementCoachOldClub >= 0) {
        text.title = "Troca de técnicos";
        text.coaches = fired + " por " + replacement;
        text.outcome = "Em seu lugar foi contratado " + replacement + " e " + fired + " foi parar no " +
                       ClubName(ReplacementCoachOldClub);
    } else {
        text.title = "Técnico demitido";
        text.coaches = fired;
        text.outcome = "Para seu lugar foi contratado " + replacement;
    }
    return text;
}

}  // namespace tarvelon
