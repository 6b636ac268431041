#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/basics/cp1252.h"
#include "core/vocab/countries.h"
#include "core/vocab/players.h"
#include "core/format/screen_size.h"
#include "core/vocab/tactics_board.h"

using namespace tarvelon;

TEST(Countries, TableHas203NamesWithTheCustomCountryLast)
{
    EXPECT_EQ(CountryNames.size(), 203u);
    EXPECT_STREQ(CountryNames[0], "Afeganistão");
    EXPECT_STREQ(CountryNames[201], "Zimbabue");
    EXPECT_STREQ(CountryNames[CustomCountry], "Personalizado");
    EXPECT_STREQ(CountryNames[105], "Montenegro");  // out of alphabetical place, but its id is fixed
    EXPECT_STREQ(CountryNames[82], "Guiné-Bissau");
    EXPECT_STREQ(CountryNames[166], "São Cristovão e Neves");
    EXPECT_STREQ(CountryNames[180], "Suiça");
}

TEST(Countries, NamedIdsPointAtTheirCountries)
{
    EXPECT_STREQ(CountryNames[CountrySouthAfrica], "Africa do Sul");
    EXPECT_STREQ(CountryNames[CountryGermany], "Alemanha");
    EXPECT_STREQ(CountryNames[CountryArgentina], "Argentina");
    EXPECT_STREQ(CountryNames[CountryBrazil], "Brasil");
    EXPECT_STREQ(CountryNames[CountrySpain], "Espanha");
    EXPECT_STREQ(CountryNames[CountryFrance], "França");
    EXPECT_STREQ(CountryNames[CountryEngland], "Inglaterra");
    EXPECT_STREQ(CountryNames[CountryItaly], "Itália");
    EXPECT_STREQ(CountryNames[CountryJapan], "Japão");
    EXPECT_STREQ(CountryNames[CountryMexico], "México");
    EXPECT_STREQ(CountryNames[CountryPortugal], "Portugal");
}

TEST(Countries, NamesAreDistinctAndFitTheClubFileCharacterSet)
{
    std::set<std::string> seen;
    for (const char* name : CountryNames) {
        ASSERT_NE(name, nullptr);
        EXPECT_TRUE(seen.insert(name).second) << name;
        // Every name survives the round trip through the stored single-byte form.
        EXPECT_EQ(Cp1252ToUtf8(Utf8ToCp1252(name)), name);
    }
}

TEST(States, TwentySevenCodesNamesAndDemonyms)
{
    EXPECT_STREQ(StateCodes[0], "AC");
    EXPECT_STREQ(StateNames[0], "Acre");
    EXPECT_STREQ(StateDemonyms[0], "Acreano");
    EXPECT_STREQ(StateCodes[7], "ES");
    EXPECT_STREQ(StateNames[7], "Espírito Santos");
    EXPECT_STREQ(StateDemonyms[11], "Sul-matogrossense");
    EXPECT_STREQ(StateDemonyms[22], "Gaúcho");
    EXPECT_STREQ(StateCodes[25], "SP");
    EXPECT_STREQ(StateNames[25], "São Paulo");
    EXPECT_STREQ(StateDemonyms[25], "Paulista");
    EXPECT_STREQ(StateCodes[26], "TO");
    EXPECT_STREQ(StateDemonyms[26], "Tocantinense");
    std::set<std::string> codes(StateCodes.begin(), StateCodes.end());
    EXPECT_EQ(codes.size(), 27u);
    for (const char* code : StateCodes)
        EXPECT_EQ(std::string(code).size(), 2u);
}

TEST(Hosts, HostNumbersCountFromOne)
{
    EXPECT_EQ(WorldCupHosts.size(), 11);
    EXPECT_EQ(WorldCupHosts[1], CountrySouthAfrica);
    EXPECT_EQ(WorldCupHosts[2], CountryBrazil);
    EXPECT_EQ(WorldCupHosts[11], CountryGermany);
    EXPECT_STREQ(CountryNames[CopaAmericaHosts[2]], "Bolivia");
    EXPECT_STREQ(CountryNames[CopaAmericaHosts[7]], "Colômbia");
    EXPECT_STREQ(CountryNames[EurocopaHosts[1]], "Polônia");
    EXPECT_EQ(EurocopaHosts[7], CountryFrance);
    EXPECT_THROW((void)WorldCupHosts[0], std::out_of_range);
    EXPECT_THROW((void)EurocopaHosts[8], std::out_of_range);
}

TEST(Hosts, EightCitiesForEveryWorldCupHost)
{
    EXPECT_STREQ(WorldCupHostCities[1][1], "Joanesburgo");
    EXPECT_STREQ(WorldCupHostCities[2][2], "São Paulo");
    EXPECT_STREQ(WorldCupHostCities[6][1], "Cid. México");
    EXPECT_STREQ(WorldCupHostCities[7][4], "Notthingam");
    EXPECT_STREQ(WorldCupHostCities[10][7], "Bourdeaux");
    EXPECT_STREQ(WorldCupHostCities[11][8], "Nuremberg");
    for (const auto& row : WorldCupHostCities)
        for (const char* city : row)
            EXPECT_NE(std::string(city), "");
}

TEST(Positions, NamesColoursAndTraits)
{
    EXPECT_STREQ(PositionNames[0], "Goleiro");
    EXPECT_STREQ(PositionNames[3], "Meio Campo");
    EXPECT_STREQ(PositionNames[4], "Atacante");
    // Stored as the screens' colour values, 00BBGGRR.
    EXPECT_EQ(PositionColors[0], 0xFFFFFF);
    EXPECT_EQ(PositionColors[1], 0xFF9E3E);
    EXPECT_EQ(PositionColors[2], 0x68E9FB);
    EXPECT_EQ(PositionColors[3], 0xC0DCC0);
    EXPECT_EQ(PositionColors[4], 0x6F6FFF);

    EXPECT_STREQ(TraitNames[0], "Colocação");
    EXPECT_STREQ(TraitNames[3], "Saída gol");
    EXPECT_STREQ(TraitNames[13], "Velocidade");
    EXPECT_STREQ(TraitAbbreviations[1], "Def");
    EXPECT_STREQ(TraitAbbreviations[9], "Fin");
    // Each abbreviation is the first three letters of its trait, but for "Saída gol".
    for (int t = 0; t < TraitCount; ++t) {
        if (t == 3)
            continue;
        EXPECT_EQ(std::string(TraitNames[t]).substr(0, 3), TraitAbbreviations[t]) << t;
    }
    EXPECT_STREQ(TraitAbbreviations[3], "Sai");
}

TEST(Positions, RoleNamesByPositionAndRole)
{
    EXPECT_STREQ(RoleNames[1][2], "Ala");  // a full back with role 2
    EXPECT_STREQ(RoleNames[2][1], "Líbero");
    EXPECT_STREQ(RoleNames[4][2], "Pela ponta");
    EXPECT_STREQ(RoleNames[0][3], "Normal");
    EXPECT_STREQ(PlayerRoleNames[3][0], "Volante");
    for (int p = 0; p < PositionCount; ++p)
        EXPECT_STREQ(RoleNames[p][4], "") << p;
    for (int p = 1; p < PositionCount; ++p)
        EXPECT_STREQ(RoleNames[p][3], "n/a") << p;

    EXPECT_STREQ(PositionTraitNames[0][0], "Elástico");
    EXPECT_STREQ(PositionTraitNames[3][4], "Parrudo");
    EXPECT_STREQ(PositionTraitNames[4][3], "Pesadão");
    for (int p = 0; p < PositionCount; ++p)
        EXPECT_STREQ(PositionTraitNames[p][5], "") << p;
}

TEST(TacticsBoard, FormationsPlaceElevenDistinctSlotsGoalkeeperFirst)
{
    EXPECT_EQ(FormationSlots.size(), 10);
    EXPECT_STREQ(FormationNames[1], "5-4-1");
    EXPECT_STREQ(FormationNames[10], "3-4-3");
    for (int f = 1; f <= FormationCount; ++f) {
        const FormationPlaces& places = FormationSlots[f];
        EXPECT_EQ(places[1], 1) << f;
        std::set<int> distinct(places.begin(), places.end());
        EXPECT_EQ(distinct.size(), 11u) << f;
        // The name counts the outfield places in defence, midfield and attack.
        int lines[3] = {0, 0, 0};
        for (int p = 2; p <= 11; ++p) {
            const int s = places[p];
            ASSERT_TRUE(s >= 2 && s <= PitchSlotCount) << f;
            ++lines[s <= 9 ? 0 : s <= 17 ? 1 : 2];
        }
        EXPECT_EQ(std::to_string(lines[0]) + "-" + std::to_string(lines[1]) + "-" + std::to_string(lines[2]),
                  FormationNames[f])
            << f;
    }
}

TEST(TacticsBoard, TheThreeFourFourTwosDiffer)
{
    EXPECT_STREQ(FormationNames[4], "4-4-2");
    EXPECT_STREQ(FormationNames[5], "4-4-2");
    EXPECT_STREQ(FormationNames[6], "4-4-2");
    EXPECT_NE(FormationSlots[4].items, FormationSlots[5].items);
    EXPECT_NE(FormationSlots[5].items, FormationSlots[6].items);
    EXPECT_NE(FormationSlots[4].items, FormationSlots[6].items);
    EXPECT_EQ(FormationSlots[5][2], 19);
}

TEST(TacticsBoard, PitchSlotsAgreeWithTheirLines)
{
    EXPECT_STREQ(PitchSlotLetters[1], "G");
    EXPECT_EQ(PitchSlotX[1], 165);
    EXPECT_EQ(PitchSlotY[1], 535);
    EXPECT_EQ(PitchSlotX[25], 305);
    EXPECT_EQ(PitchSlotY[25], 100);
    EXPECT_EQ(PitchSlotY[22], 60);
    EXPECT_EQ(PitchSlotCodes[5], 6);
    EXPECT_EQ(PitchSlotCodes[25], 1);
    EXPECT_EQ(PitchSlotRoles[10].position, 1);
    EXPECT_EQ(PitchSlotRoles[10].side, 1);
    EXPECT_EQ(PitchSlotRoles[10].role, 1);
    EXPECT_EQ(PitchSlotRoles[25].role, 2);
    for (int s = 1; s <= PitchSlotCount; ++s) {
        const std::string letter = PitchSlotLetters[s];
        const char* line = s == 1 ? "G" : (s == 2 || s == 9) ? "L" : s <= 9 ? "Z" : s <= 17 ? "M" : "A";
        EXPECT_EQ(letter, line) << s;
        // The slot counts as the position its letter names, but for the two wide midfield slots,
        // which count as full backs.
        const bool wideMidfield = s == 10 || s == 17;
        const int letterPosition = static_cast<int>(std::string("GLZMA").find(letter));
        EXPECT_EQ(PitchSlotRoles[s].position, wideMidfield ? 1 : letterPosition) << s;
        EXPECT_GE(PitchSlotCodes[s], -1);
    }
}

TEST(TacticsBoard, BenchPlacesAndTacticNames)
{
    EXPECT_EQ(BenchSlotY[0], 56);
    EXPECT_EQ(BenchSlotY[6], 430);
    const int positions[] = {0, 1, 2, 3, 3, 4, 4};
    for (int k = 1; k <= BenchSlotCount; ++k) {
        EXPECT_EQ(BenchSlotRoles[k].position, positions[k - 1]);
        EXPECT_EQ(BenchSlotRoles[k].side, -1);
        EXPECT_EQ(BenchSlotRoles[k].role, 12);
    }
    EXPECT_STREQ(TacticNames[0], "Jogo equilibrado");
    EXPECT_STREQ(TacticNames[3 + 1], "Pelas laterais");
    EXPECT_STREQ(TacticNames[5], "");
    EXPECT_STREQ(TacticNames[6 + 2], "Muito Pesada");
    EXPECT_EQ(DesignScreenWidth, 800);
}
