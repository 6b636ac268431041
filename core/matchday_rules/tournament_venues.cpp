#include "core/matchday_rules/tournament_venues.h"

namespace tarvelon {

const RangeArray<HostCityQuad, 1, 7> HostCitiesSouthAmerica = {{{
    {{"Buenos Aires", "Córdoba", "Mar del Plata", "Rosário"}},
    {{"La Paz", "Santa Cruz", "Sucre", "Potosí"}},
    {{"Santiago", "Vinã del Mar", "Valparaíso", "Concepción"}},
    {{"Montevidéu", "Salto", "Las Piedras", "Maldonado"}},
    {{"Assunción", "Ciudad del Este", "San Lorenzo", "Lambare"}},
    {{"São Paulo", "Rio de Janeiro", "Belo Horizonte", "Porto Alegre"}},
    {{"Bogotá", "Cali", "Medellin", "Barranquilla"}},
}}};

const RangeArray<HostCityQuad, 1, 7> HostCitiesEurope = {{{
    {{"Varsóvia", "Poznán", "Cracóvia", "Chorzów"}},
    {{"Roma", "Milão", "Napoles", "Turim"}},
    {{"Londres", "Manchester", "Leeds", "Liverpool"}},
    {{"Berlim", "Munique", "Dortmund", "Frankfurt"}},
    {{"Madrid", "Sevilha", "Barcelona", "Gijón"}},
    {{"Lisboa", "Porto", "Aveiro", "Coimbra"}},
    {{"Paris", "Marseille", "Lyon", "Nantes"}},
}}};

}  // namespace tarvelon
