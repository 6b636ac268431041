// The program tarvelon. It runs in its game folder (the working folder) with tarvelon.ini beside it.
// Its command line (app/launch_options.h) opens a new or saved game, or one form of it, at once.
#include <QApplication>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "app/launch_options.h"
#include "app/launcher.h"
#include "app/screen_layer.h"
#include "app/startup.h"
#include "platform/audio/mci_player.h"
#include "platform/audio/wave_device.h"
#include "platform/forms/application.h"
#include "platform/forms/standard_texts.h"

namespace {

int RunProgram(int argc, char** argv)
{
    QApplication app(argc, argv);  // takes Qt's own options off the line
    QApplication::setApplicationName(QStringLiteral("Tarvelon"));
    tarvelon::UseQtTextsInPortuguese();
    std::string error;
    const auto options = tarvelon::ParseLaunchOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "tarvelon: " << error << "\n" << tarvelon::LaunchUsage();
        return 2;
    }
    tarvelon::ProgramStart start;
    start.soundDevice = tarvelon::CreateQtWaveDevice();
    start.seed = options->seed;
    start.programFolder = QApplication::applicationDirPath().toStdString();
    const tarvelon::TProgramServices services = tarvelon::StartProgram(std::move(start));
    tarvelon::InstallScreenLayer();
    const std::optional<int> ended = tarvelon::Launch(*options, std::cout, std::cerr);
    if (ended)
        return *ended;
    // The screens have shown the first window (the title, or the game asked for); the run ends
    // when the title screen closes or the player quits.
    tarvelon::Application->ShowMainForm = false;
    tarvelon::Application->Run();
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    // The screens show what their handlers throw and go on; what is thrown outside them (a game
    // opened from the command line) ends the program with one line and a failure, never an abort.
    try {
        return RunProgram(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "tarvelon: " << error.what() << "\n";
        return 1;
    }
}
