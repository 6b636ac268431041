#pragma once
// The day's matches as the knockout rules look them up after the final whistle.

namespace tarvelon {

// The first match of the day whose home club is a or b; 0 when none.
int FindDayMatchOfClubs(int a, int b);

// A shoot-out between clubs a and b (a scored goalsA, b goalsB): the day's match of the two gets the
// shoot-out flag and both scores, and so does its report when the day is already archived.
void RecordDayShootout(int a, int b, int goalsA, int goalsB);

}  // namespace tarvelon
