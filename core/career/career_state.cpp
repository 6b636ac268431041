#include "core/career/career_state.h"

#include "core/basics/random.h"
#include "core/tables.h"

namespace tarvelon {

int CoachChangeClub = -1;
bool CoachResigned = false;
int FiredCoach = -1;
int ReplacementCoach = -1;
int ReplacementCoachOldClub = -1;

std::array<int, 4> JobOffers{-1, -1, -1, -1};

const std::array<const char*, 11> CoachFirstNames{
    "Carlos", "José", "Paulo", "Antônio", "João", "Luiz", "Marcos", "Roberto", "Sérgio", "Ricardo", "Fernando",
};

const std::array<const char*, 11> CoachSurnames{
    "Silva", "Santos", "Oliveira", "Souza", "Pereira", "Costa", "Ferreira", "Almeida", "Rodrigues", "Lima", "Gomes",
};

void ResetCoachChange()
{
    CoachChangeClub = -1;
    FiredCoach = -1;
    ReplacementCoach = -1;
    ReplacementCoachOldClub = -1;
}

void ClearJobOffers()
{
    JobOffers.fill(-1);
}

void MakeRandomCoachName(std::string& name)
{
    const char* first = CoachFirstNames[Random(static_cast<int>(CoachFirstNames.size()))];
    const char* surname = CoachSurnames[Random(static_cast<int>(CoachSurnames.size()))];
    name = std::string(first) + " " + surname;
}

namespace {

const GameTableReset careerReset([] {
    ResetCoachChange();
    CoachResigned = false;
    ClearJobOffers();
});

}  // namespace

}  // namespace tarvelon
