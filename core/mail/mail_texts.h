#pragma once
// The texts of the inbox: message bodies and subjects, referred to by id from each TMailMessage.
// Filled once at start-up; not saved with a game.
#include <array>
#include <string>

#include "core/records/game_records.h"

namespace tarvelon {

// Index 0 is unused; ids 1..74 and 1..19.
extern std::array<std::string, kMailTextCount + 1> MailTexts;
extern std::array<std::string, kMailSubjectCount + 1> MailSubjects;

void FillMailTexts();

}  // namespace tarvelon
