#pragma once
// The national teams that invite a human coach for the coming World Cup, Copa América or Eurocopa:
// the eight offers of one tier row of the table the tournament's set-up filled (Game's
// tournamentRows), and the coach's acceptance of one of them.
#include <array>

namespace tarvelon {

struct InvitationOffer {
    int club = -1;         // the national team's club entry; -1 for an empty slot
    bool enabled = false;  // false when another human coach already leads that team
};

// The tier of national teams that invite the coach of `club` to tournament `kind` (7 World Cup,
// 8 Copa América, 9 Eurocopa): 1 for the coaches of the stronger clubs, else 2.
int InvitationTier(int kind, int club);

// The offers of tier 1..4 (anything else: all empty). A slot whose entry is below 1 or past the end
// of Clubs is empty.
std::array<InvitationOffer, 8> InvitationOffers(int tier);

// The current human coach takes the national team `club`: it joins the human national teams, he
// becomes its coach and is marked as a national-team coach. Refused (false) for an empty or
// already human-led team, with all six places taken, or without a current human coach.
bool AcceptInvitation(int club);

}  // namespace tarvelon
