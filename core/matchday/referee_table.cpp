#include "core/matchday/referee_table.h"

#include <array>
#include <string>

namespace tarvelon {

namespace {

constexpr int N = kRefereePoolNational;
constexpr int I = kRefereePoolInternational;

const std::array<RefereeProfile, kRefereeCount> kProfiles = {{
    {"Adalberto Quintela", 3, 3, N},
    {"Benedito Sarmento", 3, 3, N},
    {"Cláudio Vasconcelos Leme", 3, 4, N},
    {"Deoclécio Amaral", 3, 5, N},
    {"Edivaldo Pires Nogueira", 4, 4, N},
    {"Fabrício Tavares Bueno", 5, 2, N},
    {"Genésio Lacerda", 5, 4, N},
    {"Hermínio Falcão", 5, 5, N},
    {"Ivanildo Marques Rosa", 4, 3, N},
    {"Jurandir Pessoa Brito", 5, 3, N},
    {"Lindomar Azevedo", 3, 3, N},
    {"Moacir Fontoura", 3, 5, N},
    {"Nivaldo Carneiro Dias", 3, 5, N},
    {"Osvaldir Menezes", 3, 5, N},
    {"Péricles Damasceno", 3, 2, N},
    {"Quirino Bastos Lobo", 3, 4, N},
    {"Rosivaldo Teixeira", 4, 4, N},
    {"Sebastião Arruda Meireles", 5, 4, N},
    {"Tarcísio Valadares", 3, 3, N},
    {"Ubiratan Correia Sales", 5, 3, N},
    {"Valdemir Siqueira", 5, 5, N},
    {"Wanderlei Godinho", 3, 5, N},
    {"Zacarias Prado Neto", 3, 2, N},
    {"Alcides Monteiro Lins", 5, 4, N},
    {"Belmiro Cavalcanti", 4, 4, N},
    {"Cleomar Barreto Frota", 5, 4, I},
    {"Dorival Antunes Peixoto", 4, 2, I},
    {"Everaldo Maciel Torres", 5, 3, I},
    {"Florisvaldo Rangel", 5, 3, I},
    {"Gildásio Portela", 5, 3, I},
    {"Honório Batista Leal", 5, 5, I},
    {"Irineu Gouveia", 4, 5, I},
    {"Jacinto Mourão", 5, 4, I},
    {"Laércio Bittencourt Paz", 5, 4, I},
    {"Manoel Quaresma Vidal", 5, 3, I},
    {"Nestor Aragão", 4, 4, I},
    {"Orlando Magalhães Fiuza", 5, 4, I},
    {"Plínio Sampaio Terra", 4, 4, I},
    {"Reginaldo Cordeiro", 4, 5, I},
    {"Saturnino Veloso", 4, 5, I},
    {"Teodoro Calixto Ramos", 4, 5, I},
    {"Valfredo Nunes Brandão", 4, 2, I},
}};

}  // namespace

const RefereeProfile& RefereeProfileOf(int number)
{
    return kProfiles.at(number - 1);
}

void FillReferees()
{
    RefereeNames.assign(kRefereeCount + 1, std::string());
    Referees[0] = arbitro_{0, 0, 0, 0};
    for (int r = 1; r <= kRefereeCount; ++r) {
        const RefereeProfile& profile = kProfiles[r - 1];
        RefereeNames[r] = profile.name;
        Referees[r] = arbitro_{r, profile.technique, profile.rigour, profile.pool};
    }
}

}  // namespace tarvelon
