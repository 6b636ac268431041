#include "tools/gallery/gallery_game.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryFile>
#include <QtGlobal>
#include <exception>
#include <iostream>

#include "app/startup.h"
#include "core/hooks.h"
#include "core/newgame/start_game.h"
#include "core/seasonloop/season_loop.h"
#include "core/services/rule_services.h"
#include "core/settings/settings.h"
#include "platform/forms/screen.h"
#include "screens/common/game_flow.h"
#include "screens/common/game_form.h"
#include "screens/screens_registration.h"
#include "tools/sampledata/sample_database.h"

namespace tarvelon::gallery {

namespace {

// The program's start-up without sound and without message boxes: the rules started with their
// automatic answers and the seed, messages on the error stream, the screen's real size.
void StartGalleryProgram(std::uint64_t seed)
{
    StartApplication();
    StartRules(RulesStart{seed});
    CoreHooks& hooks = Hooks();
    hooks.showMessage = [](const std::string& text) { std::cerr << text << "\n"; };
    hooks.screenWidth = [] { return Screen->Width(); };
    hooks.screenHeight = [] { return Screen->Height(); };
}

bool EnterGameFolder(const GalleryGameOptions& options, std::string& message)
{
    std::filesystem::path folder = options.dataFolder;
    if (folder.empty()) {
        folder = options.scratchFolder;
        try {
            sampledata::WriteSampleDatabase(folder, options.seed);
        } catch (const std::exception& error) {
            message = std::string("cannot write the sample database: ") + error.what();
            return false;
        }
    }
    std::error_code failed;
    std::filesystem::current_path(folder, failed);
    if (failed) {
        message = "cannot enter " + folder.string();
        return false;
    }
    SetProgramFolder(std::filesystem::current_path());
    return true;
}

// The offscreen platform's notes about window features it lacks say nothing about the screens.
void DropPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.startsWith(QStringLiteral("This plugin does not support")))
        return;
    std::cerr << qPrintable(qFormatLogMessage(type, context, text)) << "\n";
}

// The offscreen platform's own screen is 800 x 800; the screens are drawn on the 800 x 600 screen
// they were laid out for, so that a screen that fills the window shows as the game shows it there.
QByteArray OffscreenPlatformOfDesignScreen()
{
    static QTemporaryFile screens(QDir::tempPath() + QStringLiteral("/tarvelon-screens-XXXXXX.json"));
    if (!screens.isOpen() && !screens.open())
        return "offscreen";
    screens.write(R"({"screens": [{"name": "design", "x": 0, "y": 0, "width": 800, "height": 600,)"
                  R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.flush();
    return "offscreen:configfile=" + QFile::encodeName(screens.fileName());
}

}  // namespace

void UseHeadlessDisplay()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", OffscreenPlatformOfDesignScreen());
    qInstallMessageHandler(DropPlatformNotes);
}

bool PrepareGalleryGame(const GalleryGameOptions& options, std::string& message)
{
    if (!EnterGameFolder(options, message))
        return false;
    StartGalleryProgram(options.seed);
    RegisterGameScreens();
    LoadBackgroundBitmap();
    const FirstScreen first = StartQuickNewGame(options.stateChampionships);
    if (first == FirstScreen::None) {
        message = "no game can be started from this database";
        return false;
    }
    AfterGameStarted(first);
    for (int season = 0; season < options.seasonsPlayed; ++season)
        PlaySeason();
    for (int day = 0; day < options.daysPlayed; ++day)
        PlayDay();
    return true;
}

}  // namespace tarvelon::gallery
