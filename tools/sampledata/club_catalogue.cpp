#include "tools/sampledata/club_catalogue.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <set>

#include "core/basics/color.h"
#include "core/basics/cp1252.h"
#include "tools/sampledata/crest_art.h"
#include "tools/sampledata/database_plan.h"
#include "tools/sampledata/name_regions.h"
#include "tools/sampledata/squad_maker.h"

namespace tarvelon::sampledata {

namespace {

const std::vector<TColor> kClubPalette = {
    RgbColor(255, 255, 255), RgbColor(20, 20, 20),   RgbColor(200, 16, 32),  RgbColor(128, 0, 32),
    RgbColor(0, 60, 170),    RgbColor(10, 30, 90),   RgbColor(110, 170, 230), RgbColor(0, 130, 60),
    RgbColor(0, 80, 40),     RgbColor(250, 210, 0),  RgbColor(210, 160, 40), RgbColor(240, 120, 0),
    RgbColor(100, 40, 140),  RgbColor(110, 20, 40),  RgbColor(130, 130, 130),
};

// Countries whose players the best clubs abroad like to sign.
const std::vector<int> kExportingCountries = {29, 11, 195, 46, 154, 72, 141, 65, 85, 171, 52, 60, 42};

// Imports a club can still take: one goalkeeper and three outfield players.
struct ImportRoom {
    std::vector<Import> imports;
    bool CanTake(bool goalkeeper) const
    {
        const auto taken = std::count_if(imports.begin(), imports.end(),
                                         [&](const Import& i) { return i.goalkeeper == goalkeeper; });
        return taken < (goalkeeper ? 1 : 3);
    }
};

using ClubKey = std::pair<int, int>;  // country, place

// The players of the countries without clubs go to the best clubs (those every new game takes) of
// their host countries, one host after the other.
void PlaceDiasporas(std::map<ClubKey, ImportRoom>& rooms)
{
    for (const Diaspora& diaspora : kDiasporas) {
        std::vector<ClubKey> hostClubs;
        for (int place = 0; place < 10; ++place) {
            for (const int host : diaspora.hosts) {
                if (place < ExtraClubQuotaOfCountry(host)) {
                    hostClubs.push_back({host, place});
                }
            }
        }
        std::size_t cursor = 0;
        constexpr int kGoalkeepers = 3;
        constexpr int kOutfield = 24;
        for (int player = 0; player < kGoalkeepers + kOutfield; ++player) {
            const bool goalkeeper = player < kGoalkeepers;
            for (std::size_t tried = 0; tried < hostClubs.size(); ++tried) {
                ImportRoom& room = rooms[hostClubs[cursor++ % hostClubs.size()]];
                if (room.CanTake(goalkeeper)) {
                    room.imports.push_back({goalkeeper, diaspora.country});
                    break;
                }
            }
        }
    }
}

void AddFlavourImports(ImportRoom& room, int country, int level, SampleRandom& random)
{
    if (level < 18) {
        return;
    }
    for (int count = random.Below(3); count > 0 && room.CanTake(false); --count) {
        int nationality = random.Pick(kExportingCountries);
        if (nationality != country) {
            room.imports.push_back({false, nationality});
        }
    }
}

std::string UniqueFileName(const std::string& shortName, std::set<std::string>& used)
{
    const std::string base = FileNameOf(shortName);
    std::string name = base;
    for (int suffix = 2; used.count(name) > 0; ++suffix) {
        std::string tail = "_";
        tail += std::to_string(suffix);
        name = base.substr(0, 25 - tail.size()) + tail;
    }
    used.insert(name);
    return name;
}

struct NameBook {
    std::set<std::string> shortNames;  // folded, so that names differing only by case or accent clash
    std::set<std::string> fileNames;
};

ClubNames DrawUniqueClubNames(NameRegion region, SampleRandom& random, NameBook& book)
{
    ClubNames names;
    for (int attempt = 0; attempt < 50; ++attempt) {
        names = MakeClubNames(region, MakeTownName(region, random), random);
        if (book.shortNames.insert(FileNameOf(names.shortName)).second) {
            return names;
        }
    }
    // A crowded region: number the town.
    names.shortName += ' ';
    names.shortName += std::to_string(book.shortNames.size());
    book.shortNames.insert(FileNameOf(names.shortName));
    return names;
}

SampleClub MakeClub(int country, int place, int level, int state, const std::vector<Import>& imports,
                    SampleRandom random, NameBook& book)
{
    const NameRegion region = NameRegionOfCountry(country);
    const ClubNames names = DrawUniqueClubNames(region, random, book);
    SampleClub club;
    club.placeInCountry = place;
    club.crestPattern = random.Below(kCrestPatternCount);
    club.initial = static_cast<char>(std::toupper(static_cast<unsigned char>(FileNameOf(names.town)[0])));
    TClubHeader& header = club.file.header;
    header.country = static_cast<std::uint8_t>(country);
    header.level = static_cast<std::uint8_t>(level);
    header.shortName.set(names.shortName);
    header.fullName.set(names.fullName);
    header.stadium.set(names.stadium);
    const std::string fileName = UniqueFileName(names.shortName, book.fileNames);
    header.fileName.set(fileName);
    header.crestName.set(fileName);
    header.coachName.set(MakePersonName(region, random, 25));
    const auto [back, text] = DrawClubColours(random);
    header.backColor = back;
    header.textColor = text;
    header.state = static_cast<std::uint8_t>(state);
    club.file.squad = MakeClubSquad({country, level, imports}, random);
    StampClubFileForSave(club.file);
    return club;
}

char FoldLetter(unsigned char c)
{
    // CP1252 0xC0..0xFF without accents.
    static const char* const kFolded = "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYTsaaaaaaaceeeeiiiidnooooo/ouuuuyty";
    if (c >= 0xC0) {
        return kFolded[c - 0xC0];
    }
    switch (c) {
    case 0x8A: case 0x9A: return 's';
    case 0x8E: case 0x9E: return 'z';
    default: return static_cast<char>(c);
    }
}

}  // namespace

int Brightness(int color) { return (RedOf(color) * 299 + GreenOf(color) * 587 + BlueOf(color) * 114) / 1000; }

namespace {

double RelativeLuminance(int color)
{
    const auto channel = [](int value) {
        const double v = value / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(RedOf(color)) + 0.7152 * channel(GreenOf(color)) + 0.0722 * channel(BlueOf(color));
}

}  // namespace

double ContrastRatio(int a, int b)
{
    const double first = RelativeLuminance(a);
    const double second = RelativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

int LegibleTextColour(int back, int text)
{
    if (ContrastRatio(back, text) >= kMinTextContrast)
        return text;
    const int white = RgbColor(255, 255, 255);
    const int black = RgbColor(0, 0, 0);
    return ContrastRatio(back, white) >= ContrastRatio(back, black) ? white : black;
}

// The draws are the same whatever the contrast rule (the rest of the database depends on them);
// only the text colour they end on is made legible.
std::pair<int, int> DrawClubColours(SampleRandom& random)
{
    const TColor back = random.Pick(kClubPalette);
    for (int attempt = 0; attempt < 12; ++attempt) {
        const TColor text = random.Pick(kClubPalette);
        if (std::abs(Brightness(text) - Brightness(back)) >= 110) {
            return {back, LegibleTextColour(back, text)};
        }
    }
    return {back, LegibleTextColour(back, Brightness(back) > 128 ? RgbColor(20, 20, 20) : RgbColor(255, 255, 255))};
}

std::string FileNameOf(const std::string& utf8Name)
{
    std::string name;
    for (const char raw : Utf8ToCp1252(utf8Name)) {
        const char c = FoldLetter(static_cast<unsigned char>(raw));
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-') {
            name += c;
        } else if (c >= 'A' && c <= 'Z') {
            name += static_cast<char>(c - 'A' + 'a');
        } else if ((c == ' ' || c == '_') && !name.empty() && name.back() != '_') {
            name += '_';
        }
    }
    while (!name.empty() && name.back() == '_') {
        name.pop_back();
    }
    return name.empty() ? "clube" : name.substr(0, 25);
}

std::vector<SampleClub> MakeSampleClubs(const SampleRandom& random)
{
    const std::vector<CountryPlan> plans = PlanCountries();
    std::map<int, std::vector<int>> levels;
    std::map<ClubKey, ImportRoom> rooms;
    PlaceDiasporas(rooms);
    for (const CountryPlan& plan : plans) {
        SampleRandom levelRandom = random.Fork("levels", static_cast<std::uint64_t>(plan.country));
        levels[plan.country] = PlanClubLevels(plan, levelRandom);
        SampleRandom importRandom = random.Fork("imports", static_cast<std::uint64_t>(plan.country));
        for (int place = 0; place < plan.clubCount; ++place) {
            AddFlavourImports(rooms[{plan.country, place}], plan.country, levels[plan.country][place], importRandom);
        }
    }
    SampleRandom stateRandom = random.Fork("states");
    const std::vector<int> brazilStates = PlanBrazilStates(stateRandom);

    std::vector<SampleClub> clubs;
    NameBook book;
    for (const CountryPlan& plan : plans) {
        for (int place = 0; place < plan.clubCount; ++place) {
            const int state = plan.country == 29 ? brazilStates[static_cast<std::size_t>(place)] : 0;
            const std::uint64_t key = static_cast<std::uint64_t>(plan.country) * 1000 + static_cast<std::uint64_t>(place);
            clubs.push_back(MakeClub(plan.country, place, levels[plan.country][static_cast<std::size_t>(place)], state,
                                     rooms[{plan.country, place}].imports, random.Fork("club", key), book));
        }
    }
    return clubs;
}

}  // namespace tarvelon::sampledata
