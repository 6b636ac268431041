#pragma once
// The program's own start, as its title screen opens: the generator seeded from the clock, the game's
// sounds opened, the session's globals set to their start, and the constant tables the game reads
// from then on (the referees, the mail texts) filled.
namespace tarvelon {

void PrepareProgramStart();

}  // namespace tarvelon
