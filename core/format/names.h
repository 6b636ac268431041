#pragma once
// Display names of competitions, countries and nationalities.
#include <string>

namespace tarvelon {

// Name of the competition at element `index` of `Competitions` ("Camp. Brasileiro - 2ª divisão",
// "Copa do Brasil", "Libertadores" ...); empty for an unknown element or kind.
std::string CompetitionName(int index);

// The country's name with its article: "do Brasil", "da Espanha", "Personalizada" (202) ...;
// other countries by their plain name.
std::string CountryPhrase(int country);

// The nationality adjective of league names: "Brasileiro", "Espanhol", "Personalizado" (202) ...;
// other countries by their plain name.
std::string NationalityName(int country);

}  // namespace tarvelon
