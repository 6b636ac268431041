#pragma once
// A human coach leaves his club of his own will: the board accepts, tells him so on the dismissal
// notice and hands the club to a replacement.
#include <string>

namespace tarvelon {

// What the coach is told when his resignation cannot be carried out.
inline constexpr const char* kResignationRefused =
    "Sua demissão não pôde ser aceita: não há outro técnico para assumir o time.";

// The current human coach resigns from the current human club. False, with kResignationRefused
// shown through the message hook and nothing changed, when he has no club or nobody can take his
// place.
bool ResignCurrentHumanCoach();

}  // namespace tarvelon
