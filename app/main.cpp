// The program tarvelon. It runs in its game folder (the working folder) with tarvelon.ini beside it.
#include <QApplication>
#include <cstdio>

#include "app/startup.h"
#include "platform/audio/mci_player.h"
#include "platform/audio/wave_device.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvelon"));
    tarvelon::ProgramStart start;
    start.soundDevice = tarvelon::CreateQtWaveDevice();
    start.programFolder = QApplication::applicationDirPath().toStdString();
    const tarvelon::TProgramServices services = tarvelon::StartProgram(std::move(start));
    // The title screen is not there yet: the program starts and ends without a window.
    std::puts("Tarvelon: a tela de título ainda não existe; nada a mostrar.");
    return 0;
}
