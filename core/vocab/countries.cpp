#include "core/vocab/countries.h"

namespace tarvelon {

const std::array<const char*, 203> CountryNames = {
    "Afeganistão", "Africa do Sul", "Albânia", "Alemanha", "Andorra",  // 0..4
    "Angola", "Anguilla", "Antigua", "Antilhas Holandesas", "Arábia Saudita",  // 5..9
    "Argélia", "Argentina", "Armenia", "Aruba", "Austrália",  // 10..14
    "Áustria", "Azerbaidjão", "Bahamas", "Bahrain", "Bangladesch",  // 15..19
    "Barbados", "Bélgica", "Belize", "Benin", "Bermudas",  // 20..24
    "Bielo Russia", "Bolivia", "Bosnia", "Botsuana", "Brasil",  // 25..29
    "Brunei", "Bulgaria", "Burkina Faso", "Burundi", "Butão",  // 30..34
    "Cabo Verde", "Camarões", "Camboja", "Canadá", "Catar",  // 35..39
    "Cazaquistão", "Chade", "Chile", "China", "Chipre",  // 40..44
    "Cingapura", "Colômbia", "Congo", "Coréia do Norte", "Coréia do Sul",  // 45..49
    "Costa do Marfim", "Costa Rica", "Croácia", "Cuba", "Dinamarca",  // 50..54
    "Djibuti", "Dominica", "Egito", "El Salvador", "Emirados Árabes",  // 55..59
    "Equador", "Eritréia", "Escócia", "Eslováquia", "Eslovênia",  // 60..64
    "Espanha", "Estonia", "Etiópia", "EUA", "Fiji",  // 65..69
    "Finlândia", "Filipinas", "França", "Gabão", "Gâmbia",  // 70..74
    "Gana", "Georgia", "Granada", "Grécia", "Guatemala",  // 75..79
    "Guiana", "Guiné", "Guiné-Bissau", "Guiné Equatorial", "Haiti",  // 80..84
    "Holanda", "Honduras", "Hong Kong", "Hungria", "Iêmen",  // 85..89
    "Ilhas Cayman", "Ilhas Cook", "Ilhas Faroe", "Ilhas Salomão", "Ilhas Virgens Britânicas",  // 90..94
    "Índia", "Indonésia", "Inglaterra", "Irã", "Iraque",  // 95..99
    "Irlanda", "Irlanda do Norte", "Islândia", "Israel", "Itália",  // 100..104
    "Montenegro", "Jamaica", "Japão", "Jordânia", "Kênia",  // 105..109
    "Kosovo", "Kwait", "Laos", "Lesoto", "Letônia",  // 110..114
    "Libano", "Líbia", "Libéria", "Liechenstein", "Lituânia",  // 115..119
    "Luxemburgo", "Macau", "Macedônia", "Madagascar", "Malásia",  // 120..124
    "Malawi", "Maldivas", "Mali", "Malta", "Marrocos",  // 125..129
    "Mauritânia", "México", "Mianmar", "Moçambique", "Moldávia",  // 130..134
    "Mônaco", "Mongolia", "Namíbia", "Nepal", "Nicaragua",  // 135..139
    "Níger", "Nigéria", "Noruega", "Nova Zelândia", "Omã",  // 140..144
    "País de Gales", "Palestina", "Panamá", "Papua Nova Guiné", "Paquistão",  // 145..149
    "Paraguai", "Peru", "Polônia", "Porto Rico", "Portugal",  // 150..154
    "Quirquistão", "Rep. Centro-Africana", "Rep. Dem. Congo", "Rep. Dominicana", "Rep. Tcheca",  // 155..159
    "Romênia", "Ruanda", "Rússia", "Samoa", "San Marino",  // 160..164
    "Santa Lúcia", "São Cristovão e Neves", "São Tomé e Príncipe", "São Vicente e Granadinas", "Senegal",  // 165..169
    "Serra Leoa", "Sérvia", "Seychelles", "Singapura", "Síria",  // 170..174
    "Somália", "Sri Lanka", "Suazilândia", "Sudão", "Suécia",  // 175..179
    "Suiça", "Suriname", "Tadjquistão", "Tailândia", "Taiti",  // 180..184
    "Taiwan", "Tânzania", "Togo", "Tonga", "Trinidad e Tobago",  // 185..189
    "Tunísia", "Turcomenistão", "Turquia", "Ucrânia", "Uganda",  // 190..194
    "Uruguai", "Uzbesquistão", "Vanuatu", "Venezuela", "Vietnã",  // 195..199
    "Zâmbia", "Zimbabue", "Personalizado",  // 200..202
};

const std::array<const char*, StateCount> StateCodes = {
    "AC", "AL", "AM", "AP", "BA", "CE", "DF", "ES", "GO",  // 0..8
    "MA", "MG", "MS", "MT", "PA", "PB", "PE", "PI", "PR",  // 9..17
    "RJ", "RN", "RO", "RR", "RS", "SC", "SE", "SP", "TO",  // 18..26
};

const std::array<const char*, StateCount> StateNames = {
    "Acre", "Alagoas", "Amazonas", "Amapá", "Bahia",  // 0..4
    "Ceará", "Distrito Federal", "Espírito Santos", "Goiás", "Maranhão",  // 5..9
    "Minas Gerais", "Mato Grosso Sul", "Mato Grosso", "Pará", "Paraíba",  // 10..14
    "Pernambuco", "Piauí", "Paraná", "Rio de Janeiro", "Rio Grande Norte",  // 15..19
    "Rondonia", "Roraima", "Rio Grande Sul", "Santa Catarina", "Sergipe",  // 20..24
    "São Paulo", "Tocantins",  // 25..26
};

const std::array<const char*, StateCount> StateDemonyms = {
    "Acreano", "Alagoano", "Amazonense", "Amapaense", "Baiano",  // 0..4
    "Cearense", "Brasiliense", "Capixaba", "Goiano", "Maranhense",  // 5..9
    "Mineiro", "Sul-matogrossense", "Matogrossense", "Paraense", "Paraibano",  // 10..14
    "Pernambucano", "Piauiense", "Paranaense", "Carioca", "Potiguar",  // 15..19
    "Rondonense", "Roraimense", "Gaúcho", "Catarinense", "Sergipano",  // 20..24
    "Paulista", "Tocantinense",  // 25..26
};

const RangeArray<int, 1, 11> WorldCupHosts = {{1, 29, 65, 11, 104, 131, 97, 154, 107, 72, 3}};
const RangeArray<int, 1, 7> CopaAmericaHosts = {{11, 26, 42, 195, 150, 29, 46}};
const RangeArray<int, 1, 7> EurocopaHosts = {{152, 104, 97, 3, 65, 154, 72}};

const RangeArray<HostCityRow, 1, 11> WorldCupHostCities = {{{
    {{"Joanesburgo", "Port Elizabeth", "Durban", "Cape Town", "Pretoria", "Rustenburg", "Nelspruit", "Bloemfontein"}},  // 1: 1 "Africa do Sul"
    {{"Rio de Janeiro", "São Paulo", "Belo Horizonte", "Curitiba", "Salvador", "Porto Alegre", "Manaus", "Cuiabá"}},  // 2: 29 "Brasil"
    {{"Madrid", "Sevilha", "Valencia", "Vigo", "Málaga", "Valladolid", "Barcelona", "Gijón"}},  // 3: 65 "Espanha"
    {{"Buenos Aires", "Córdoba", "Mar del Plata", "Mendoza", "Rosário", "La Plata", "Santa Fé", "Almagro"}},  // 4: 11 "Argentina"
    {{"Roma", "Milão", "Turim", "Bologna", "Cagliari", "Gênoa", "Florença", "Udine"}},  // 5: 104 "Itália"
    {{"Cid. México", "Guadalajara", "Monterrey", "Laguna", "Puebla", "León", "Irapuato", "Queretaro"}},  // 6: 131 "México"
    {{"Londres", "Liverpool", "Manchester", "Notthingam", "Leeds", "Coventry", "Sheffield", "Bristol"}},  // 7: 97 "Inglaterra"
    {{"Lisboa", "Porto", "Coimbra", "Setúbal", "Aveiro", "Faro", "Braga", "Viseu"}},  // 8: 154 "Portugal"
    {{"Yokohama", "Osaka", "Kobe", "Oita", "Tóquio", "Shizuoka", "Niigata", "Sapporo"}},  // 9: 107 "Japão"
    {{"Paris", "Marseille", "Auxerre", "Lyon", "Nantes", "Nice", "Bourdeaux", "Montpellier"}},  // 10: 72 "França"
    {{"Berlim", "Munique", "Hamburgo", "Dortmund", "Frankfurt", "Hannover", "Leipzig", "Nuremberg"}},  // 11: 3 "Alemanha"
}}};

}  // namespace tarvelon
