#pragma once
// The names a club's lists give each competition kind (0 friendlies .. 9 Eurocopa), worded from
// that club's country and state.
#include <string>

namespace tarvelon {

// The club's fixture list: "Amistoso", "Campeonato Brasileiro", "Copa do Brasil", "Camp. Paulista",
// "Libertadores" / "Liga Campeões", "Mundial Interclubes", "Sul-Americana" / "Liga Europa",
// "Copa do Mundo", "Copa América", "Eurocopa"; empty for an unknown kind.
std::string FixtureListCompetitionName(int kind, int club);

// The meetings of two clubs: as above, but "Estadual" for the state championship.
std::string MeetingCompetitionName(int kind, int club);

}  // namespace tarvelon
