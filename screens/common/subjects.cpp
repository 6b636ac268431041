#include "screens/common/subjects.h"

#include "core/club_rosters.h"
#include "core/records/history_records.h"
#include "core/records/match_records.h"
#include "core/records/game_state.h"
#include "core/tables.h"

namespace tarvelon {

int MarketClub = -1;
int DealPlayer = 0;
int OfferingClub = -1;
int LoanRequestPlayer = -1;
int LoanRequestClub = -1;
int RecordClub = -1;
int FixtureListClub = -1;
std::array<int, 2> HeadToHeadClubs = {-1, -1};
int TrophyCabinetClub = -1;
int SelectedRecord = -1;
int CareerViewMode = 1;
int TransferListMode = 1;
int TransferListClub = -1;
int BracketCompetition = 4;
int MatchReportIndex = -1;
int ReportMode = 1;
int RetiringPlayer = 0;
int ShirtNumberPlayer = 0;
int DeadPlayer = 0;
bool ResignationConfirmed = false;
int InvitationOfferTier = 1;
int ShownReferee = 0;

namespace {

bool IsClub(int club) { return club >= 0 && club < static_cast<int>(Clubs.size()); }

}  // namespace

int SubjectClub()
{
    for (int i = 0; i < Game.HumanClubCount && i < 6; ++i)
        if (IsClub(Game.HumanClubs[i]))
            return Game.HumanClubs[i];
    for (int club = 0; club < static_cast<int>(Clubs.size()); ++club)
        if (!PlayersOfClub(club).empty())
            return club;
    return Clubs.empty() ? -1 : 0;
}

int SubjectPlayer()
{
    const int club = SubjectClub();
    if (!IsClub(club) || PlayersOfClub(club).empty())
        return Players.size() > 1 ? 1 : 0;
    return PlayersOfClub(club).front();
}

int SubjectOtherClub()
{
    const int first = SubjectClub();
    for (int club = 0; club < static_cast<int>(Clubs.size()); ++club)
        if (club != first && !PlayersOfClub(club).empty())
            return club;
    return first;
}

int SubjectMatchReport()
{
    return MatchReports.empty() ? -1 : 0;
}

int SubjectRivalClub()
{
    const int club = SubjectClub();
    for (const TPastMatch& m : PastMatches) {
        if (m.homeClub == club && m.awayClub != club)
            return m.awayClub;
        if (m.awayClub == club && m.homeClub != club)
            return m.homeClub;
    }
    return SubjectOtherClub();
}

namespace {

// The latest place-1 record won by a club (not a national team), or null.
const TPlacing* LatestClubTitle()
{
    const int clubs = Game.LeagueClubCount + Game.ExtraClubCount;
    for (auto p = Placings.rbegin(); p != Placings.rend(); ++p)
        if (p->place == 1 && p->club >= 0 && p->club < clubs && IsClub(p->club))
            return &*p;
    return nullptr;
}

}  // namespace

int SubjectChampionClub()
{
    const TPlacing* title = LatestClubTitle();
    return title ? title->club : SubjectClub();
}

int SubjectChampionCoach()
{
    const TPlacing* title = LatestClubTitle();
    if (title && title->coach >= 0 && title->coach < static_cast<int>(Coaches.size()))
        return title->coach;
    const int club = SubjectClub();
    return IsClub(club) ? Clubs[club].coach : -1;
}

}  // namespace tarvelon
