#include "core/vocab/players.h"

namespace tarvelon {

const std::array<const char*, PositionCount> PositionNames = {
    "Goleiro", "Lateral", "Zagueiro", "Meio Campo", "Atacante",
};

const std::array<TColor, PositionCount> PositionColors = {
    RgbColor(255, 255, 255),  // goalkeeper
    RgbColor(62, 158, 255),   // full back
    RgbColor(251, 233, 104),  // centre back
    RgbColor(192, 220, 192),  // midfielder
    RgbColor(255, 111, 111),  // forward
};

const std::array<const char*, TraitCount> TraitNames = {
    "Colocação", "Def. penalti", "Reflexo", "Saída gol",                   // goalkeeper
    "Armação", "Cabeceio", "Cruzamento", "Desarme", "Drible",              // outfield
    "Finalização", "Marcação", "Passe", "Resistência", "Velocidade",
};

const std::array<const char*, TraitCount> TraitAbbreviations = {
    "Col", "Def", "Ref", "Sai",
    "Arm", "Cab", "Cru", "Des", "Dri",
    "Fin", "Mar", "Pas", "Res", "Vel",
};

const std::array<std::array<const char*, 5>, PositionCount> RoleNames = {{
    {"Normal", "Normal", "Normal", "Normal", ""},
    {"Defensivo", "Ofensivo", "Ala", "n/a", ""},
    {"Normal", "Líbero", "Normal", "n/a", ""},
    {"Volante", "Ofensivo", "Ala", "n/a", ""},
    {"Recuado", "Pelo meio", "Pela ponta", "n/a", ""},
}};

std::vector<std::string> RoleChoicesOfPositionLetter(const std::string& letter)
{
    if (letter == "G") return {"Normal"};
    if (letter == "L") return {"Defensivo", "Ofensivo", "Ala"};
    if (letter == "Z") return {"Normal", "Líbero"};
    if (letter == "M") return {"Volante", "Ofensivo", "Ala"};
    if (letter == "A") return {"Recuado", "Pelo meio", "Pela ponta"};
    return {};
}

const std::array<std::array<const char*, 6>, PositionCount> PositionTraitNames = {{
    {"Elástico", "Muralha", "Seguro", "n/a", "n/a", ""},
    {"Cruzador", "Marcador", "Velocista", "n/a", "n/a", ""},
    {"Fair Play", "Indisciplinado", "Sarrafeiro", "Seguro", "n/a", ""},
    {"Chutador", "Habilidoso", "Lançador", "Organizador", "Parrudo", ""},
    {"Chutador", "Habilidoso", "Matador", "Pesadão", "n/a", ""},
}};

}  // namespace tarvelon
