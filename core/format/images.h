#pragma once
// Paths of the crest images of clubs and national teams, and the roster's status images.
// Data files are matched without regard to case, with "/" separators, relative to the game folder.
#include <string>

namespace tarvelon {

// The first existing crest of the club: its crest name + ".png", ".gif" or ".bmp", in that order,
// in "teams/escudos/" (in "teams/selecoes/" for a national team's entry); empty when none exists
// or when the crest name is not a plain file name (core/persist/file_paths.h).
std::string CrestPath(int club);

// "teams/miniescudos/mini_" + crest name + ".bmp" when that file exists and the crest name is a
// plain file name, else empty.
std::string MiniCrestPath(int club);

// Image index of a player's status for one of the five roster styles, as decimal text.
std::string FormatStatusImageIndex(int player, int style);

}  // namespace tarvelon
