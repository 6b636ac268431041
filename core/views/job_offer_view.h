#pragma once
// What the job-offer screen shows of each offer in JobOffers: whether it is offered at all, the
// club's line and its squad.
#include <string>
#include <vector>

namespace tarvelon {

// Offer 0..3 is shown: the first whenever it holds a club, the others only when the club's country
// has a played league.
bool IsJobOfferShown(int offer);

// "Club(Country) - 2ª divisão", or "... - Divisão regional" for a club outside the divisions.
std::string JobOfferCaption(int club);

// One player of an offered club's squad.
struct JobOfferSquadRow {
    int player = 0;
    std::string position;  // first letter of the position name
    std::string name;
    int strength = 0;
    std::string energy;    // "87%"
    std::string wage;
    std::string value;
    std::string traits;    // "Abc/Def"
    int age = 0;
    bool star = false;
};

// The club's players by position, goalkeepers first, in player-index order within a position.
std::vector<JobOfferSquadRow> JobOfferSquad(int club);

}  // namespace tarvelon
