#include <gtest/gtest.h>

#include "core/format/names.h"
#include "core/season/competitions.h"
#include "core/tables.h"
#include "core/vocab/countries.h"

namespace tarvelon {
namespace {

TEST(CountryPhrase, ArticlesAndPlainNames)
{
    EXPECT_EQ(CountryPhrase(29), "do Brasil");
    EXPECT_EQ(CountryPhrase(3), "da Alemanha");
    EXPECT_EQ(CountryPhrase(154), "de Portugal");
    EXPECT_EQ(CountryPhrase(107), "do Japão");
    EXPECT_EQ(CountryPhrase(202), "Personalizada");
    EXPECT_EQ(CountryPhrase(0), CountryNames[0]);
    EXPECT_EQ(CountryPhrase(193), "Ucrânia");
    EXPECT_EQ(CountryPhrase(203), "");
    EXPECT_EQ(CountryPhrase(-1), "");
}

TEST(NationalityName, AdjectivesAndPlainNames)
{
    EXPECT_EQ(NationalityName(29), "Brasileiro");
    EXPECT_EQ(NationalityName(180), "Suiço");
    EXPECT_EQ(NationalityName(198), "Venezuelano");
    EXPECT_EQ(NationalityName(202), "Personalizado");
    EXPECT_EQ(NationalityName(142), "Noruega");
}

TEST(CompetitionName, EveryKind)
{
    ResetGameTables();
    Competitions = {
        {},
        {1, 29, 1}, {1, 29, 2}, {1, 65, 4}, {1, 29, 5}, {1, 29, 6},
        {2, 29, -1}, {2, 142, -1},
        {3, 24, 1},
        {4, -1, 1}, {4, -1, 0}, {6, -1, 1}, {6, -1, 0},
        {5, -1, -1}, {7, -1, -1}, {8, -1, -1}, {9, -1, -1}, {10, -1, -1},
    };
    const char* expected[] = {
        "",
        "Camp. Brasileiro", "Camp. Brasileiro - 2ª divisão", "Camp. Espanhol - 4ª divisão",
        "Camp. Brasileiro - Regional", "",
        "Copa do Brasil", "Copa Noruega",
        nullptr,
        "Libertadores", "Liga dos Campeões", "Sul-Americana", "Liga Europa da UEFA",
        "Mundia de Clubes", "Copa do Mundo", "Copa América", "Eurocopa", "",
    };
    for (std::size_t i = 0; i < Competitions.size(); ++i) {
        const std::string name = expected[i] ? expected[i] : std::string("Camp. ") + StateDemonyms[24];
        EXPECT_EQ(CompetitionName(static_cast<int>(i)), name) << i;
    }
    EXPECT_EQ(CompetitionName(-1), "");
    EXPECT_EQ(CompetitionName(static_cast<int>(Competitions.size())), "");
}

}  // namespace
}  // namespace tarvelon
