#include "core/career/human_coaches.h"

#include "core/economy/table_access.h"
#include "core/records/game_state.h"
#include "core/season/calendar.h"
#include "core/tables.h"

namespace tarvelon {

namespace {

int FirstFreeCoachRecord()
{
    for (int c = 0; c < static_cast<int>(Coaches.size()); ++c)
        if (Coaches[c].name.str().empty())
            return c;
    Coaches.push_back(TCoach{});
    return static_cast<int>(Coaches.size()) - 1;
}

// A new human coach's record: no club, the division he looks for a job in, no points and no titles.
void FillNewHumanCoach(TCoach& coach, const std::string& name)
{
    coach.name.set(name);
    coach.division = Game.LeagueFormat == kDivisionsOf20 ? 2 : 4;
    coach.lastClub = -1;
    coach.nationalRankingPoints = 0;
    coach.OfferPending = 1;
    coach.club = -1;
    coach.country = Game.playedCountry;
    coach.hireCounter = 0;
    for (auto& count : coach.titles) count = 0;
    for (auto& count : coach.divisionTitles) count = 0;
    coach.human = 1;
}

}  // namespace

std::vector<HumanCoachRow> HumanCoachRows()
{
    std::vector<HumanCoachRow> rows;
    for (const int coach : Game.HumanCoachSlots) {
        if (!IsCoachIndex(coach))
            continue;
        const TCoach& record = Coaches[coach];
        rows.push_back({coach, record.name.str(), IsClubIndex(record.club) ? Clubs[record.club].name.str() : ""});
    }
    return rows;
}

int FreeHumanCoachSlot()
{
    for (int slot = 0; slot < kHumanCoachSlots; ++slot)
        if (Game.HumanCoachSlots[slot] == -1)
            return slot;
    return -1;
}

int AddHumanCoach(const std::string& name)
{
    const int slot = FreeHumanCoachSlot();
    if (slot < 0 || name.empty())
        return -1;
    const int coach = FirstFreeCoachRecord();
    FillNewHumanCoach(Coaches[coach], name);
    Game.HumanCoachSlots[slot] = coach;
    return coach;
}

RemoveCoachResult RemoveHumanCoach(int coach)
{
    if (!IsCoachIndex(coach))
        return RemoveCoachResult::NotACoach;
    TCoach& record = Coaches[coach];
    if (record.club >= 0)
        return RemoveCoachResult::StillHasClub;
    for (auto& slot : Game.HumanCoachSlots)
        if (slot == coach)
            slot = -1;
    record.name.set("");
    record.club = -1;
    record.active = 0;
    return RemoveCoachResult::Removed;
}

}  // namespace tarvelon
