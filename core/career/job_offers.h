#pragma once
// Job offers for a human coach: clubs that want him, put into JobOffers (four entries, -1 empty).
// A human-run club is never offered, nor (except after the season) a club offered already.
namespace tarvelon {

bool IsInJobOffers(int club);

// A jobless coach: 1 to 4 clubs near the division he wants, the first from his country's league,
// on state-championship days 1 or 2 clubs of his own league that play the state championship.
void PickJobOffersForJoblessCoach(int country, int coach);

// The coach of a first-division club that had a good season: top clubs of another league (and,
// in a league of four divisions of the state championships' country, clubs of his own league).
void PickJobOffersAfterSeason(int club);

// The coach of a club doing well half-way through: a club of a higher division or a top club of
// another league.
void PickJobOffersMidSeason(int club);

}  // namespace tarvelon
