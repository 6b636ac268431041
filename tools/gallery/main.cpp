// tarvelon-gallery OUTDIR [--data DIR] [--seed N] [--seasons K] [--states]: makes a seeded game from the sample
// database (written first into a scratch folder when no DIR is given), plays K whole seasons first
// when asked (so that the history views have a history to show), with the Brazilian state
// championships on --states, opens every registered screen with a
// sensible subject and writes OUTDIR/<FormClass>.png, printing "<FormClass> built <ms>" for
// each (milliseconds to create, lay out and paint). Exits 1 when a screen fails, 2 on bad options.
#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "screens/common/screen_probe.h"
#include "screens/common/screen_registry.h"
#include "tools/gallery/gallery_game.h"

namespace {

struct GalleryArgs {
    std::filesystem::path outFolder;
    std::filesystem::path dataFolder;
    std::uint64_t seed = 1;
    int seasons = 0;
    bool states = false;
};

bool ParseArgs(int argc, char** argv, GalleryArgs& args)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--data" || arg == "--seed" || arg == "--seasons") && i + 1 < argc) {
            const std::string value = argv[++i];
            const bool digits = value.find_first_not_of("0123456789") == std::string::npos;
            if (arg == "--data")
                args.dataFolder = std::filesystem::absolute(value);
            else if (digits && arg == "--seed")
                args.seed = std::stoull(value);
            else if (digits && arg == "--seasons" && !value.empty() && value.size() <= 2)
                args.seasons = std::stoi(value);
            else
                return false;
        } else if (arg == "--states") {
            args.states = true;
        } else if (args.outFolder.empty() && !arg.empty() && arg[0] != '-') {
            args.outFolder = std::filesystem::absolute(arg);
        } else {
            return false;
        }
    }
    return !args.outFolder.empty();
}

bool WriteScreen(const tarvelon::TScreenProbe& probe, const std::filesystem::path& outFolder)
{
    const std::filesystem::path file = outFolder / (probe.formClass + ".png");
    return !probe.picture.isNull() && probe.picture.save(QString::fromStdString(file.string()), "PNG");
}

int RunGallery(int argc, char** argv)
{
    tarvelon::gallery::UseHeadlessDisplay();
    QApplication app(argc, argv);
    GalleryArgs args;
    if (!ParseArgs(argc, argv, args)) {
        std::fprintf(stderr, "usage: tarvelon-gallery OUTDIR [--data DIR] [--seed N] [--seasons K] [--states]\n");
        return 2;
    }
    std::error_code failed;
    std::filesystem::create_directories(args.outFolder, failed);
    QTemporaryDir scratch;
    tarvelon::gallery::GalleryGameOptions options;
    options.dataFolder = args.dataFolder;
    options.scratchFolder = scratch.path().toStdString();
    options.seed = args.seed;
    options.seasonsPlayed = args.seasons;
    options.stateChampionships = args.states;
    std::string message;
    if (!tarvelon::gallery::PrepareGalleryGame(options, message)) {
        std::fprintf(stderr, "tarvelon-gallery: %s\n", message.c_str());
        return 1;
    }
    int failures = 0;
    for (const tarvelon::TScreenRecord* entry : tarvelon::RegisteredScreens()) {
        tarvelon::TScreenProbe probe = tarvelon::ProbeScreen(*entry);
        if (!WriteScreen(probe, args.outFolder))
            probe.problems.push_back("the picture could not be written");
        std::printf("%s built %.1f\n", probe.formClass.c_str(), probe.milliseconds);
        std::fflush(stdout);
        for (const std::string& problem : probe.problems)
            std::fprintf(stderr, "%s: %s\n", probe.formClass.c_str(), problem.c_str());
        failures += probe.Ok() ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    // Whatever goes wrong ends the run with one line and a failure, never an abort.
    try {
        return RunGallery(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tarvelon-gallery: %s\n", error.what());
        return 1;
    }
}
