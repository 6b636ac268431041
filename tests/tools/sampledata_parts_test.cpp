// The pieces of the sample database generator: its random streams, invented names, level and
// state plans, squads, national squads, pictures and wave files.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>

#include <algorithm>
#include <map>
#include <set>

#include "core/basics/color.h"
#include "core/basics/cp1252.h"
#include "core/persist/club_file.h"
#include "tools/sampledata/club_catalogue.h"
#include "tools/sampledata/crest_art.h"
#include "tools/sampledata/database_plan.h"
#include "tools/sampledata/image.h"
#include "tools/sampledata/name_regions.h"
#include "tools/sampledata/name_tables.h"
#include "tools/sampledata/national_squads.h"
#include "tools/sampledata/sample_random.h"
#include "tools/sampledata/squad_maker.h"
#include "tools/sampledata/wave_sounds.h"

using namespace tarvelon;
using namespace tarvelon::sampledata;

namespace {

// A club pattern's name for a town ("{T}" replaced; a founding year, where there is one, left).
std::string Replace(const std::string& pattern, const std::string& town)
{
    std::string name = pattern;
    const std::size_t at = name.find("{T}");
    return at == std::string::npos ? name : name.replace(at, 3, town);
}

QImage Decode(const std::string& bytes, const char* format)
{
    return QImage::fromData(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), format);
}

// The contrast of a name with its background: black on white is the most there is, a colour on
// itself none; a pair below the least contrast gets the black or white that reads best.
TEST(SampleColours, ContrastAndTheLegibleTextColour)
{
    const int white = RgbColor(255, 255, 255), black = RgbColor(0, 0, 0);
    EXPECT_NEAR(ContrastRatio(black, white), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(white, black), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(RgbColor(100, 40, 140), RgbColor(100, 40, 140)), 1.0, 1e-9);
    const int orange = RgbColor(240, 120, 0), grey = RgbColor(130, 130, 130), maroon = RgbColor(128, 0, 32);
    EXPECT_LT(ContrastRatio(orange, white), kMinTextContrast);
    EXPECT_EQ(LegibleTextColour(orange, white), black);
    EXPECT_EQ(LegibleTextColour(maroon, RgbColor(100, 40, 140)), white);  // lilac on maroon
    EXPECT_EQ(LegibleTextColour(black, RgbColor(80, 80, 80)), white);     // dark grey on black
    EXPECT_EQ(LegibleTextColour(grey, white), black);
    EXPECT_EQ(LegibleTextColour(RgbColor(0, 60, 170), white), white);    // a pair that reads stays
}

TEST(SampleRandom, StreamsRepeatAndForksStandApart)
{
    SampleRandom a(42), b(42);
    for (int i = 0; i < 100; ++i) {
        const int drawn = a.Below(7);
        EXPECT_EQ(drawn, b.Below(7));
        EXPECT_GE(drawn, 0);
        EXPECT_LT(drawn, 7);
    }
    EXPECT_EQ(a.Below(0), 0);
    // A fork depends on the stream's state and the name, and does not advance the stream.
    const SampleRandom root(9);
    SampleRandom first = root.Fork("club", 1);
    SampleRandom again = root.Fork("club", 1);
    SampleRandom other = root.Fork("club", 2);
    const auto x = first.Next();
    EXPECT_EQ(x, again.Next());
    EXPECT_NE(x, other.Next());
    EXPECT_NE(x, root.Fork("clubs", 1).Next());
    std::map<int, int> counts;
    SampleRandom spread(3);
    for (int i = 0; i < 6000; ++i) {
        ++counts[spread.Between(1, 6)];
    }
    EXPECT_EQ(counts.size(), 6u);
    for (const auto& [value, count] : counts) {
        EXPECT_GT(count, 850) << value;
    }
}

TEST(SampleNames, EveryRegionWritesCp1252NamesWithinTheirFields)
{
    for (int r = 0; r < kNameRegionCount; ++r) {
        const auto region = static_cast<NameRegion>(r);
        SampleRandom random(static_cast<std::uint64_t>(r));
        for (int i = 0; i < 300; ++i) {
            for (const std::string& name : {MakePersonName(region, random, 20), MakeTownName(region, random)}) {
                EXPECT_FALSE(name.empty());
                EXPECT_EQ(Cp1252ToUtf8(Utf8ToCp1252(name)), name) << name;  // nothing lost on the way to the file
            }
            EXPECT_LE(Utf8Length(MakePersonName(region, random, 20)), 20u);
            const std::string town = MakeTownName(region, random);
            EXPECT_LE(Utf8Length(town), 12u);
            const ClubNames club = MakeClubNames(region, town, random);
            EXPECT_LE(Utf8Length(club.shortName), 25u);
            EXPECT_LE(Utf8Length(club.fullName), 25u);
            EXPECT_LE(Utf8Length(club.stadium), 30u);
            EXPECT_NE(club.shortName.find(town), std::string::npos) << club.shortName;
            EXPECT_EQ(club.fullName.find('{'), std::string::npos) << club.fullName;
        }
    }
    EXPECT_EQ(NameRegionOfCountry(29), NameRegion::Portuguese);
    EXPECT_EQ(NameRegionOfCountry(11), NameRegion::Spanish);
    EXPECT_EQ(NameRegionOfCountry(107), NameRegion::Japanese);
    EXPECT_EQ(NameRegionOfCountry(200), NameRegion::English);  // no style of its own
}

// Portugal plays in the European cups: its towns and clubs are not of the Brazilian kind, so that
// no Portuguese club reads as a Brazilian one there.
TEST(SampleNames, PortugalsClubsAreNotNamedInBrazilsStyle)
{
    const RegionTables& brazil = TablesOf(NameRegionOfCountry(29));
    const RegionTables& portugal = TablesOf(NameRegionOfCountry(154));
    ASSERT_NE(NameRegionOfCountry(154), NameRegionOfCountry(29));
    SampleRandom random(154);
    for (int i = 0; i < 200; ++i) {
        const std::string town = MakeTownName(NameRegionOfCountry(154), random);
        for (const char* start : brazil.townStarts)
            EXPECT_NE(town.rfind(start, 0), 0u) << town;
        const ClubNames club = MakeClubNames(NameRegionOfCountry(154), town, random);
        for (const ClubPattern& pattern : brazil.clubs)
            EXPECT_NE(club.fullName, Replace(pattern.full, town)) << club.fullName;
    }
    EXPECT_EQ(portugal.givenStarts, brazil.givenStarts);  // the people are named alike
}

TEST(SampleNames, FileNamesAreFoldedSlugs)
{
    EXPECT_EQ(FileNameOf("Ipêmar São Çaetano"), "ipemar_sao_caetano");
    EXPECT_EQ(FileNameOf("SV Grünbrück 1904"), "sv_grunbruck_1904");
    EXPECT_EQ(FileNameOf("  AS  Pol. Lago  "), "as_pol_lago");
    EXPECT_EQ(FileNameOf("Associação Atlética Itaquaratinga"), "associacao_atletica_itaqu");
    EXPECT_EQ(FileNameOf("!!!"), "clube");
}

TEST(SamplePlan, LevelsDropStrictlyAtTheQuotaAndTheDivisionLimits)
{
    for (const CountryPlan& plan : PlanCountries()) {
        SampleRandom random(static_cast<std::uint64_t>(plan.country));
        const std::vector<int> levels = PlanClubLevels(plan, random);
        ASSERT_EQ(static_cast<int>(levels.size()), plan.clubCount);
        EXPECT_TRUE(std::is_sorted(levels.rbegin(), levels.rend()));
        EXPECT_GE(levels.front(), plan.topLevel);  // the best club at the country's strength or one above
        EXPECT_LE(levels.front(), std::min(25, plan.topLevel + 1));
        EXPECT_GE(levels.back(), 1);
        EXPECT_GT(levels[static_cast<std::size_t>(plan.quota) - 1], levels[static_cast<std::size_t>(plan.quota)]);
        for (std::size_t limit = 10; plan.clubCount >= 22 && limit <= 80 && limit < levels.size(); limit += 10) {
            EXPECT_GT(levels[limit - 1], levels[limit]) << plan.country << " at " << limit;
        }
    }
    EXPECT_EQ(ExtraClubQuotaOfCountry(29), 14);
    EXPECT_EQ(ExtraClubQuotaOfCountry(131), 12);
    EXPECT_EQ(ExtraClubQuotaOfCountry(104), 10);
    EXPECT_EQ(ExtraClubQuotaOfCountry(157), 10);
    EXPECT_EQ(ExtraClubQuotaOfCountry(50), 0);
}

TEST(SamplePlan, BrazilsStatesHoldTheirCountsAndTheBigOnesTheBestClubs)
{
    SampleRandom random(5);
    const std::vector<int> states = PlanBrazilStates(random);
    std::array<int, 27> counts{};
    int saoPauloInLeague = 0;
    for (std::size_t place = 0; place < states.size(); ++place) {
        ++counts[static_cast<std::size_t>(states[place])];
        saoPauloInLeague += place < 80 && states[place] == 25;
    }
    EXPECT_EQ(counts, kBrazilClubsPerState);
    // São Paulo holds 30 of the 282 clubs, but pulls harder on the first places.
    EXPECT_GT(saoPauloInLeague, 80 * 30 / 282 + 3);
}

TEST(SampleSquads, ImportsTakeTheReserveKeeperAndOutfieldPlaces)
{
    SampleRandom random(11);
    const TClubSquad squad = MakeClubSquad({97, 20, {{true, 75}, {false, 75}, {false, 100}, {false, 100}}}, random);
    std::map<int, int> keepersBy, othersBy;
    for (int slot = 0; slot < kClubSquadSlots; ++slot) {
        if (!IsFreeSlot(squad.names[slot])) {
            ++(squad.position[slot] == 0 ? keepersBy : othersBy)[squad.country[slot]];
            if (squad.position[slot] == 0 && squad.status[slot]) {
                EXPECT_EQ(squad.country[slot], 97);  // the starting keeper stays English
            }
        }
    }
    EXPECT_EQ(keepersBy[75], 1);
    EXPECT_EQ(othersBy[75], 1);
    EXPECT_EQ(othersBy[100], 2);
    EXPECT_GE(keepersBy[97], 1);
    EXPECT_TRUE(IsClubSquadPlayable(squad));
    // A strong club has stars among its starters, a weak one few or none.
    int stars = 0;
    for (int slot = 0; slot < kClubSquadSlots; ++slot) {
        stars += squad.star[slot];
        EXPECT_TRUE(!squad.star[slot] || squad.status[slot]);
    }
    EXPECT_EQ(stars, 2);
}

TEST(SampleSquads, TraitsSuitThePosition)
{
    SampleRandom random(2);
    for (int i = 0; i < 200; ++i) {
        const int position = i % 5;
        const auto [first, second] = DrawTraits(position, random);
        EXPECT_NE(first, second);
        for (const int trait : {first, second}) {
            EXPECT_EQ(trait <= 3, position == 0);
            EXPECT_LE(trait, 13);
            EXPECT_GE(trait, 0);
        }
    }
}

TEST(SampleNationalSquads, ACountryWithoutClubPlayersGetsAnInventedSquad)
{
    const TNationalSquad squad = MakeNationalSquad(48, {}, SampleRandom(1));
    EXPECT_EQ(squad.country, 48);
    EXPECT_EQ(squad.symbolName.str(), "bandeira48");
    EXPECT_EQ(squad.formatValue, kDatabaseFormatValue);
    EXPECT_EQ(squad.playable, 1);
    EXPECT_EQ(squad.playerCount, kNationalGoalkeepers + kNationalOutfield);
    int keepers = 0, starters = 0;
    for (int slot = 0; slot < squad.playerCount; ++slot) {
        keepers += squad.position[slot] == 0;
        starters += squad.status[slot];
    }
    EXPECT_EQ(keepers, kNationalGoalkeepers);
    EXPECT_EQ(starters, 11);
    EXPECT_TRUE(IsFreeSlot(squad.names[squad.playerCount]));
    EXPECT_FALSE(squad.coach.empty());
    EXPECT_NE(squad.backColor, squad.textColor);
}

TEST(SampleNationalSquads, TheBestClubPlayersOfTheNationAreCalledUp)
{
    SampleClub strong, weak;
    strong.file.header.level = 20;
    weak.file.header.level = 5;
    SampleRandom random(4);
    strong.file.squad = MakeClubSquad({154, 20, {}}, random);
    weak.file.squad = MakeClubSquad({154, 5, {}}, random);
    const TNationalSquad squad = MakeNationalSquad(154, {weak, strong}, SampleRandom(2));
    // The strong club's starting keeper is the national team's first keeper.
    int strongKeeper = 0;
    while (!(strong.file.squad.position[strongKeeper] == 0 && strong.file.squad.status[strongKeeper])) {
        ++strongKeeper;
    }
    EXPECT_EQ(squad.names[0].str(), strong.file.squad.names[strongKeeper].str());
    EXPECT_EQ(squad.status[0], 1);
    EXPECT_TRUE(IsNationalSquadPlayable(squad));
}

TEST(SamplePictures, CrestIsAShieldInTheClubColours)
{
    const CrestDesign design{0x0000FF /* red */, 0xFFFFFF, 0, 'T'};
    const Image crest = DrawCrest(design, kCrestWidth, kCrestHeight);
    EXPECT_EQ(crest.at(0, 0).a, 0);
    EXPECT_EQ(crest.at(kCrestWidth - 1, kCrestHeight - 1).a, 0);
    const Rgba field = crest.at(20, 60);  // plain pattern: the background colour
    EXPECT_EQ(field.r, 255);
    EXPECT_EQ(field.g, 0);
    EXPECT_EQ(field.a, 255);
    const QImage png = Decode(EncodePng(crest, true), "PNG");
    ASSERT_EQ(png.size(), QSize(kCrestWidth, kCrestHeight));
    EXPECT_EQ(png.pixelColor(20, 60), QColor(255, 0, 0));
    // The initial's top bar, in the text colour, crosses the middle of the disc's upper half.
    int white = 0;
    for (int x = 26; x < 46; ++x) {
        white += png.pixelColor(x, 29) == QColor(255, 255, 255);
    }
    EXPECT_GE(white, 8);
}

TEST(SamplePictures, BitmapRowsArePaddedAndTransparencyLaidOnTheBackground)
{
    Image image(18, 18);
    image.at(0, 0) = {10, 20, 30, 255};
    image.at(17, 17) = {0, 0, 0, 0};
    const std::string bmp = EncodeBmp(image, {200, 100, 50, 255});
    EXPECT_EQ(bmp.size(), 54u + 56u * 18u);  // 18 pixels of 3 bytes padded to 56
    const QImage decoded = Decode(bmp, "BMP");
    ASSERT_EQ(decoded.size(), QSize(18, 18));
    EXPECT_EQ(decoded.pixelColor(0, 0), QColor(10, 20, 30));
    EXPECT_EQ(decoded.pixelColor(17, 17), QColor(200, 100, 50));
    const QImage jpeg = Decode(EncodeJpeg(image, 90), "JPEG");
    EXPECT_EQ(jpeg.size(), QSize(18, 18));
}

TEST(SampleSounds, WaveHeaderAndSamples)
{
    const std::string wave = EncodeWave({0.0, 0.5, -1.0, 0.25});
    ASSERT_EQ(wave.size(), 44u + 8u);
    EXPECT_EQ(wave.substr(0, 4), "RIFF");
    EXPECT_EQ(wave.substr(8, 8), "WAVEfmt ");
    const auto sample = [&](int i) {
        return static_cast<std::int16_t>(static_cast<unsigned char>(wave[44 + 2 * i]) |
                                         (static_cast<unsigned char>(wave[45 + 2 * i]) << 8));
    };
    EXPECT_EQ(sample(0), 0);
    EXPECT_EQ(sample(2), -27852);  // the loudest sample at 85 % of full scale
    EXPECT_EQ(sample(1), 13926);
    const std::vector<WaveFile> sounds = MakeGameSounds(SampleRandom(3));
    ASSERT_EQ(sounds.size(), 7u);
    EXPECT_EQ(sounds[0].path, "sons/gol1.wav");
    EXPECT_EQ(sounds[6].path, "sons/expulsao.wav");
    EXPECT_EQ(MakeGameSounds(SampleRandom(3))[2].bytes, sounds[2].bytes);
}

}  // namespace
