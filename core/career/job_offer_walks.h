#pragma once
// The job offers made to the human coaches after a day, one coach after the other: each in turn
// becomes the current human coach, his offers are picked and, when there are any, the job-offer
// screen is shown. The current human coach is the same after the walk as before it.
namespace tarvelon {

// From the second season, after the even league rounds 4 to 16 of the second turn: coaches with
// a club whose club is doing well.
void OfferMidSeasonJobs();

// With chance 2 in 3 and not in instant play: coaches without a club.
void OfferJoblessCoachJobs();

// At the end of a season of divisions of 20: coaches with a club.
void OfferSeasonEndJobs();

// The current human coach takes offer `offer` (0..3): he leaves his club (which takes the new
// club's coach in exchange) or, jobless, simply takes over; the new squad gets fresh contracts and
// he a welcome. The offers are cleared. False when the offer is empty.
bool AcceptJobOffer(int offer);

}  // namespace tarvelon
