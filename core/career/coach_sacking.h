#pragma once
// After a round the boards that lost confidence fire their coaches.
namespace tarvelon {

// Every league club in a division whose board confidence is below 10: a human coach is dismissed
// (his dismissal screen first); a computer club placed 6th or lower in today's competition takes a
// free or poached replacement (the change notice first, when coach changes are shown and its league
// has a human club). A poached coach's club takes the fired coach.
void SackFailingCoaches();

// The dismissal of the human coach of CoachChangeClub: a replacement is found (or made up), the
// dismissal screen is shown, and the replacement takes over. False when nobody could take his place
// (nothing changed then).
bool DismissHumanCoach();

}  // namespace tarvelon
