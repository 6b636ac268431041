#pragma once
// Friendlies a human coach books for his club: the free dates (before the first league or state
// day when they are pre-season friendlies), the opponents, the fee the opponent asks and the booking.
#include <string>
#include <utility>
#include <vector>

namespace tarvelon {

// The coach's answer to "Deseja marcar amistosos de pré-temporada?" at the start of a season.
extern bool WantsPreseasonFriendlies;

// The calendar days (1..148) on which `club` may still book a friendly, and the line that tells the
// coach until when ("Camp. nacional se inicia em dd/mm/yyyy"; empty outside the pre-season).
struct FriendlyDates {
    std::vector<int> days;
    std::string information;
};
FriendlyDates FreeFriendlyDates(int club, bool preseason);

// Every league club and guest club but `club`, as (name, club index), sorted by name.
std::vector<std::pair<std::string, int>> FriendlyOpponents(int club);

// The fee `opponent` asks, in whole units, for a friendly at `club`'s ground (atHome) or at its own.
// A club run by a human coach plays for nothing.
int FriendlyFee(int club, int opponent, bool atHome);

// The club's cash covers the fee (whole units); equal is enough.
bool CanPayFriendlyFee(int club, int fee);

// Books the friendly on calendar day `day`: the fee paid at once and booked under "Diversos", the
// friendly and its fixture appended.
void BookFriendly(int club, int opponent, int day, bool atHome, int fee);

}  // namespace tarvelon
