#include "core/economy/friendly_booking.h"

#include <algorithm>

#include "core/basics/currency.h"
#include "core/economy/table_access.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/season/fixtures.h"
#include "core/tables.h"

namespace tarvelon {

bool WantsPreseasonFriendlies = false;

namespace {
const GameTableReset preseasonReset([] { WantsPreseasonFriendlies = false; });

struct FeePair {
    int away;
    int home;
};

// By the opponent's division (0 regional .. 4) when both clubs are of one country.
constexpr FeePair kSameCountryFees[5] = {
    {10000, 20000}, {50000, 150000}, {40000, 100000}, {20000, 40000}, {10000, 15000}};

FeePair ForeignFee(int level)
{
    if (level >= 1 && level <= 10) return {20000, 60000};
    if (level >= 11 && level <= 15) return {20000, 80000};
    if (level >= 16 && level <= 20) return {80000, 200000};
    if (level >= 21 && level <= 25) return {100000, 300000};
    return {0, 0};
}

FeePair FeesOf(int club, int opponent)
{
    const TClub& them = Clubs[opponent];
    if (them.Country != Clubs[club].Country)
        return ForeignFee(them.Level);
    if (them.Division >= 0 && them.Division <= 4)
        return kSameCountryFees[them.Division];
    return {0, 0};
}

// The first national league or state championship day; 0 when the season has none.
int FirstCompetitionDay()
{
    for (int day = 1; day <= kCalendarDays; ++day)
        if (Calendar[day].dayKind == kKindNationalLeague || Calendar[day].dayKind == kKindStateChampionship)
            return day;
    return 0;
}

}  // namespace

FriendlyDates FreeFriendlyDates(int club, bool preseason)
{
    FriendlyDates dates;
    TDateTime limit = Calendar[kCalendarDays].date;
    if (preseason) {
        if (const int first = FirstCompetitionDay(); first > 0) {
            limit = Calendar[first].date;
            dates.information = (Calendar[first].dayKind == kKindNationalLeague ? "Camp. nacional se inicia em "
                                                                                : "Camp. estadual se inicia em ") +
                                DateToStr(limit);
        }
    }
    const TDateTime today = TodayDate();
    for (int day = 1; day <= kCalendarDays; ++day) {
        const TCalendarEntry& entry = Calendar[day];
        if (entry.dayKind == kKindFriendlies && entry.date > today && entry.date <= limit &&
            !ClubHasFriendlyOnDate(day, club))
            dates.days.push_back(day);
    }
    return dates;
}

std::vector<std::pair<std::string, int>> FriendlyOpponents(int club)
{
    std::vector<std::pair<std::string, int>> opponents;
    const int last = std::min<int>(Game.LeagueClubCount + Game.ExtraClubCount, static_cast<int>(Clubs.size()));
    for (int other = 0; other < last; ++other)
        if (other != club)
            opponents.emplace_back(Clubs[other].name.str(), other);
    std::stable_sort(opponents.begin(), opponents.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    return opponents;
}

// A human opponent asks nothing: taking the table's fee for him, as in "when the club's cash is
// below fee x 10,000: not booked", would refuse a friendly that costs nothing for want of money.
int FriendlyFee(int club, int opponent, bool atHome)
{
    if (!IsClubIndex(club) || !IsClubIndex(opponent) || Clubs[opponent].IsHuman != 0)
        return 0;
    const FeePair fees = FeesOf(club, opponent);
    return atHome ? fees.home : fees.away;
}

bool CanPayFriendlyFee(int club, int fee)
{
    return IsClubIndex(club) && Clubs[club].cash >= CurrencyFromUnits(fee);
}

void BookFriendly(int club, int opponent, int day, bool atHome, int fee)
{
    if (!IsClubIndex(club) || !IsClubIndex(opponent) || day < 1 || day > kCalendarDays)
        return;
    // Besides "cash := cash - fee x 10,000" the fee is entered under "Diversos": money that left the
    // cash with no line in the club's accounts would leave them out of balance.
    AddUnitsToCash(Clubs[club].cash, -std::int64_t{fee});
    if (club < static_cast<int>(ClubFinances.size()))
        AddToAccount(ClubFinances[club].miscellaneous, fee);
    const int home = atHome ? club : opponent;
    const int away = atHome ? opponent : club;
    const TDateTime date = Calendar[day].date;
    TFriendly friendly;
    friendly.home = home;
    friendly.away = away;
    friendly.date = date;
    Friendlies.push_back(friendly);
    AppendFixture(home, away, -1, kKindFriendlies, -1, -1, -1, date);
}

}  // namespace tarvelon
