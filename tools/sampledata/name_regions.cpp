#include "tools/sampledata/name_regions.h"

#include <map>

#include "core/basics/cp1252.h"
#include "tools/sampledata/name_tables.h"

namespace tarvelon::sampledata {

namespace {

using R = NameRegion;

const std::map<int, NameRegion> kCountryRegions = {
    {29, R::Portuguese}, {154, R::PortugalPortuguese}, {5, R::Portuguese}, {133, R::Portuguese}, {35, R::Portuguese},
    {65, R::Spanish}, {11, R::Spanish}, {195, R::Spanish}, {150, R::Spanish}, {46, R::Spanish}, {42, R::Spanish},
    {60, R::Spanish}, {26, R::Spanish}, {151, R::Spanish}, {198, R::Spanish}, {131, R::Spanish}, {51, R::Spanish},
    {86, R::Spanish}, {79, R::Spanish}, {58, R::Spanish}, {147, R::Spanish}, {139, R::Spanish}, {53, R::Spanish},
    {158, R::Spanish},
    {104, R::Italian}, {164, R::Italian},
    {97, R::English}, {68, R::English}, {38, R::English}, {62, R::English}, {100, R::English}, {101, R::English},
    {145, R::English}, {14, R::English}, {143, R::English}, {106, R::English},
    {3, R::German}, {15, R::German}, {180, R::German}, {118, R::German},
    {72, R::French}, {21, R::French}, {50, R::French}, {36, R::French}, {169, R::French}, {135, R::French},
    {120, R::French},
    {85, R::Dutch},
    {179, R::Nordic}, {142, R::Nordic}, {54, R::Nordic}, {70, R::Nordic}, {102, R::Nordic},
    {162, R::Slavic}, {193, R::Slavic}, {159, R::Slavic}, {152, R::Slavic}, {171, R::Slavic}, {52, R::Slavic},
    {27, R::Slavic}, {63, R::Slavic}, {64, R::Slavic}, {31, R::Slavic}, {105, R::Slavic}, {122, R::Slavic},
    {25, R::Slavic}, {76, R::Slavic},
    {78, R::Greek}, {44, R::Greek},
    {192, R::Turkish},
    {160, R::Romanian}, {134, R::Romanian},
    {88, R::Hungarian},
    {9, R::Arabic}, {57, R::Arabic}, {129, R::Arabic}, {190, R::Arabic}, {10, R::Arabic}, {39, R::Arabic},
    {59, R::Arabic}, {99, R::Arabic}, {108, R::Arabic}, {111, R::Arabic}, {18, R::Arabic}, {144, R::Arabic},
    {174, R::Arabic}, {115, R::Arabic}, {116, R::Arabic},
    {98, R::Persian},
    {107, R::Japanese},
    {49, R::Korean}, {48, R::Korean},
    {43, R::Chinese},
    {1, R::African}, {141, R::African}, {75, R::African}, {157, R::African}, {47, R::African},
};

std::string Replace(std::string text, const std::string& key, const std::string& value)
{
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size())) {
        text.replace(at, key.size(), value);
    }
    return text;
}

bool IsPlainVowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }

// Whether a UTF-8 text starts with a vowel, accented or not.
bool StartsWithVowel(std::string_view text)
{
    if (text.empty()) {
        return false;
    }
    if (IsPlainVowel(text[0])) {
        return true;
    }
    if (text.size() < 2 || static_cast<unsigned char>(text[0]) != 0xC3) {
        return false;
    }
    const auto second = static_cast<unsigned char>(text[1]);
    return (second >= 0xA0 && second <= 0xA6) || (second >= 0xA8 && second <= 0xAF) ||
           (second >= 0xB2 && second <= 0xB6) || (second >= 0xB9 && second <= 0xBC);
}

// Joins two syllables; where a vowel would meet a vowel, the first one's last vowel gives way
// ("Ta" + "ão" is "Tão").
std::string Join(std::string first, std::string_view second)
{
    if (first.size() > 1 && IsPlainVowel(first.back()) && StartsWithVowel(second)) {
        first.pop_back();
    }
    return first.append(second);
}

std::string GivenName(const RegionTables& tables, SampleRandom& random)
{
    const std::string start = random.Pick(tables.givenStarts);
    const std::string_view end = random.Pick(tables.givenEnds);
    return *tables.givenJoin ? start + tables.givenJoin + std::string(end) : Join(start, end);
}

bool Fits(const std::string& utf8, std::size_t maxLength) { return Utf8Length(utf8) <= maxLength; }

}  // namespace

NameRegion NameRegionOfCountry(int country)
{
    const auto found = kCountryRegions.find(country);
    return found == kCountryRegions.end() ? NameRegion::English : found->second;
}

std::string MakeSurname(NameRegion region, SampleRandom& random)
{
    const RegionTables& tables = TablesOf(region);
    std::string prefix = tables.surnamePrefixes.empty() ? "" : random.Pick(tables.surnamePrefixes);
    // Each name's parts are drawn last part first, the order the generator has always taken them in,
    // so that a seed keeps its database.
    const std::string_view middle = random.Pick(tables.surnameMiddles);
    const std::string stem = Join(random.Pick(tables.surnameStarts), middle);
    return prefix + Join(stem, random.Pick(tables.surnameEnds));
}

std::string MakePersonName(NameRegion region, SampleRandom& random, std::size_t maxLength)
{
    const RegionTables& tables = TablesOf(region);
    if (!tables.nicknameEnds.empty() && random.Percent(35)) {
        const std::string_view nickname = random.Pick(tables.nicknameEnds);
        return Join(random.Pick(tables.givenStarts), nickname);
    }
    const std::string given = GivenName(tables, random);
    const std::string surname = MakeSurname(region, random);
    const std::string full = given + " " + surname;
    if (Fits(full, maxLength)) {
        return full;
    }
    const std::string initial = given.substr(0, 1) + ". " + surname;
    return Fits(initial, maxLength) ? initial : surname.substr(0, maxLength);
}

std::string MakeTownName(NameRegion region, SampleRandom& random)
{
    const RegionTables& tables = TablesOf(region);
    std::string town;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const std::string_view end = random.Pick(tables.townEnds);
        town = Join(random.Pick(tables.townStarts), end);
        if (Fits(town, 12)) {
            return town;
        }
    }
    return random.Pick(tables.townStarts);
}

ClubNames MakeClubNames(NameRegion region, const std::string& town, SampleRandom& random)
{
    const RegionTables& tables = TablesOf(region);
    const std::string year = std::to_string(1880 + random.Below(45));
    ClubNames names{town, town, town, ""};
    const int count = static_cast<int>(tables.clubs.size());
    const int first = random.Below(count);
    for (int i = 0; i < count; ++i) {
        const ClubPattern& pattern = tables.clubs[static_cast<std::size_t>((first + i) % count)];
        const std::string full = Replace(Replace(pattern.full, "{T}", town), "{Y}", year);
        const std::string shortName = Replace(pattern.shortName, "{T}", town);
        if (Fits(full, 25) && Fits(shortName, 25)) {
            names.fullName = full;
            names.shortName = shortName;
            break;
        }
    }
    const std::string surname = MakeSurname(region, random);
    const std::string stadium = Replace(Replace(random.Pick(tables.stadiums), "{T}", town), "{S}", surname);
    names.stadium = Fits(stadium, 30) ? stadium : town;
    return names;
}

}  // namespace tarvelon::sampledata
