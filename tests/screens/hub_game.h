#pragma once
// A seeded game for the hub and line-up tests: the sample database in a temporary folder, the
// program started as the gallery starts it, and a new game of every league with two human coaches
// on two clubs of the Brazilian first division.
#include <QTemporaryDir>

#include <filesystem>
#include <memory>
#include <string>

#include "core/newgame/new_game_setup.h"
#include "core/records/game_state.h"
#include "core/tables.h"
#include "core/vocab/countries.h"
#include "screens/common/game_flow.h"
#include "tools/gallery/gallery_game.h"

namespace tarvelon::test {

class HubGame {
public:
    // Once per test program: the database, the program and the registered screens.
    static bool Prepare(std::string& message)
    {
        if (folder_)
            return true;
        savedFolder_ = std::filesystem::current_path();
        folder_ = std::make_unique<QTemporaryDir>();
        gallery::GalleryGameOptions options;
        options.scratchFolder = folder_->path().toStdString();
        options.seed = 7;
        options.daysPlayed = 0;
        if (!gallery::PrepareGalleryGame(options, message))
            return false;
        std::filesystem::create_directories("sav");
        return true;
    }

    static void Leave()
    {
        std::filesystem::current_path(savedFolder_);
        folder_.reset();
    }

    // A new game with two human coaches; the first screen it opens.
    static FirstScreen StartTwoCoachGame()
    {
        BeginNewGameSetup();
        ListNewGameClubFiles();
        NewGameChoices choices;
        choices.countries = OfferedLeagueCountries();
        choices.leagueFormat = kLeagueFormatDivisionsOf20;
        if (choices.countries.empty() || !SetUpNewGameBeforeCoaches(choices))
            return FirstScreen::None;
        std::vector<int> clubs;
        for (int club = 0; club < static_cast<int>(Clubs.size()) && clubs.size() < 2; ++club)
            if (IsClubOfferedToHumanCoach(club) && Clubs[club].Country == CountryBrazil && Clubs[club].Division == 1)
                clubs.push_back(club);
        if (clubs.size() < 2)
            return FirstScreen::None;
        Game.HumanClubCount = 2;
        if (!ChooseHumanClub(1, clubs[0], "Primeiro") || !ChooseHumanClub(2, clubs[1], "Segundo"))
            return FirstScreen::None;
        return RunNewGameBuilder();
    }

private:
    static inline std::unique_ptr<QTemporaryDir> folder_;
    static inline std::filesystem::path savedFolder_;
};

}  // namespace tarvelon::test
