#pragma once
// The money every club starts a season with.

namespace tarvelon {

// By division: a human-run club gets a fixed sum added to its cash and its sponsorship account;
// a computer-run club's cash is drawn anew (more with the state championships on).
void PayNewSeasonMoney();

}  // namespace tarvelon
