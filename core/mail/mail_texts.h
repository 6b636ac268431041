#pragma once
// The texts of the inbox: message bodies and subjects, referred to by id from each TMailMessage.
// Filled once at start-up; not saved with a game.
#include <array>
#include <string>

namespace tarvelon {

inline constexpr int kMailTextCount = 74;
inline constexpr int kMailSubjectCount = 19;

// Index 0 is unused; ids 1..74 and 1..19.
extern std::array<std::string, kMailTextCount + 1> MailTexts;
extern std::array<std::string, kMailSubjectCount + 1> MailSubjects;

void FillMailTexts();

}  // namespace tarvelon
