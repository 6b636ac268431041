#include "app/launcher.h"

#include <string>
#include <string_view>

#include "app/screen_seam.h"
#include "core/records/game_state.h"

namespace tarvelon {

namespace {

// "carreira" or "carreira.nsx": the saved game's file name.
std::string WithSaveExtension(const std::string& name)
{
    const std::string_view ext = kSaveExtension;
    const bool has = name.size() > ext.size() && std::string_view(name).substr(name.size() - ext.size()) == ext;
    return has ? name : name + std::string(ext);
}

// The game the options ask for; nullopt (with the reason on `err`) when it cannot be had.
std::optional<GameOpening> OpenGame(const LaunchOptions& options, std::ostream& err)
{
    GameOpening opening;
    if (options.newGame) {
        std::string message;
        opening.from = GameOpening::From::NewGame;
        opening.firstScreen = StartCommandLineGame(options.choices, message);
        if (opening.firstScreen == FirstScreen::None) {
            err << "tarvelon: the new game could not be built" << (message.empty() ? "" : ": " + message) << "\n";
            return std::nullopt;
        }
    } else if (!options.loadName.empty()) {
        opening.from = GameOpening::From::SavedGame;
        opening.loadOutcome = LoadGame(WithSaveExtension(options.loadName));
        if (opening.loadOutcome == LoadOutcome::kFailed) {
            err << "tarvelon: " << SavePath(WithSaveExtension(options.loadName)) << " could not be loaded\n";
            return std::nullopt;
        }
    }
    return opening;
}

std::string Describe(const GameOpening& opening)
{
    if (opening.from == GameOpening::From::Title)
        return "a tela de título ainda não existe; nada a mostrar.";
    const std::string how = opening.from == GameOpening::From::NewGame ? "jogo novo" : "jogo carregado";
    return how + " pronto: temporada " + std::to_string(2009 + Game.Season) + ", " + std::to_string(Game.LeagueClubCount) +
           " clubes, " + std::to_string(Game.HumanClubCount) + " técnico(s) humano(s); as telas ainda não existem.";
}

}  // namespace

std::optional<int> Launch(const LaunchOptions& options, std::ostream& out, std::ostream& err)
{
    const std::optional<GameOpening> opening = OpenGame(options, err);
    if (!opening)
        return 1;
    const ScreenSeam& screens = ScreenLayer();
    if (!options.openForm.empty()) {
        if (!screens.openFormByName) {
            err << "tarvelon: no screens to open " << options.openForm << " with\n";
            return 1;
        }
        if (!screens.openFormByName(options.openForm)) {
            err << "tarvelon: no form " << options.openForm << "\n";
            return 1;
        }
        return std::nullopt;
    }
    if (screens.showFirstScreen) {
        screens.showFirstScreen(*opening);
        return std::nullopt;
    }
    out << "Tarvelon: " << Describe(*opening) << "\n";
    return 0;
}

ScreenSeam& ScreenLayer()
{
    static ScreenSeam seam;
    return seam;
}

}  // namespace tarvelon
