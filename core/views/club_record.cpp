// A club's history season by season, as the club record screen shows it.
#include "core/views/club_record.h"

#include <algorithm>
#include <array>

#include "core/format/names.h"
#include "core/history/history_lookups.h"
#include "core/records/history_records.h"
#include "core/records/game_state.h"
#include "core/season/competitions.h"
#include "core/tables.h"
#include "core/vocab/countries.h"

namespace tarvelon {

namespace {

constexpr int kFirstYear = 2009;
constexpr int kSeasonsBack = 20;
constexpr int kRecordKinds = 7;  // friendlies .. second continental cup

bool ValidClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }

template <std::size_t N>
std::string StageName(const std::array<const char*, N>& names, int stage)
{
    return stage >= 0 && stage < static_cast<int>(N) ? names[stage] : "";
}

const std::array<const char*, 7> kCupStages = {"1ª fase", "1ª fase", "Oitavas", "Quartas",
                                               "Semi-final", "Final", "Campeão"};
const std::array<const char*, 9> kContinentalStages = {"Campeão", "1ª fase", "1ª fase", "1ª fase", "Oitavas",
                                                       "Quartas", "Semi-final", "Final", "Campeão"};

const TClubPlacing* FindClubPlacing(int club, int kind, int season)
{
    for (const TClubPlacing& p : ClubPlacings)
        if (p.club == club && p.season == season && p.kind == kind)
            return &p;
    return nullptr;
}

std::string PlaceInDivision(const TClubPlacing* placing)
{
    if (!placing)
        return "";
    return std::to_string(placing->place) + "º - " + std::to_string(placing->divisionOrState) + "ª divisão";
}

std::string PastCupText(const TClubPlacing* placing, int champion, int runnerUp,
                        const std::string& stage)
{
    if (!placing)
        return "";
    if (placing->place == champion)
        return "Campeão";
    if (placing->place == runnerUp)
        return "Vice-Campeão";
    return stage.empty() ? "" : "Elim. na " + stage;
}

// A cup's champion is recorded with place 1, as every title is; the stage names know the
// champion by the stage after the final.
int RecordedCupPlace(const TClubPlacing* placing, int championStage)
{
    if (!placing)
        return -1;
    return placing->place == 1 ? championStage : placing->place;
}

std::string NationalCupText(int club, int season)
{
    const TClubPlacing* placing = FindClubPlacing(club, 2, season);
    const int recorded = RecordedCupPlace(placing, 6);
    if (recorded == 6)
        return "Campeão";
    if (season == Game.Season)
        return Clubs[club].nationalCupEntry ? "Joga " + StageName(kCupStages, Game.NationalCupStage)
               : placing                    ? "Elim. " + StageName(kCupStages, recorded)
                                            : "";
    if (FindChampion(2, Clubs[club].Country, season) == club)
        return "Campeão";
    return PastCupText(placing, 6, 5, StageName(kCupStages, recorded));
}

std::string ContinentalText(int club, int kind, int season)
{
    const TClubPlacing* placing = FindClubPlacing(club, kind, season);
    const int recorded = RecordedCupPlace(placing, 8);
    if (recorded == 8)
        return "Campeão";
    if (season != Game.Season)
        return PastCupText(placing, 8, 7, StageName(kContinentalStages, recorded));
    const bool entered = kind == 4 ? Clubs[club].FirstContinentalEntry : Clubs[club].SecondContinentalEntry;
    const int stage = kind == 4 ? Game.FirstContinentalStage : Game.SecondContinentalStage;
    if (entered)
        return stage > 4 ? "Joga " + StageName(kContinentalStages, stage) : "Joga 1ª Fase";
    return placing ? "Elim. " + StageName(kContinentalStages, recorded) : "";
}

std::string ClubWorldCupText(int club, int season)
{
    const TClubPlacing* placing = season == Game.Season ? nullptr : FindClubPlacing(club, 5, season);
    switch (placing ? placing->place : 0) {
    case 10: return "Elim. 1ª fase";
    case 20: return "Elim. semi-final";
    case 1: return "Campeão";
    case 2: return "Vice-Campeão";
    case 3: return "3º lugar";
    case 4: return "4º lugar";
    default: return "";
    }
}

struct Tally {
    int games = 0, wins = 0, losses = 0, draws = 0;
    std::int64_t goalsFor = 0, goalsAgainst = 0;
    void Add(int own, int other)
    {
        ++games;
        goalsFor += own;
        goalsAgainst += other;
        own > other ? ++wins : own < other ? ++losses : ++draws;
    }
};

void CopyTally(const Tally& t, ClubRecordRow& row)
{
    row.games = t.games;
    row.wins = t.wins;
    row.losses = t.losses;
    row.draws = t.draws;
    row.goalsFor = t.goalsFor;
    row.goalsAgainst = t.goalsAgainst;
}

// One season's rows: its summary, then a row per competition kind played.
void AddSeason(int club, int season, std::vector<ClubRecordRow>& rows)
{
    Tally total;
    std::array<Tally, kRecordKinds> byKind{};
    for (const TPastMatch& m : PastMatches) {
        if (m.season != season || (m.homeClub != club && m.awayClub != club))
            continue;
        const bool home = m.homeClub == club;
        const int own = home ? m.homeGoals : m.awayGoals;
        const int other = home ? m.awayGoals : m.homeGoals;
        total.Add(own, other);
        if (m.kind >= 0 && m.kind < kRecordKinds)
            byKind[m.kind].Add(own, other);
    }
    if (total.games == 0)
        return;
    ClubRecordRow summary;
    summary.summary = true;
    summary.season = season;
    summary.year = std::to_string(kFirstYear + season);
    summary.coaches = SeasonCoachNames(club, season);
    CopyTally(total, summary);
    rows.push_back(summary);
    for (int kind = 0; kind < kRecordKinds; ++kind) {
        if (byKind[kind].games == 0)
            continue;
        ClubRecordRow row;
        row.season = season;
        row.competition = RecordCompetitionName(kind, club);
        row.placing = ClubPlacingText(club, kind, season);
        CopyTally(byKind[kind], row);
        rows.push_back(row);
    }
}

bool European(int club) { return ConfederationOfCountry(Clubs[club].Country) == kConfEurope; }

}  // namespace

std::string FirstContinentalCupName(int club)
{
    if (!Game.firstContinentalPairOn || !ValidClub(club))
        return "";
    return European(club) ? "Liga Campeões" : "Libertadores";
}

std::string SecondContinentalCupName(int club)
{
    if (!Game.firstContinentalPairOn || !ValidClub(club))
        return "";
    return European(club) ? "Liga Europa" : "Sul-Americana";
}

std::string RecordCompetitionName(int kind, int club)
{
    if (!ValidClub(club))
        return "";
    switch (kind) {
    case 0: return "Amistosos";
    case 1: return "Camp." + NationalityName(Clubs[club].Country);
    case 2: return "Copa";
    case 3: {
        const int state = Clubs[club].State;
        return state >= 0 && state < static_cast<int>(StateDemonyms.size()) ? StateDemonyms[state] : "";
    }
    case 4: return FirstContinentalCupName(club);
    case 5: return "Mundial";
    case 6: return SecondContinentalCupName(club);
    default: return "";
    }
}

std::string ClubPlacingText(int club, int kind, int season)
{
    if (!ValidClub(club))
        return "";
    switch (kind) {
    case 1:
        return season == Game.Season ? "Na " + std::to_string(Clubs[club].Division) + "ª divisão"
                                     : PlaceInDivision(FindClubPlacing(club, 1, season));
    case 2: return NationalCupText(club, season);
    case 3:
        return season < Game.Season || Game.StateStage == 8 ? PlaceInDivision(FindClubPlacing(club, 3, season))
                                                            : "";
    case 4:
    case 6: return ContinentalText(club, kind, season);
    case 5: return ClubWorldCupText(club, season);
    default: return "";
    }
}

std::string SeasonCoachNames(int club, int season)
{
    std::vector<int> coaches;
    for (const TCoachSeason& s : CoachSeasons)
        if (s.season == season && s.club == club && std::find(coaches.begin(), coaches.end(), s.coach) == coaches.end())
            coaches.push_back(s.coach);
    std::string names;
    for (int coach : coaches) {
        if (coach < 0 || coach >= static_cast<int>(Coaches.size()))
            continue;
        names += (names.empty() ? "" : ",") + Coaches[coach].name.str();
    }
    return names;
}

std::vector<ClubRecordRow> ClubRecordRows(int club)
{
    std::vector<ClubRecordRow> rows;
    if (!ValidClub(club))
        return rows;
    const int last = Game.Season;
    for (int season = last; season >= std::max(1, last - kSeasonsBack); --season)
        AddSeason(club, season, rows);
    return rows;
}

std::string ClubTitlesLine(int club)
{
    if (!ValidClub(club))
        return "";
    std::array<int, kRecordKinds> kinds{};
    std::array<int, 5> divisions{};
    for (const TClubPlacing& p : ClubPlacings) {
        if (p.club != club || p.place != 1)
            continue;
        if (p.kind == 1 && p.divisionOrState >= 2 && p.divisionOrState <= 4)
            ++divisions[p.divisionOrState];
        else if (p.kind >= 1 && p.kind <= 6)
            ++kinds[p.kind];
    }
    std::string line;
    const auto part = [&line](const std::string& label, int count) {
        if (count > 0)
            line += label + ":" + std::to_string(count) + "; ";
    };
    part("Nacional", kinds[1]);
    for (int division = 2; division <= 4; ++division)
        part(std::to_string(division) + "ª divisão", divisions[division]);
    part("Copa", kinds[2]);
    part(FirstContinentalCupName(club), kinds[4]);
    part(SecondContinentalCupName(club), kinds[6]);
    part("Mundial", kinds[5]);
    part("Estadual", Clubs[club].stateTitles);
    return line;
}

}  // namespace tarvelon
