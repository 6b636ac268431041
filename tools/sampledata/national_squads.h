#pragma once
// The national squads of the sample database: each calls up the best players of its nationality
// from the sample clubs (3 goalkeepers and 20 outfield players), so the national team and the
// clubs tell one story; a country short of players gets invented ones.
#include <vector>

#include "core/records/club_file.h"
#include "tools/sampledata/club_catalogue.h"
#include "tools/sampledata/sample_random.h"

namespace tarvelon::sampledata {

inline constexpr int kNationalGoalkeepers = 3;
inline constexpr int kNationalOutfield = 20;

// The symbol image of a national team: "teams/selecoes/" + this + ".png".
std::string NationalSymbolName(int country);

TNationalSquad MakeNationalSquad(int country, const std::vector<SampleClub>& clubs, SampleRandom random);

}  // namespace tarvelon::sampledata
